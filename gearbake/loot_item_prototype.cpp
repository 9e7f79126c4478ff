#include "gearbake/loot_item_prototype.h"

#include "gearbake/item_vocabulary.h"

namespace gearbake {

namespace {

// Subtracted from "Loot Material": the table numbers loot materials 3 higher.
constexpr uint32_t kLootMaterialBase = 3;

}  // namespace

void LootItemPrototype::Serialize(buildlib::ChunkArchive& archive) {
  SerializeItem(archive);
  archive.SerializeValue(21, lootType);
  archive.SerializeValue(22, lootKind);
  archive.SerializeValue(23, lootMaterial);
}

void ReadLootItem(const buildlib::CFileRegistry& registry,
                  const buildlib::CFileRegistry::Section& row, LootItemPrototype* item) {
  ReadItemPrototype(registry, row, item);
  item->materialName = registry.GetString(row, "Loot Scrap Material", "");
  item->typeName = registry.GetString(row, "Loot Type", "none");
  // Wraps around in 32 bits, so the smallest integer does not overflow.
  item->lootMaterial = static_cast<int32_t>(
      static_cast<uint32_t>(registry.GetInt(row, "Loot Material", 0)) - kLootMaterialBase);
  item->lootType = LootTypeFromName(&item->typeName);
  item->lootKind = LootKindFromName(item->name);
}

}  // namespace gearbake
