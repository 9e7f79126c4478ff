// ArmorPrototype: one piece of armour, as one element chunk of list 3 in
// items.idb.
//
// An armour has two protection blocks, "Main" and "Additional", each read from
// nine columns "<block> Absorption", "<block> Piercing" ... "<block> General",
// "<block> Crippled". Absorption is stored in tenths (x0.1), the seven damage
// kinds in percent (x0.01), each multiplied in single precision; a missing
// cell is -1.0 before scaling. The ninth value is the crippled mask.
//
// Element chunk layout: ItemPrototype's chunks 0-15, then
//   21 mainProtection (36 bytes: 8 x float32, then the crippled mask uint32)
//   22 additionalProtection (laid out the same way)
//   23 applyWounds (1 byte, 0 or 1)   24 wearOrder (int32)
//   25 threeSkills (3 x int8)   26 eightSkills (8 x int8)
#ifndef BAKE_GEARBAKE_ARMOR_PROTOTYPE_H_
#define BAKE_GEARBAKE_ARMOR_PROTOTYPE_H_

#include <array>
#include <cstdint>

#include "buildlib/chunk_archive.h"
#include "buildlib/file_registry.h"
#include "buildlib/game_vocabulary.h"
#include "gearbake/item_columns.h"
#include "gearbake/item_prototype.h"

namespace gearbake {

// Absorption, then the damage kinds, then the crippled mask: 36 bytes, no padding.
struct ProtectionBlock {
  float absorption = 0.0f;
  std::array<float, buildlib::kDamageKindCount> damage{};
  uint32_t crippledMask = 0;
};
static_assert(sizeof(ProtectionBlock) == 36, "a protection block is nine 4-byte values");

struct ArmorPrototype : ItemPrototype {
  ProtectionBlock mainProtection;
  ProtectionBlock additionalProtection;
  uint8_t applyWounds = 1;
  int32_t wearOrder = 0;
  SkillEntries skills;

  void Serialize(buildlib::ChunkArchive& archive);
};

// Fills an armour from its row; an unknown "Armor Type" is reported through
// ReportError and stored with type index kUnknownArmorType.
void ReadArmor(const buildlib::CFileRegistry& registry,
               const buildlib::CFileRegistry::Section& row, ArmorPrototype* armor);

}  // namespace gearbake

#endif  // BAKE_GEARBAKE_ARMOR_PROTOTYPE_H_
