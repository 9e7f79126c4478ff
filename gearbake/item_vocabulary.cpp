#include "gearbake/item_vocabulary.h"

#include <span>

namespace gearbake {

namespace {

int32_t LowerAndLookUp(std::span<const buildlib::VocabularyEntry> vocabulary, std::string* text,
                       int32_t fallback) {
  *text = buildlib::ToLowerAscii(*text);
  return buildlib::LookupCode(vocabulary, *text, fallback);
}

}  // namespace

int32_t WeaponTypeFromName(std::string* text) {
  return LowerAndLookUp(buildlib::kWeaponTypes, text, kUnknownWeaponType);
}

int32_t ArmorTypeFromName(std::string* text) {
  return LowerAndLookUp(kArmorTypes, text, kUnknownArmorType);
}

int32_t QuickItemTypeFromName(std::string* text) {
  return LowerAndLookUp(kQuickItemTypes, text, kNoSuchKind);
}

int32_t LootTypeFromName(std::string* text) {
  return LowerAndLookUp(kLootTypes, text, kNoSuchKind);
}

int32_t DamageTypeFromName(const std::string& text) {
  // "general" is the seventh kind and also what any other word counts as.
  return buildlib::LookupCode(buildlib::kDamageKinds, buildlib::ToLowerAscii(text),
                              kGeneralDamage);
}

int32_t LootKindFromName(const std::string& name) {
  return buildlib::LookupCode(kLootKinds, buildlib::ToLowerAscii(name), kNoSuchKind);
}

}  // namespace gearbake
