#include "gearbake/quest_item_prototype.h"

namespace gearbake {

void QuestItemPrototype::Serialize(buildlib::ChunkArchive& archive) {
  SerializeItem(archive);
  archive.SerializeValue(21, scriptId);
  archive.SerializeStringList(22, zones);
}

void ReadQuestItem(const buildlib::CFileRegistry& registry,
                   const buildlib::CFileRegistry::Section& row, QuestItemPrototype* item) {
  ReadItemPrototype(registry, row, item);
  item->scriptId = registry.GetInt(row, "Quest Items ScriptID", 0);
  registry.GetStringList(row, "Quest Items Zones", &item->zones);
}

}  // namespace gearbake
