// WeaponPrototype: one weapon, as one element chunk of list 2 in items.idb.
//
// Damage figures are stored scaled: the damage cells are in tenths (x0.1),
// the damage proportions in percent (x0.01), each multiplied in single
// precision. damageSpread is max - min of the two stored singles, so a
// weapon without either cell has damageMin -0.1 and damageSpread 0.0.
// The "Lists" column holds skill entries plus two weapon entries, "attack"
// and "defence", read as decimal reals.
//
// Element chunk layout: ItemPrototype's chunks 0-15, then
//   21 actions (int32)   22 two int32, both 0   23 range (float32)
//   24 damageMin (float32)   25 damageSpread (float32)
//   26 damageProportions (7 x float32, damage-kind order)
//   27 threeSkills (3 x int8)   28 eightSkills (8 x int8)
//   29 attack (float32)   30 defence (float32)
#ifndef BAKE_GEARBAKE_WEAPON_PROTOTYPE_H_
#define BAKE_GEARBAKE_WEAPON_PROTOTYPE_H_

#include <array>
#include <cstdint>

#include "buildlib/chunk_archive.h"
#include "buildlib/file_registry.h"
#include "buildlib/game_vocabulary.h"
#include "gearbake/item_columns.h"
#include "gearbake/item_prototype.h"

namespace gearbake {

struct WeaponPrototype : ItemPrototype {
  int32_t actions = 0;
  std::array<int32_t, 2> value22{};  // no column fills it
  SkillEntries skills;
  float attack = 0.0f;
  float defence = 0.0f;
  float range = -1.0f;
  float damageMin = 0.0f;
  float damageSpread = 0.0f;
  std::array<float, buildlib::kDamageKindCount> damageProportions{};

  void Serialize(buildlib::ChunkArchive& archive);
};

// Fills a weapon from its row; an unknown "Weapon Type" is reported through
// ReportError and stored with type index kUnknownWeaponType.
void ReadWeapon(const buildlib::CFileRegistry& registry,
                const buildlib::CFileRegistry::Section& row, WeaponPrototype* weapon);

}  // namespace gearbake

#endif  // BAKE_GEARBAKE_WEAPON_PROTOTYPE_H_
