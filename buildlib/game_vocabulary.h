// Facts of the game that several databases share, as data: the skill blocks,
// the terrain types and the damage kinds, and the way a table cell is matched
// against a closed vocabulary (lower-cased, then compared exactly, first match
// wins).
#ifndef BAKE_BUILDLIB_GAME_VOCABULARY_H_
#define BAKE_BUILDLIB_GAME_VOCABULARY_H_

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace buildlib {

struct VocabularyEntry {
  const char* text;  // lower case
  int32_t code;
};

// ASCII letters to lower case; every other byte unchanged.
std::string ToLowerAscii(std::string_view text);

// The code of the first entry whose text equals `lowered` exactly, else `fallback`.
int32_t LookupCode(std::span<const VocabularyEntry> vocabulary, std::string_view lowered,
                   int32_t fallback);

// The eight-skill block and the three-skill block, each in its fixed order;
// a skill's code is its position in its block.
inline constexpr std::array<VocabularyEntry, 8> kEightSkillBlock{{
    {"melee", 0}, {"archery", 1}, {"backstab", 2}, {"elemental", 3},
    {"sense", 4}, {"astral", 5}, {"stealth", 6}, {"awareness", 7},
}};
inline constexpr std::array<VocabularyEntry, 3> kThreeSkillBlock{{
    {"science", 0}, {"stealing", 1}, {"tame", 2},
}};

// The sixteen terrain types; the code is the index a terrain has in every
// per-terrain list.
inline constexpr int32_t kTerrainTypeCount = 16;
inline constexpr std::array<VocabularyEntry, kTerrainTypeCount> kTerrainTypes{{
    {"grass", 0}, {"ground", 1}, {"stone", 2}, {"sand", 3},
    {"rock", 4}, {"field", 5}, {"water", 6}, {"road", 7},
    {"undefined", 8}, {"snow", 9}, {"ice", 10}, {"drygrass", 11},
    {"snowballs", 12}, {"lava", 13}, {"swamp", 14}, {"highrock", 15},
}};

// The damage kinds in the order in which every seven-value block stores them.
inline constexpr int32_t kDamageKindCount = 7;
inline constexpr std::array<VocabularyEntry, kDamageKindCount> kDamageKinds{{
    {"piercing", 0}, {"slashing", 1}, {"bludgeoning", 2}, {"termal", 3},
    {"chemic", 4}, {"electric", 5}, {"general", 6},
}};

// The weapon types every database that names weapons shares; the code is the
// weapon's type index. Databases that know further kinds of attack add their
// own codes after these.
inline constexpr std::array<VocabularyEntry, 7> kWeaponTypes{{
    {"sword", 0}, {"axe", 1}, {"dagger", 2}, {"spear", 3},
    {"hammer", 4}, {"bow", 5}, {"crossbow", 6},
}};

}  // namespace buildlib

#endif  // BAKE_BUILDLIB_GAME_VOCABULARY_H_
