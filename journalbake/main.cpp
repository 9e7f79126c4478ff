// journalbake: compiles the mission briefings and quests tables into
// quests.qdb. Usage: journalbake <output path>
#include "directtable/program_frame.h"
#include "journalbake/quest_database.h"

namespace {

// The order in which missing tables are looked for (and reported).
constexpr const char* kCheckOrder[] = {"Briefing.txt", "Quests.txt"};

// The order in which the tables are parsed.
constexpr directtable::TableStep kBuildOrder[] = {
    {"Briefing.txt", journalbake::kBriefingTable},
    {"Quests.txt", journalbake::kQuestTable},
};

constexpr directtable::ProgramInfo kProgram = {
    .title = "Quests database builder.",
    .program_name = "journalbake",
    .database_file = "quests.qdb",
    .check_order = kCheckOrder,
    .build_order = kBuildOrder,
};

}  // namespace

int main(int argc, char** argv) {
  journalbake::QuestDatabase database;
  return directtable::RunProgram(argc, argv, kProgram, &database);
}
