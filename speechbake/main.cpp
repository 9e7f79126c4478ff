// speechbake: compiles the speech-line tables of heroes, units and NPCs into
// acks.db. Usage: speechbake <output path>
#include "directtable/program_frame.h"
#include "speechbake/ack_database.h"

namespace {

// The order in which missing tables are looked for (and reported).
constexpr const char* kCheckOrder[] = {
    "HeroAcks.txt", "HeroBored.txt", "HeroNotifies.txt", "HeroRefuses.txt",
    "NPCs.txt",     "UnitPrototypes.txt", "UnitRaces.txt", "Scenario.txt",
};

// The order in which the tables are parsed, which is the order of the lines
// within each speaker's situations.
constexpr directtable::TableStep kBuildOrder[] = {
    {"HeroAcks.txt", speechbake::kHeroTable},
    {"HeroBored.txt", speechbake::kHeroBoredTable},
    {"HeroNotifies.txt", speechbake::kHeroTable},
    {"HeroRefuses.txt", speechbake::kHeroTable},
    {"Scenario.txt", speechbake::kHeroTable},
    {"UnitPrototypes.txt", speechbake::kUnitTable},
    {"UnitRaces.txt", speechbake::kUnitTable},
    {"NPCs.txt", speechbake::kNpcTable},
};

constexpr directtable::ProgramInfo kProgram = {
    .title = "Acks database builder.",
    .program_name = "speechbake",
    .database_file = "acks.db",
    .check_order = kCheckOrder,
    .build_order = kBuildOrder,
};

}  // namespace

int main(int argc, char** argv) {
  speechbake::AckDatabase database;
  return directtable::RunProgram(argc, argv, kProgram, &database);
}
