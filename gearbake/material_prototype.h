// MaterialPrototype: one material items are made of, as one element chunk of
// list 1 in items.idb. Materials share column names with the items ("General
// Price" and so on) but not their defaults: a missing price, weight, mana,
// durability, damage or absorption is -1.0 here.
//
// Element chunk layout (value chunk ids):
//   0 name (text, lower case)   1 materialType (text)   2 codeName (text)
//   3 index (int32: position in the list, from 0)
//   4 price  5 weight  6 mana (float32 each)   7 slots (int32)
//   8 durability (float32)   9 skill (int32)   10 damage (float32)
//   11 absorption (7 x float32, damage-kind order, as read)
//   12 crippledMask (uint32)   13 shopMask (uint32)
#ifndef BAKE_GEARBAKE_MATERIAL_PROTOTYPE_H_
#define BAKE_GEARBAKE_MATERIAL_PROTOTYPE_H_

#include <array>
#include <cstdint>
#include <string>

#include "buildlib/chunk_archive.h"
#include "buildlib/file_registry.h"
#include "buildlib/game_vocabulary.h"

namespace gearbake {

struct MaterialPrototype {
  std::string name;
  std::string materialType;
  std::string codeName;
  int32_t index = 0;
  float price = -1.0f;
  float weight = -1.0f;
  float mana = -1.0f;
  int32_t slots = 0;
  float durability = -1.0f;
  int32_t skill = 0;
  float damage = -1.0f;
  std::array<float, buildlib::kDamageKindCount> absorption{};
  uint32_t crippledMask = 0;
  uint32_t shopMask = 0;

  void Serialize(buildlib::ChunkArchive& archive);
};

// Fills a material from its row; `index` is its position in the list.
void ReadMaterial(const buildlib::CFileRegistry& registry,
                  const buildlib::CFileRegistry::Section& row, int32_t index,
                  MaterialPrototype* material);

}  // namespace gearbake

#endif  // BAKE_GEARBAKE_MATERIAL_PROTOTYPE_H_
