#include "gearbake/item_database.h"

#include "buildlib/builder_frame.h"

namespace gearbake {

namespace {

// List chunk ids in items.idb.
constexpr uint8_t kMaterialsListId = 1;
constexpr uint8_t kWeaponsListId = 2;
constexpr uint8_t kArmorsListId = 3;
constexpr uint8_t kQuickItemsListId = 4;
constexpr uint8_t kQuestItemsListId = 5;
constexpr uint8_t kLootItemsListId = 6;

}  // namespace

bool ItemDatabase::BuildMaterials(const std::string& file_name) {
  // A material's index is its position in the list: the rows filled before it.
  int32_t filled = 0;
  return BuildItemList<MaterialPrototype>(
      "Building materials list:", file_name, &materials_,
      [&filled](const buildlib::CFileRegistry& registry,
                const buildlib::CFileRegistry::Section& row, MaterialPrototype* material) {
        ReadMaterial(registry, row, filled++, material);
      });
}

bool ItemDatabase::BuildWeapons(const std::string& file_name) {
  return BuildItemList<WeaponPrototype>("Building weapons list:", file_name, &weapons_,
                                        ReadWeapon);
}

bool ItemDatabase::BuildArmors(const std::string& file_name) {
  return BuildItemList<ArmorPrototype>("Building armors list:", file_name, &armors_, ReadArmor);
}

bool ItemDatabase::BuildQuickItems(const std::string& file_name) {
  return BuildItemList<QuickItemPrototype>("Building quick items list:", file_name,
                                           &quick_items_, ReadQuickItem);
}

bool ItemDatabase::BuildQuestItems(const std::string& file_name) {
  return BuildItemList<QuestItemPrototype>("Building quest items list:", file_name,
                                           &quest_items_, ReadQuestItem);
}

bool ItemDatabase::BuildLootItems(const std::string& file_name) {
  return BuildItemList<LootItemPrototype>("Building loot items list:", file_name, &loot_items_,
                                          ReadLootItem);
}

int ItemDatabase::Save(const std::string& output_directory) {
  return buildlib::SaveDatabase(output_directory, kItemsDatabase,
                                [this](buildlib::ChunkArchive& archive) {
                                  archive.SerializeList(kMaterialsListId, materials_);
                                  archive.SerializeList(kWeaponsListId, weapons_);
                                  archive.SerializeList(kArmorsListId, armors_);
                                  archive.SerializeList(kQuickItemsListId, quick_items_);
                                  archive.SerializeList(kQuestItemsListId, quest_items_);
                                  archive.SerializeList(kLootItemsListId, loot_items_);
                                });
}

}  // namespace gearbake
