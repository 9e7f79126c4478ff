// The closed vocabularies of the item tables and their lookups.
//
// Each lookup lower-cases the text it is given in place (so the record keeps
// the lower-cased type name) and returns the code of the first exact match,
// or the vocabulary's fallback. Only the weapon and armour types are checked:
// their callers report an unknown name; the other lookups take their fallback
// silently. Loot kinds are matched on the item's name.
#ifndef BAKE_GEARBAKE_ITEM_VOCABULARY_H_
#define BAKE_GEARBAKE_ITEM_VOCABULARY_H_

#include <array>
#include <cstdint>
#include <limits>
#include <string>

#include "buildlib/game_vocabulary.h"

namespace gearbake {

// The code of a weapon or armour type that is not in its vocabulary.
inline constexpr int32_t kUnknownWeaponType = 7;
inline constexpr int32_t kUnknownArmorType = 7;
// What the silent lookups give for a text they do not know.
inline constexpr int32_t kNoSuchKind = std::numeric_limits<int32_t>::max();
// Every damage kind that is not one of the first six counts as general.
inline constexpr int32_t kGeneralDamage = 6;

inline constexpr std::array<buildlib::VocabularyEntry, 7> kArmorTypes{{
    {"helm", 0}, {"plate", 1}, {"leggings", 2}, {"shirt", 3},
    {"pants", 4}, {"boots", 5}, {"gloves", 6},
}};

inline constexpr std::array<buildlib::VocabularyEntry, 9> kQuickItemTypes{{
    {"dangersensor", 0}, {"persuader", 1}, {"trap", 2}, {"picklock", 3}, {"crowbar", 4},
    {"wand", 5}, {"key", 6}, {"plug", 7}, {"scroll", 8},
}};

inline constexpr std::array<buildlib::VocabularyEntry, 3> kLootTypes{{
    {"treasure", 0}, {"material", 1}, {"instruction", 2},
}};

// Names of loot items that the game treats specially ("Instruction Weapon"
// and so on), matched without case; held here in lower case.
inline constexpr std::array<buildlib::VocabularyEntry, 5> kLootKinds{{
    {"instruction weapon", 0}, {"instruction armor", 1}, {"instruction quick item", 2},
    {"prototype", 3}, {"rune", 4},
}};

// These lower-case *text and return its code (fallback when unknown).
int32_t WeaponTypeFromName(std::string* text);
int32_t ArmorTypeFromName(std::string* text);
int32_t QuickItemTypeFromName(std::string* text);
int32_t LootTypeFromName(std::string* text);
// Matches a copy; the damage kind's name is not kept.
int32_t DamageTypeFromName(const std::string& text);
// Matches without case; `name` is left as it is.
int32_t LootKindFromName(const std::string& name);

}  // namespace gearbake

#endif  // BAKE_GEARBAKE_ITEM_VOCABULARY_H_
