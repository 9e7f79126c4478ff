#include "gearbake/weapon_prototype.h"

#include "buildlib/report_error.h"
#include "gearbake/item_vocabulary.h"
#include "gearbake/leading_number.h"

namespace gearbake {

namespace {

// Damage cells are in tenths, proportions in percent; both single-precision
// factors, as the game multiplies them.
constexpr float kDamageScale = 0.1f;
constexpr float kPercent = 0.01f;

bool SameWithoutCase(std::string_view a, std::string_view b) {
  return buildlib::ToLowerAscii(a) == b;
}

}  // namespace

void WeaponPrototype::Serialize(buildlib::ChunkArchive& archive) {
  SerializeItem(archive);
  archive.SerializeValue(21, actions);
  archive.SerializeValue(22, value22);
  archive.SerializeValue(23, range);
  archive.SerializeValue(24, damageMin);
  archive.SerializeValue(25, damageSpread);
  archive.SerializeValue(26, damageProportions);
  archive.SerializeValue(27, skills.threeSkills);
  archive.SerializeValue(28, skills.eightSkills);
  archive.SerializeValue(29, attack);
  archive.SerializeValue(30, defence);
}

void ReadWeapon(const buildlib::CFileRegistry& registry,
                const buildlib::CFileRegistry::Section& row, WeaponPrototype* weapon) {
  static const auto kProportionColumns = DamageColumns("Damage proportions");

  ReadItemPrototype(registry, row, weapon);
  weapon->typeName = registry.GetString(row, "Weapon Type", "none");
  weapon->materialName = registry.GetString(row, "Weapon Material Type", "none");
  weapon->typeIndex = WeaponTypeFromName(&weapon->typeName);
  if (weapon->typeIndex == kUnknownWeaponType) {
    buildlib::ReportError("Unknown weapon name: \"%s\".\n", weapon->typeName.c_str());
  }

  weapon->range = registry.GetFloat(row, "Weapon Range", -1.0f);
  weapon->damageMin = registry.GetFloat(row, "Weapon Damage Min", -1.0f) * kDamageScale;
  const float damage_max = registry.GetFloat(row, "Weapon Damage Max", -1.0f) * kDamageScale;
  weapon->damageSpread = damage_max - weapon->damageMin;
  weapon->actions = registry.GetInt(row, "Weapon Actions", 0);

  weapon->value22 = {};
  weapon->attack = 0.0f;
  weapon->defence = 0.0f;
  ReadSkillEntries(registry, row, &weapon->skills,
                   [weapon](std::string_view name, std::string_view value) {
                     if (SameWithoutCase(name, "attack")) {
                       weapon->attack = LeadingReal(value);
                     } else if (SameWithoutCase(name, "defence")) {
                       weapon->defence = LeadingReal(value);
                     }
                   });

  for (size_t kind = 0; kind < kProportionColumns.size(); ++kind) {
    weapon->damageProportions[kind] =
        registry.GetFloat(row, kProportionColumns[kind].c_str(), -1.0f) * kPercent;
  }
}

}  // namespace gearbake
