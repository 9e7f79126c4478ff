// ItemDatabase: builds items.idb from the six item tables of the current
// directory, each with a two-row header (column groups above their columns).
//
// items.idb holds six lists, in this order and with these list chunk ids:
//   1 materials ("Materials.txt")     2 weapons ("Weapons.txt")
//   3 armours ("Armors.txt")          4 quick items ("QuickItems.txt")
//   5 quest items ("QuestItems.txt")  6 loot items ("LootItems.txt")
// Each list holds one element chunk per row, in row order. A table that
// cannot be read leaves its list empty; the database is still written.
#ifndef BAKE_GEARBAKE_ITEM_DATABASE_H_
#define BAKE_GEARBAKE_ITEM_DATABASE_H_

#include <functional>
#include <string>
#include <vector>

#include "buildlib/table_file.h"
#include "gearbake/armor_prototype.h"
#include "gearbake/loot_item_prototype.h"
#include "gearbake/material_prototype.h"
#include "gearbake/quest_item_prototype.h"
#include "gearbake/quick_item_prototype.h"
#include "gearbake/weapon_prototype.h"

namespace gearbake {

inline constexpr char kMaterialsTable[] = "Materials.txt";
inline constexpr char kWeaponsTable[] = "Weapons.txt";
inline constexpr char kArmorsTable[] = "Armors.txt";
inline constexpr char kQuickItemsTable[] = "QuickItems.txt";
inline constexpr char kQuestItemsTable[] = "QuestItems.txt";
inline constexpr char kLootItemsTable[] = "LootItems.txt";
inline constexpr char kItemsDatabase[] = "items.idb";

class ItemDatabase : public buildlib::TableFile {
 public:
  // Each is true when the table was read; false leaves its list as it was.
  bool BuildMaterials(const std::string& file_name);
  bool BuildWeapons(const std::string& file_name);
  bool BuildArmors(const std::string& file_name);
  bool BuildQuickItems(const std::string& file_name);
  bool BuildQuestItems(const std::string& file_name);
  bool BuildLootItems(const std::string& file_name);
  int Save(const std::string& output_directory) override;

  const std::vector<MaterialPrototype>& materials() const { return materials_; }
  const std::vector<WeaponPrototype>& weapons() const { return weapons_; }
  const std::vector<ArmorPrototype>& armors() const { return armors_; }
  const std::vector<QuickItemPrototype>& quick_items() const { return quick_items_; }
  const std::vector<QuestItemPrototype>& quest_items() const { return quest_items_; }
  const std::vector<LootItemPrototype>& loot_items() const { return loot_items_; }

 private:
  // The loop all six tables share: two-row header, one record per row.
  template <class Record>
  bool BuildItemList(const char* title, const std::string& file_name, std::vector<Record>* list,
                     const std::function<void(const buildlib::CFileRegistry&,
                                              const buildlib::CFileRegistry::Section&, Record*)>&
                         read) {
    return BuildList<Record>(title, file_name, buildlib::HeaderKind::kTwoRow, list, read) != 0;
  }

  std::vector<MaterialPrototype> materials_;
  std::vector<WeaponPrototype> weapons_;
  std::vector<ArmorPrototype> armors_;
  std::vector<QuickItemPrototype> quick_items_;
  std::vector<QuestItemPrototype> quest_items_;
  std::vector<LootItemPrototype> loot_items_;
};

}  // namespace gearbake

#endif  // BAKE_GEARBAKE_ITEM_DATABASE_H_
