// End-to-end tests: the real journalbake run on tables in a temporary directory.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>
#include <vector>

#include "directtable/test_chunks.h"
#include "testsupport/test_support.h"

namespace {

using namespace std::string_literals;
using directtable::testing::ListRecords;
using testsupport::Bytes;
using testsupport::FileExists;
using testsupport::Hex;
using testsupport::ReadFile;
using testsupport::RunResult;

constexpr char kBriefingHeader[] = "Mission\tStartX\tStartY\tChapter\tText\tTimeLimit\n";
constexpr char kQuestHeader[] =
    "Quest\tReward\tExperience\tItems\tText\tGivers\tTargets\tZones\tNext\tFailures\tFlags\n";

// Both tables of a run in a fresh directory with an empty output folder "out".
class QuestRun {
 public:
  QuestRun() {
    ::mkdir(dir_.File("out").c_str(), 0755);
    SetRaw("Briefing.txt", kBriefingHeader);
    SetRaw("Quests.txt", kQuestHeader);
  }
  void SetRaw(const std::string& table, const std::string& bytes) { testsupport::WriteFile(dir_.File(table), bytes); }
  void Remove(const std::string& table) { ::unlink(dir_.File(table).c_str()); }
  RunResult Bake(const std::vector<std::string>& args = {"out"}) {
    return testsupport::Run(testsupport::ProgramPath("journalbake"), args, dir_.path());
  }
  std::string File(const std::string& name) const { return dir_.File(name); }
  std::string Database() const { return ReadFile(dir_.File("out/quests.qdb")); }

 private:
  testsupport::TempDir dir_;
};

TEST(JournalbakeTest, OneBriefingGivesThe58ByteDatabase) {
  QuestRun run;
  run.SetRaw("Briefing.txt", std::string(kBriefingHeader) + "B\t1.5\t2\t3\tt\t4.25\n");
  RunResult result = run.Bake();
  EXPECT_EQ(result.exit_status, 0) << result.out << result.err;
  EXPECT_EQ(result.out, "\nBuilding Briefing.txt:.\nBuilding Quests.txt:\nSaving database.\n");
  EXPECT_EQ(Hex(run.Database()),
            Hex(Bytes("01 5C 01 54 01 50 00 04 42 00 01 08 00 00 C0 3F 02 08 00 00 00 40 03 08 03 00 00 00 "
                      "04 04 74 00 05 08 00 00 88 40 06 08 01 00 00 00 07 00 02 00 00 00 02 0C 02 08 01 00 00 00")));
  EXPECT_EQ(ReadFile(run.File("tempreg.reg")), "");
}

TEST(JournalbakeTest, HeaderOnlyTablesGiveEmptyLists) {
  QuestRun run;
  RunResult result = run.Bake({"out\\"});
  EXPECT_EQ(result.exit_status, 0);
  EXPECT_EQ(Hex(run.Database()), Hex(Bytes("01 08 01 00 02 00 00 00 02 0C 02 08 01 00 00 00")));
}

TEST(JournalbakeTest, BriefingRecordsWithIndexAndDefaults) {
  QuestRun run;
  run.SetRaw("Briefing.txt", std::string(kBriefingHeader) +
                                 "Ambush\t-2.5\t1e1\t7x\tThe road is watched.\t60\textra\tcells\r\n"
                                 "\r\n"
                                 "OnlyName\r\n"
                                 "\t1\t2\t3\tignored\t4\r\n");
  RunResult result = run.Bake();
  ASSERT_EQ(result.exit_status, 0);
  EXPECT_EQ(result.out, "\nBuilding Briefing.txt:...\nBuilding Quests.txt:\nSaving database.\n");
  std::vector<std::string> briefings = ListRecords(run.Database(), 1);
  ASSERT_EQ(briefings.size(), 3u);
  EXPECT_EQ(Hex(briefings[0]), Hex(Bytes("00 0E 41 6D 62 75 73 68 00  01 08 00 00 20 C0  02 08 00 00 20 41"
                                         "03 08 07 00 00 00  04 2A") +
                                   "The road is watched." + Bytes("00  05 08 00 00 70 42  06 08 01 00 00 00  07 00")));
  const std::string defaults = Bytes("01 08 00 00 00 00  02 08 00 00 00 00  03 08 00 00 00 00  04 02 00"
                                     "05 08 00 00 00 00");
  EXPECT_EQ(Hex(briefings[1]), Hex(Bytes("00 12") + "OnlyName" + Bytes("00") + defaults +
                                   Bytes("06 08 02 00 00 00  07 00")));
  EXPECT_EQ(Hex(briefings[2]), Hex(Bytes("00 02 00") + defaults + Bytes("06 08 03 00 00 00  07 00")));
}

TEST(JournalbakeTest, QuestRecordFromEveryKindOfCell) {
  QuestRun run;
  run.SetRaw("Quests.txt", std::string(kQuestHeader) +
                               "Q\t2.7\t-3\tRing,Sword\tFind it\t\ta, b\t,x\tp,\t\t42\textra\n"
                               "Short\t5\n");
  RunResult result = run.Bake();
  ASSERT_EQ(result.exit_status, 0);
  EXPECT_EQ(result.out, "\nBuilding Briefing.txt:\nBuilding Quests.txt:..\nSaving database.\n");
  std::vector<std::string> quests = ListRecords(run.Database(), 2);
  ASSERT_EQ(quests.size(), 2u);
  EXPECT_EQ(Hex(quests[0]), Hex(Bytes("00 04 51 00  01 08 00 00 00 40  02 08 00 00 40 C0"
                                      "03 1E 01 0A 52 69 6E 67 00 01 0C 53 77 6F 72 64 00"
                                      "04 10 46 69 6E 64 20 69 74 00  05 00"
                                      "06 12 01 04 61 00 01 06 20 62 00  07 0A 01 06 2C 78 00"
                                      "08 0E 01 04 70 00 01 02 00  09 00  0A 08 2A 00 00 00")));
  EXPECT_EQ(Hex(quests[1]), Hex(Bytes("00 0C 53 68 6F 72 74 00  01 08 00 00 A0 40  02 08 00 00 00 00"
                                      "03 00  04 02 00  05 00 06 00 07 00 08 00 09 00  0A 08 00 00 00 00")));
}

TEST(JournalbakeTest, MissingOrEmptyInputsReportedInCheckingOrder) {
  struct Case {
    std::vector<std::string> missing;
    std::vector<std::string> empty;
    const char* reported;
  } cases[] = {
      {{"Quests.txt"}, {}, "Quests.txt"},
      {{"Briefing.txt", "Quests.txt"}, {}, "Briefing.txt"},
      {{"Quests.txt"}, {"Briefing.txt"}, "Briefing.txt"},
  };
  for (const Case& c : cases) {
    QuestRun run;
    for (const std::string& table : c.missing) run.Remove(table);
    for (const std::string& table : c.empty) run.SetRaw(table, "");
    RunResult result = run.Bake();
    EXPECT_EQ(result.exit_status, 0);
    EXPECT_EQ(result.out, std::string("Can't open file: ") + c.reported + "\n");
    EXPECT_FALSE(FileExists(run.File("out/quests.qdb")));
    EXPECT_FALSE(FileExists(run.File("tempreg.reg")));
  }
}

TEST(JournalbakeTest, CommandLineMistakesAndUnwritableOutput) {
  const std::string banner =
      "Quests database builder.\n"
      "  Part of the bake toolkit, which compiles the game's design tables.\n"
      "  Reads its tables from the current directory by their fixed names.\n"
      "        Usage:\n"
      "          journalbake <output path>\n";
  QuestRun run;
  for (const std::vector<std::string>& args : {std::vector<std::string>{}, std::vector<std::string>{"out", "x"}}) {
    RunResult wrong_count = run.Bake(args);
    EXPECT_EQ(wrong_count.exit_status, 0);
    EXPECT_EQ(wrong_count.out, banner);
    EXPECT_FALSE(FileExists(run.File("out/quests.qdb")));
  }
  RunResult empty = run.Bake({""});
  EXPECT_EQ(empty.exit_status, 1);
  EXPECT_EQ(empty.out, banner);
  EXPECT_EQ(empty.err, "The output path is empty: name the directory that is to receive quests.qdb.\n");
  EXPECT_FALSE(FileExists(run.File("tempreg.reg")));

  testsupport::WriteFile(run.File("out/quests.qdb"), "previous");
  ::chmod(run.File("out").c_str(), 0555);
  RunResult locked = run.Bake();
  ::chmod(run.File("out").c_str(), 0755);
  if (::geteuid() != 0) {  // root writes anyway
    EXPECT_EQ(locked.exit_status, 1);
    EXPECT_EQ(locked.out, "\nBuilding Briefing.txt:\nBuilding Quests.txt:\nSaving database.\n"
                          "Could not open source file: Permission denied\n");
    EXPECT_EQ(ReadFile(run.File("out/quests.qdb")), "previous");
  }
  EXPECT_TRUE(FileExists(run.File("tempreg.reg")));
  EXPECT_EQ(testsupport::ListDir(run.File("out")).size(), 1u);
}

TEST(JournalbakeTest, HostileTablesNeverCrash) {
  const std::string noise = testsupport::RandomBytes(50000, 7);
  std::string page = std::string(kQuestHeader) + "Q\t1\t2\ta,b\tt\t\t\t\t\t\t";
  page += std::string(4096 - page.size(), '7');
  struct Case {
    const char* table;
    std::string bytes;
  } cases[] = {
      {"Briefing.txt", noise},
      {"Quests.txt", noise},
      {"Quests.txt", std::string(kQuestHeader) + "Q\t1\t2\t" + std::string(1 << 20, ',')},
      {"Briefing.txt", std::string(kBriefingHeader) + "B\t" + std::string(1 << 20, '9')},
      {"Quests.txt", page},
  };
  for (const Case& c : cases) {
    QuestRun run;
    run.SetRaw(c.table, c.bytes);
    RunResult result = run.Bake();
    EXPECT_FALSE(result.signaled) << c.table;
    EXPECT_EQ(result.err, "");  // a sanitizer report lands here
    EXPECT_TRUE(result.exit_status == 0 || result.exit_status == 1) << result.exit_status;
  }
}

TEST(JournalbakeTest, AZeroByteEndsItsLinesTextAndTheRunGoesOn) {
  QuestRun run;
  run.SetRaw("Briefing.txt", kBriefingHeader + "B\t1.5\0\t2\n\0X\t9\nC\t2\n"s);
  run.SetRaw("Quests.txt", kQuestHeader + "Q\t1\t2\tRing,Sw\0ord,Axe\t7\nR\t3\n"s);
  RunResult result = run.Bake();
  ASSERT_EQ(result.exit_status, 0) << result.out;
  EXPECT_EQ(result.out, "\nBuilding Briefing.txt:...\nBuilding Quests.txt:..\nSaving database.\n");
  std::vector<std::string> briefings = ListRecords(run.Database(), 1);
  ASSERT_EQ(briefings.size(), 3u);
  const std::string defaults = Bytes("02 08 00 00 00 00  03 08 00 00 00 00  04 02 00  05 08 00 00 00 00");
  EXPECT_EQ(Hex(briefings[0]), Hex(Bytes("00 04 42 00  01 08 00 00 C0 3F") + defaults + Bytes("06 08 01 00 00 00  07 00")));
  EXPECT_EQ(Hex(briefings[1]), Hex(Bytes("00 02 00  01 08 00 00 00 00") + defaults + Bytes("06 08 02 00 00 00  07 00")));
  EXPECT_EQ(Hex(briefings[2]), Hex(Bytes("00 04 43 00  01 08 00 00 00 40") + defaults + Bytes("06 08 03 00 00 00  07 00")));
  std::vector<std::string> quests = ListRecords(run.Database(), 2);
  ASSERT_EQ(quests.size(), 2u);
  EXPECT_EQ(Hex(quests[0]), Hex(Bytes("00 04 51 00  01 08 00 00 80 3F  02 08 00 00 00 40"
                                      "03 18 01 0A 52 69 6E 67 00 01 06 53 77 00"
                                      "04 02 00  05 00 06 00 07 00 08 00 09 00  0A 08 00 00 00 00")));
  EXPECT_EQ(Hex(quests[1].substr(0, 10)), Hex(Bytes("00 04 52 00  01 08 00 00 40 40")));
}

}  // namespace
