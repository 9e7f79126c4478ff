// switchbake: compiles the lever prototypes table into levers.ldb.
#include "buildlib/builder_frame.h"
#include "switchbake/lever_database.h"

int main(int argc, char** argv) {
  static const buildlib::BuilderBanner kBanner = {
      "Levers database builder.\n",
      {"Compiles LeverPrototypes.txt from the current directory into levers.ldb.\n"},
      "switchbake",
  };
  switchbake::LeverDatabase database;
  return buildlib::RunBuilder(argc, argv, kBanner, database,
                              [&] { database.BuildLevers(switchbake::kLeversTable); });
}
