// Column conventions that several item tables share: the shop mask, the
// crippled-part mask and the skill entries of the "Lists" column, plus the
// seven per-damage-kind column names.
//
// Shop mask: the integer columns "Available In Shop 1" to "5"; each value,
// shifted left by (shop number - 1), is OR-ed into the mask. Values are not
// reduced to 0 or 1, so a 3 in shop 1 means shops 1 and 2.
//
// Crippled mask: a list of texts, each a body-part number n read as a leading
// integer; bit (n AND 31) is set for each, so 35 sets the same bit as 3.
//
// Skill entries: each element of "Lists" is "<skill> <value>", cut at its
// first space, both halves trimmed. The skill is matched without case against
// the eight-skill block, then the three-skill block; the value's low 8 bits
// are stored as a signed byte. Entries apply in list order (a later one for
// the same skill wins); an element without a space is ignored, and one whose
// name is no skill goes to the caller's handler, if any (weapons take their
// "attack" and "defence" bonuses from there).
#ifndef BAKE_GEARBAKE_ITEM_COLUMNS_H_
#define BAKE_GEARBAKE_ITEM_COLUMNS_H_

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "buildlib/file_registry.h"
#include "buildlib/game_vocabulary.h"

namespace gearbake {

// The eleven skill slots an item carries, in the order of the skill blocks.
struct SkillEntries {
  std::array<int8_t, 3> threeSkills{};  // science, stealing, tame
  std::array<int8_t, 8> eightSkills{};  // melee ... awareness
};

// Receives an entry whose name is no skill: its trimmed name and value text.
using OtherSkillEntry = std::function<void(std::string_view name, std::string_view value)>;

// The column-name endings of the seven damage kinds, in the order every
// seven-value block stores them (buildlib::kDamageKinds).
inline constexpr std::array<const char*, buildlib::kDamageKindCount> kDamageColumnNames{
    "Piercing", "Slashing", "Bludgeoning", "Termal", "Chemic", "Electric", "General",
};

// "<prefix> Piercing" ... "<prefix> General".
std::array<std::string, buildlib::kDamageKindCount> DamageColumns(const std::string& prefix);

uint32_t ShopMask(const buildlib::CFileRegistry& registry,
                  const buildlib::CFileRegistry::Section& row);

uint32_t CrippledMask(const std::vector<std::string>& parts);
// The crippled mask of a list-of-texts column; a missing cell gives 0.
uint32_t ReadCrippledMask(const buildlib::CFileRegistry& registry,
                          const buildlib::CFileRegistry::Section& row, const char* key);

// Applies `entries` over the slots already in `skills`.
void ApplySkillEntries(const std::vector<std::string>& entries, SkillEntries* skills,
                       const OtherSkillEntry& other = nullptr);
// Clears the eleven slots and applies the entries of the row's "Lists" column.
void ReadSkillEntries(const buildlib::CFileRegistry& registry,
                      const buildlib::CFileRegistry::Section& row, SkillEntries* skills,
                      const OtherSkillEntry& other = nullptr);

}  // namespace gearbake

#endif  // BAKE_GEARBAKE_ITEM_COLUMNS_H_
