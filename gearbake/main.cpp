// gearbake: compiles the six item tables into items.idb.
#include "buildlib/builder_frame.h"
#include "gearbake/item_database.h"

int main(int argc, char** argv) {
  static const buildlib::BuilderBanner kBanner = {
      "Items database builder.\n",
      {"Compiles the materials, weapons, armours, quick, quest and loot item tables\n",
       "from the current directory into items.idb.\n"},
      "gearbake",
  };
  gearbake::ItemDatabase database;
  return buildlib::RunBuilder(argc, argv, kBanner, database, [&] {
    database.BuildMaterials(gearbake::kMaterialsTable);
    database.BuildWeapons(gearbake::kWeaponsTable);
    database.BuildArmors(gearbake::kArmorsTable);
    database.BuildQuickItems(gearbake::kQuickItemsTable);
    database.BuildQuestItems(gearbake::kQuestItemsTable);
    database.BuildLootItems(gearbake::kLootItemsTable);
  });
}
