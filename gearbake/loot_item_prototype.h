// LootItemPrototype: one piece of loot (treasure, material, instruction), as
// one element chunk of list 6 in items.idb.
//
// "Loot Material" is stored minus 3, the offset between the table's numbers
// and the game's. lootKind comes from the item's own name: a few names
// ("Instruction Weapon", "Rune"...) mark loot the game treats specially.
// Unknown loot types and kinds are kNoSuchKind, without a message.
//
// Element chunk layout: ItemPrototype's chunks 0-15, then
//   21 lootType (int32)   22 lootKind (int32)   23 lootMaterial (int32)
#ifndef BAKE_GEARBAKE_LOOT_ITEM_PROTOTYPE_H_
#define BAKE_GEARBAKE_LOOT_ITEM_PROTOTYPE_H_

#include <cstdint>

#include "buildlib/chunk_archive.h"
#include "buildlib/file_registry.h"
#include "gearbake/item_prototype.h"

namespace gearbake {

struct LootItemPrototype : ItemPrototype {
  int32_t lootType = 0;
  int32_t lootKind = 0;
  int32_t lootMaterial = 0;

  void Serialize(buildlib::ChunkArchive& archive);
};

void ReadLootItem(const buildlib::CFileRegistry& registry,
                  const buildlib::CFileRegistry::Section& row, LootItemPrototype* item);

}  // namespace gearbake

#endif  // BAKE_GEARBAKE_LOOT_ITEM_PROTOTYPE_H_
