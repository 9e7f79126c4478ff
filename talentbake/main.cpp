// talentbake: compiles the skills and perks tables into perks.pdb.
#include "buildlib/builder_frame.h"
#include "talentbake/perks_database.h"

int main(int argc, char** argv) {
  static const buildlib::BuilderBanner kBanner = {
      "Perks/skills database builder.\n",
      {"Compiles Skills.txt and Perks.txt from the current directory into perks.pdb.\n",
       "Skills and perks keep the row order of their tables.\n"},
      "talentbake",
  };
  talentbake::PerksDatabase database;
  return buildlib::RunBuilder(argc, argv, kBanner, database, [&] {
    database.BuildSkills(talentbake::kSkillsTable);
    database.BuildPerks(talentbake::kPerksTable);
  });
}
