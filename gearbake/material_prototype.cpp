#include "gearbake/material_prototype.h"

#include "gearbake/item_columns.h"

namespace gearbake {

void MaterialPrototype::Serialize(buildlib::ChunkArchive& archive) {
  archive.SerializeString(0, name);
  archive.SerializeString(1, materialType);
  archive.SerializeString(2, codeName);
  archive.SerializeValue(3, index);
  archive.SerializeValue(4, price);
  archive.SerializeValue(5, weight);
  archive.SerializeValue(6, mana);
  archive.SerializeValue(7, slots);
  archive.SerializeValue(8, durability);
  archive.SerializeValue(9, skill);
  archive.SerializeValue(10, damage);
  archive.SerializeValue(11, absorption);
  archive.SerializeValue(12, crippledMask);
  archive.SerializeValue(13, shopMask);
}

void ReadMaterial(const buildlib::CFileRegistry& registry,
                  const buildlib::CFileRegistry::Section& row, int32_t index,
                  MaterialPrototype* material) {
  static const auto kAbsorptionColumns = DamageColumns("Absorption");

  material->name = buildlib::ToLowerAscii(registry.GetString(row, "Name", "none"));
  material->materialType = registry.GetString(row, "Material Type", "none");
  material->codeName = registry.GetString(row, "Material Code Name", "none");
  material->index = index;
  material->price = registry.GetFloat(row, "General Price", -1.0f);
  material->weight = registry.GetFloat(row, "General Weight", -1.0f);
  material->mana = registry.GetFloat(row, "General Mana", -1.0f);
  material->slots = registry.GetInt(row, "General Slots", 0);
  material->durability = registry.GetFloat(row, "General Durability", -1.0f);
  material->skill = registry.GetInt(row, "Material Skill", 0);
  material->damage = registry.GetFloat(row, "Material Damage", -1.0f);
  for (size_t kind = 0; kind < kAbsorptionColumns.size(); ++kind) {
    material->absorption[kind] = registry.GetFloat(row, kAbsorptionColumns[kind].c_str(), -1.0f);
  }
  material->crippledMask = ReadCrippledMask(registry, row, "Absorption Crippled");
  material->shopMask = ShopMask(registry, row);
}

}  // namespace gearbake
