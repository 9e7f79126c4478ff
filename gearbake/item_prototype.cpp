#include "gearbake/item_prototype.h"

#include "buildlib/game_vocabulary.h"
#include "gearbake/item_columns.h"

namespace gearbake {

void ItemPrototype::SerializeItem(buildlib::ChunkArchive& archive) {
  archive.SerializeString(0, name);
  archive.SerializeString(1, typeName);
  archive.SerializeValue(2, typeIndex);
  archive.SerializeString(3, materialName);
  archive.SerializeValue(4, value4);
  archive.SerializeValue(5, textureTypeIndex);
  archive.SerializeValue(6, textureTypeIndex2);
  archive.SerializeValue(7, price);
  archive.SerializeValue(8, weight);
  archive.SerializeValue(9, size);
  archive.SerializeValue(10, mana);
  archive.SerializeValue(11, slots);
  archive.SerializeValue(12, durability);
  archive.SerializeValue(13, components);
  archive.SerializeValue(14, shopMask);
  archive.SerializeValue(15, deconstructable);
}

void ReadItemPrototype(const buildlib::CFileRegistry& registry,
                       const buildlib::CFileRegistry::Section& row, ItemPrototype* item) {
  item->name = buildlib::ToLowerAscii(registry.GetString(row, "Name", "none"));
  item->textureTypeIndex = registry.GetInt(row, "Graphics Data Texture Type Index", -1);
  item->textureTypeIndex2 = registry.GetInt(row, "Graphics Data Texture Type Index 2", -1);
  item->price = registry.GetFloat(row, "General Price", 1.0f);
  item->weight = registry.GetFloat(row, "General Weight", 1.0f);
  item->size = registry.GetFloat(row, "General Size", 1.0f);
  item->mana = registry.GetFloat(row, "General Mana", 0.0f);
  item->slots = registry.GetInt(row, "General Slots", 0);
  item->durability = registry.GetFloat(row, "General Durability", 1.0f);
  item->components = registry.GetInt(row, "General Components", 1);
  item->shopMask = ShopMask(registry, row);
  item->deconstructable = registry.GetInt(row, "General Deconstructable", 0) != 0 ? 1 : 0;
}

}  // namespace gearbake
