// QuestItemPrototype: one item bound to a script and to zones, as one element
// chunk of list 5 in items.idb. It has no type or material: typeName and
// materialName stay empty, typeIndex 0.
//
// Element chunk layout: ItemPrototype's chunks 0-15, then
//   21 scriptId (int32)
//   22 zones (a list chunk: one text chunk with id 1 per zone, in order;
//      present and empty when the item names no zone)
#ifndef BAKE_GEARBAKE_QUEST_ITEM_PROTOTYPE_H_
#define BAKE_GEARBAKE_QUEST_ITEM_PROTOTYPE_H_

#include <cstdint>
#include <string>
#include <vector>

#include "buildlib/chunk_archive.h"
#include "buildlib/file_registry.h"
#include "gearbake/item_prototype.h"

namespace gearbake {

struct QuestItemPrototype : ItemPrototype {
  int32_t scriptId = 0;
  std::vector<std::string> zones;

  void Serialize(buildlib::ChunkArchive& archive);
};

void ReadQuestItem(const buildlib::CFileRegistry& registry,
                   const buildlib::CFileRegistry::Section& row, QuestItemPrototype* item);

}  // namespace gearbake

#endif  // BAKE_GEARBAKE_QUEST_ITEM_PROTOTYPE_H_
