// trailbake: compiles the blood, foot and fire prints tables into prints.db.
#include "buildlib/builder_frame.h"
#include "trailbake/prints_database.h"

int main(int argc, char** argv) {
  static const buildlib::BuilderBanner kBanner = {
      "Terrain Prints database builder.\n",
      {"Compiles BloodPrints.txt, FootPrints.txt and FirePrints.txt from the current directory\n",
       "into prints.db, one entry per terrain type in each list.\n"},
      "trailbake",
  };
  trailbake::PrintsDatabase database;
  return buildlib::RunBuilder(argc, argv, kBanner, database, [&] {
    database.BuildBloodPrints(trailbake::kBloodPrintsTable);
    database.BuildFootPrints(trailbake::kFootPrintsTable);
    database.BuildFirePrints(trailbake::kFirePrintsTable);
  });
}
