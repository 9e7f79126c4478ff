#include "gearbake/quick_item_prototype.h"

#include "gearbake/item_vocabulary.h"

namespace gearbake {

void QuickItemPrototype::Serialize(buildlib::ChunkArchive& archive) {
  SerializeItem(archive);
  archive.SerializeValue(21, quickItemType);
  archive.SerializeValue(22, skill);
  archive.SerializeValue(23, damage);
  archive.SerializeValue(24, damageType);
  archive.SerializeString(25, spell);
  archive.SerializeValue(26, skills.threeSkills);
  archive.SerializeValue(27, skills.eightSkills);
}

void ReadQuickItem(const buildlib::CFileRegistry& registry,
                   const buildlib::CFileRegistry::Section& row, QuickItemPrototype* item) {
  ReadItemPrototype(registry, row, item);
  item->typeName = registry.GetString(row, "Quick Items Type", "none");
  item->materialName = registry.GetString(row, "Quick Items Material Type", "none");
  item->quickItemType = QuickItemTypeFromName(&item->typeName);
  item->skill = registry.GetInt(row, "Quick Items Skill", 0);
  item->damage = registry.GetFloat(row, "Quick Items Damage", 0.0f);
  item->damageType =
      DamageTypeFromName(registry.GetString(row, "Quick Items Damage Type", "piercing"));
  item->spell = registry.GetString(row, "Quick Items Spell", "");
  ReadSkillEntries(registry, row, &item->skills);
}

}  // namespace gearbake
