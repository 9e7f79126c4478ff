// ItemPrototype: the part every item record (weapon, armour, quick item,
// quest item, loot item) shares, read from the same columns in every item
// table and written as the first sixteen value chunks of its element chunk.
//
// Value chunks (ids 0-15; each kind's own chunks follow from id 21 on):
//   0 name (text, lower case)   1 typeName (text)   2 typeIndex (int32)
//   3 materialName (text)       4 value4 (int32, always 0)
//   5 textureTypeIndex (int32)  6 textureTypeIndex2 (int32)
//   7 price  8 weight  9 size  10 mana (float32 each)   11 slots (int32)
//   12 durability (float32)     13 components (int32)   14 shopMask (uint32)
//   15 deconstructable (1 byte, 0 or 1)
// The kind fills typeName, typeIndex and materialName itself; typeIndex stays
// 0 for quick, quest and loot items, and no column fills value 4.
#ifndef BAKE_GEARBAKE_ITEM_PROTOTYPE_H_
#define BAKE_GEARBAKE_ITEM_PROTOTYPE_H_

#include <cstdint>
#include <string>

#include "buildlib/chunk_archive.h"
#include "buildlib/file_registry.h"

namespace gearbake {

// Value chunk ids from which each item kind numbers its own fields.
inline constexpr uint8_t kFirstKindChunkId = 21;

struct ItemPrototype {
  std::string name;
  std::string typeName;
  int32_t typeIndex = 0;
  std::string materialName;
  int32_t value4 = 0;
  int32_t textureTypeIndex = -1;
  int32_t textureTypeIndex2 = -1;
  float price = 1.0f;
  float weight = 1.0f;
  float size = 1.0f;
  float mana = 0.0f;
  int32_t slots = 0;
  float durability = 1.0f;
  int32_t components = 1;
  uint32_t shopMask = 0;
  uint8_t deconstructable = 0;

  // Value chunks 0-15.
  void SerializeItem(buildlib::ChunkArchive& archive);
};

// Fills every shared field but typeName, typeIndex, materialName and value4.
void ReadItemPrototype(const buildlib::CFileRegistry& registry,
                       const buildlib::CFileRegistry::Section& row, ItemPrototype* item);

}  // namespace gearbake

#endif  // BAKE_GEARBAKE_ITEM_PROTOTYPE_H_
