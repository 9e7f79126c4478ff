// End-to-end tests: the real speechbake run on tables in a temporary directory.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "directtable/test_chunks.h"
#include "testsupport/test_support.h"

namespace {

using namespace std::string_literals;
using directtable::testing::Chunk;
using directtable::testing::Chunks;
using directtable::testing::Find;
using directtable::testing::ListRecords;
using directtable::testing::Text;
using testsupport::Bytes;
using testsupport::FileExists;
using testsupport::Hex;
using testsupport::ReadFile;
using testsupport::RunResult;

constexpr char kHeader[] = "Name\tSituation\tSound\tWeight\tSubtitle\tAnimation\n";
// HeroBored.txt carries one note line before its header.
constexpr char kBoredNote[] = "Lines heroes mutter while idle\n";

const char* const kTables[] = {"HeroAcks.txt",       "HeroBored.txt", "HeroNotifies.txt", "HeroRefuses.txt",
                               "Scenario.txt",       "UnitPrototypes.txt", "UnitRaces.txt", "NPCs.txt"};

constexpr char kQuietRun[] =
    "\nBuilding HeroAcks.txt:\nBuilding HeroBored.txt:\nBuilding HeroNotifies.txt:\n"
    "Building HeroRefuses.txt:\nBuilding Scenario.txt:\nBuilding UnitPrototypes.txt:\n"
    "Building UnitRaces.txt:\nBuilding NPCs.txt:\nSaving database.\n";

// The eight tables of a run, each holding its header until a test sets its
// data lines, in a fresh directory with an empty output folder "out".
class SpeechRun {
 public:
  SpeechRun() {
    ::mkdir(dir_.File("out").c_str(), 0755);
    for (const char* table : kTables) SetRaw(table, HeaderOf(table));
  }

  static std::string HeaderOf(const std::string& table) {
    return table == "HeroBored.txt" ? std::string(kBoredNote) + kHeader : std::string(kHeader);
  }
  // Header plus `lines`, as written.
  void Set(const std::string& table, const std::string& lines) { SetRaw(table, HeaderOf(table) + lines); }
  void SetRaw(const std::string& table, const std::string& bytes) { tables_[table] = bytes; }
  void Remove(const std::string& table) { tables_.erase(table); }

  RunResult Bake(const std::vector<std::string>& args = {"out"}) {
    for (const char* table : kTables) ::unlink(dir_.File(table).c_str());
    for (const auto& [name, bytes] : tables_) testsupport::WriteFile(dir_.File(name), bytes);
    return testsupport::Run(testsupport::ProgramPath("speechbake"), args, dir_.path());
  }
  std::string File(const std::string& name) const { return dir_.File(name); }
  std::string Database() const { return ReadFile(dir_.File("out/acks.db")); }

 private:
  testsupport::TempDir dir_;
  std::map<std::string, std::string> tables_;
};

// The speaker chunks of group `group_id` (1 heroes, 2 units, 3 NPCs).
std::vector<std::vector<Chunk>> Speakers(const std::string& database, uint8_t group_id) {
  std::vector<std::vector<Chunk>> speakers;
  for (const std::string& speaker : ListRecords(database, group_id)) speakers.push_back(Chunks(speaker));
  return speakers;
}

std::string NameOf(const std::vector<Chunk>& speaker) { return Text(Find(speaker, 1)); }

// First texts of the lines of one situation chunk of a speaker.
std::vector<std::string> FirstTexts(const std::vector<Chunk>& speaker, uint8_t situation_id) {
  std::vector<std::string> texts;
  for (const Chunk& line : Chunks(Find(speaker, situation_id))) texts.push_back(Text(Find(Chunks(line.data), 1)));
  return texts;
}

TEST(SpeechbakeTest, OneLineGivesThe114ByteDatabase) {
  SpeechRun run;
  run.Set("HeroAcks.txt", "Bob\tSelection\ta\t5\n");
  RunResult result = run.Bake();
  EXPECT_EQ(result.exit_status, 0) << result.out << result.err;
  EXPECT_EQ(result.out, kQuietRun);
  EXPECT_EQ(result.err, "");
  std::string empty_situations;
  for (int id = 0x0B; id <= 0x2C; ++id) empty_situations += Bytes("00").replace(0, 1, 1, static_cast<char>(id)) + Bytes("00");
  std::string expected = Bytes("01 CC 01 C0 01 BC 01 08 42 6F 62 00 0A 24 01 20 01 04 61 00 02 08 05 00 00 00 "
                               "03 02 00 04 02 00") +
                         empty_situations + Bytes("02 00 03 00 00 00 02 0C 02 08 01 00 00 00");
  ASSERT_EQ(expected.size(), 114u);
  EXPECT_EQ(Hex(run.Database()), Hex(expected));
  EXPECT_TRUE(FileExists(run.File("tempreg.reg")));
  EXPECT_EQ(ReadFile(run.File("tempreg.reg")), "");
}

TEST(SpeechbakeTest, HeaderOnlyTablesGiveThreeEmptyGroups) {
  SpeechRun run;
  testsupport::WriteFile(run.File("tempreg.reg"), "stale");
  RunResult result = run.Bake();
  EXPECT_EQ(result.exit_status, 0);
  EXPECT_EQ(Hex(run.Database()), Hex(Bytes("01 0C 01 00 02 00 03 00 00 00 02 0C 02 08 01 00 00 00")));
  EXPECT_EQ(ReadFile(run.File("tempreg.reg")), "");
}

TEST(SpeechbakeTest, OutputPathFormsLandInTheSameFolder) {
  for (const char* argument : {"out", "out/", "out\\"}) {
    SpeechRun run;
    RunResult result = run.Bake({argument});
    EXPECT_EQ(result.exit_status, 0) << argument;
    EXPECT_TRUE(FileExists(run.File("out/acks.db"))) << argument;
    EXPECT_EQ(testsupport::ListDir(run.File("out")), std::vector<std::string>{"acks.db"}) << argument;
  }
}

TEST(SpeechbakeTest, LineEndsAndBlankLinesDoNotChangeTheDatabase) {
  const std::string lines[] = {"Bob\tSelection\ta\t5", "Ann\tMove\tm\t1\tGo\tnod", "Bob\tMove\tn"};
  std::string reference;
  for (const char* end : {"\n", "\r\n", "\r", "\n\n\r\n"}) {
    SpeechRun run;
    std::string table = std::string("Name\tSituation") + end + end;
    for (const std::string& line : lines) table += line + end;
    run.SetRaw("HeroAcks.txt", table.substr(0, table.size() - std::string(end).size()));  // no end after the last
    RunResult result = run.Bake();
    ASSERT_EQ(result.exit_status, 0) << Hex(end);
    if (reference.empty()) reference = run.Database();
    EXPECT_EQ(Hex(run.Database()), Hex(reference)) << Hex(end);
  }
  std::vector<std::vector<Chunk>> heroes = Speakers(reference, 1);
  ASSERT_EQ(heroes.size(), 2u);
  EXPECT_EQ(FirstTexts(heroes[1], 11), (std::vector<std::string>{"n"}));
}

TEST(SpeechbakeTest, SpeakersInByteOrderAndOneSpeakerAcrossTables) {
  SpeechRun run;
  run.Set("HeroAcks.txt", "abe\tSelection\ta1\nZed\tSelection\tz1\n\xE9lan\tMove\te1\nBob\tSelection\tb1\n");
  run.Set("HeroRefuses.txt", "Bob\tSelection\tb2\nBob\tAttack\tb3\n");
  run.Set("Scenario.txt", "Bob\tSelection\tb4\n");
  run.Set("NPCs.txt", "Bob\tSelected For Talking\tnpc\n");
  RunResult result = run.Bake();
  ASSERT_EQ(result.exit_status, 0) << result.out;
  std::vector<std::vector<Chunk>> heroes = Speakers(run.Database(), 1);
  std::vector<std::string> names;
  for (const auto& speaker : heroes) names.push_back(NameOf(speaker));
  EXPECT_EQ(names, (std::vector<std::string>{"Bob", "Zed", "abe", "\xE9lan"}));
  EXPECT_EQ(FirstTexts(heroes[0], 10), (std::vector<std::string>{"b1", "b2", "b4"}));
  EXPECT_EQ(FirstTexts(heroes[0], 12), (std::vector<std::string>{"b3"}));
  // Every situation chunk is present, also the empty ones.
  EXPECT_EQ(heroes[0].size(), 1u + 35u);
  std::vector<std::vector<Chunk>> npcs = Speakers(run.Database(), 3);
  ASSERT_EQ(npcs.size(), 1u);
  EXPECT_EQ(npcs[0].size(), 1u + 2u);
  EXPECT_EQ(FirstTexts(npcs[0], 10), (std::vector<std::string>{"npc"}));
}

TEST(SpeechbakeTest, FlagsAreStoredForBoredLinesOnly) {
  SpeechRun run;
  // The note line and the header would fail as data lines: both are skipped.
  run.SetRaw("HeroBored.txt", "Bob\tnot a situation\nName\tSituation\n"
                              "Bob\tBored\tyawn\t2\tsub\tanim\t1\t\t1\n"
                              "Bob\tBored\tsigh\t0\t\t\t\t3\n"
                              "Bob\tMove\tgo\t0\t\t\t1\t\t1\n");
  RunResult result = run.Bake();
  ASSERT_EQ(result.exit_status, 0) << result.out;
  std::vector<std::vector<Chunk>> heroes = Speakers(run.Database(), 1);
  ASSERT_EQ(heroes.size(), 1u);
  std::vector<Chunk> bored = Chunks(Find(heroes[0], 10 + 22));
  ASSERT_EQ(bored.size(), 2u);
  EXPECT_EQ(Hex(bored[0].data), Hex(Bytes("01 0A 79 61 77 6E 00 02 08 02 00 00 00 03 08 73 75 62 00 "
                                          "04 0A 61 6E 69 6D 00 0A 08 05 00 00 00")));
  // A cell's whole number is shifted in: 3 in cell 7 sets bits 1 and 2.
  EXPECT_EQ(Hex(Find(Chunks(bored[1].data), 10)), Hex(Bytes("06 00 00 00")));
  std::vector<Chunk> move = Chunks(Find(heroes[0], 10 + 1));
  ASSERT_EQ(move.size(), 1u);
  EXPECT_EQ(Hex(move[0].data), Hex(Bytes("01 06 67 6F 00 02 08 00 00 00 00 03 02 00 04 02 00")));
}

TEST(SpeechbakeTest, LinesWithoutSpeakerSituationOrFirstText) {
  SpeechRun run;
  run.Set("HeroAcks.txt",
          "\tSelection\tx\n"          // leading TAB: ignored, even with a bad situation after it
          "\tnonsense\tx\n"
          "Solo\n"                    // one cell: ignored
          "Mute\tSelection\t\t7\n");  // empty first text: speaker kept, line not written
  RunResult result = run.Bake();
  ASSERT_EQ(result.exit_status, 0) << result.out;
  std::vector<std::vector<Chunk>> heroes = Speakers(run.Database(), 1);
  ASSERT_EQ(heroes.size(), 1u);
  EXPECT_EQ(NameOf(heroes[0]), "Mute");
  EXPECT_EQ(FirstTexts(heroes[0], 10), std::vector<std::string>{});
  // Four data lines: the dot after the second.
  EXPECT_NE(result.out.find("Building HeroAcks.txt:.\n"), std::string::npos);
}

TEST(SpeechbakeTest, UnknownSituationStopsWithLineNumberAndNothingWritten) {
  struct Case {
    const char* table;
    std::string lines;
    std::string message;
  } cases[] = {
      {"HeroAcks.txt", "Bob\tSelection\ta\n\nBob\tselection\tb\tc\n", "\nError in line: 3\nBob\tselection\tb\tc\n"},
      {"HeroAcks.txt", "Bob\t\"Selection\"\n", "\nError in line: 2\nBob\t\"Selection\"\n"},
      {"HeroAcks.txt", "Bob\tSelection \n", "\nError in line: 2\nBob\tSelection \n"},
      {"HeroAcks.txt", "Bob\t\n", "\nError in line: 2\nBob\t\n"},
      {"HeroBored.txt", "Bob\tBored\n\r\nBob\tMovee\n", "\nError in line: 3\nBob\tMovee\n"},
      {"UnitRaces.txt", "Orc\tSelection\tgrr\n", "\nError in line: 2\nOrc\tSelection\tgrr\n"},
      {"NPCs.txt", "Smith\tBecome Killer\n", "\nError in line: 2\nSmith\tBecome Killer\n"},
  };
  for (const Case& c : cases) {
    SpeechRun run;
    run.Set(c.table, c.lines);
    RunResult result = run.Bake();
    EXPECT_EQ(result.exit_status, 1) << c.lines;
    std::string building = std::string("Building ") + c.table + ":";
    ASSERT_NE(result.out.find(building), std::string::npos);
    EXPECT_EQ(result.out.substr(result.out.find(building) + building.size()), c.message) << c.lines;
    EXPECT_FALSE(FileExists(run.File("out/acks.db")));
    EXPECT_FALSE(FileExists(run.File("tempreg.reg")));
  }
}

TEST(SpeechbakeTest, ProgressDotAfterThe2ndAnd5thDataLineOfTheRun) {
  SpeechRun run;
  run.Set("HeroAcks.txt", "A\tMove\t1\nA\tMove\t2\nA\tMove\t3\n");
  run.Set("HeroRefuses.txt", "A\tMove\t4\n\tignored but counted\n");
  run.Set("NPCs.txt", "N\tWhile In Rest State\t6\nN\tWhile In Rest State\t7\n");
  RunResult result = run.Bake();
  ASSERT_EQ(result.exit_status, 0);
  EXPECT_EQ(result.out,
            "\nBuilding HeroAcks.txt:.\nBuilding HeroBored.txt:\nBuilding HeroNotifies.txt:\n"
            "Building HeroRefuses.txt:.\nBuilding Scenario.txt:\nBuilding UnitPrototypes.txt:\n"
            "Building UnitRaces.txt:\nBuilding NPCs.txt:\nSaving database.\n");
}

TEST(SpeechbakeTest, MissingOrEmptyInputsReportedInCheckingOrder) {
  struct Case {
    std::vector<std::string> missing;
    std::vector<std::string> empty;
    const char* reported;
  } cases[] = {
      {{"Scenario.txt", "NPCs.txt"}, {}, "NPCs.txt"},
      {{"Scenario.txt", "UnitRaces.txt"}, {}, "UnitRaces.txt"},
      {{"UnitPrototypes.txt"}, {"HeroRefuses.txt"}, "HeroRefuses.txt"},
      {{}, {"Scenario.txt"}, "Scenario.txt"},
      {{"HeroAcks.txt", "HeroBored.txt"}, {}, "HeroAcks.txt"},
  };
  for (const Case& c : cases) {
    SpeechRun run;
    for (const std::string& table : c.missing) run.Remove(table);
    for (const std::string& table : c.empty) run.SetRaw(table, "");
    RunResult result = run.Bake();
    EXPECT_EQ(result.exit_status, 0) << c.reported;
    EXPECT_EQ(result.out, std::string("Can't open file: ") + c.reported + "\n");
    EXPECT_FALSE(FileExists(run.File("out/acks.db")));
    EXPECT_FALSE(FileExists(run.File("tempreg.reg")));
  }
}

TEST(SpeechbakeTest, ReadOnlyTablesAreReadAndLeftAlone) {
  SpeechRun run;
  run.Set("HeroAcks.txt", "Bob\tSelection\ta\t5\n");
  run.Bake();
  for (const char* table : kTables) ::chmod(run.File(table).c_str(), 0444);
  RunResult result = testsupport::Run(testsupport::ProgramPath("speechbake"), {"out"}, run.File(""));
  EXPECT_EQ(result.exit_status, 0) << result.out;
  EXPECT_EQ(run.Database().size(), 114u);
  EXPECT_EQ(ReadFile(run.File("HeroAcks.txt")), std::string(kHeader) + "Bob\tSelection\ta\t5\n");
}

TEST(SpeechbakeTest, CommandLineMistakesShowTheBanner) {
  const std::string banner =
      "Acks database builder.\n"
      "  Part of the bake toolkit, which compiles the game's design tables.\n"
      "  Reads its tables from the current directory by their fixed names.\n"
      "        Usage:\n"
      "          speechbake <output path>\n";
  for (const std::vector<std::string>& args : {std::vector<std::string>{}, std::vector<std::string>{"out", "x"}}) {
    SpeechRun run;
    RunResult result = run.Bake(args);
    EXPECT_EQ(result.exit_status, 0);
    EXPECT_EQ(result.out, banner);
    EXPECT_FALSE(FileExists(run.File("tempreg.reg")));
  }
  SpeechRun run;
  RunResult result = run.Bake({""});
  EXPECT_EQ(result.exit_status, 1);
  EXPECT_EQ(result.out, banner);
  EXPECT_EQ(result.err, "The output path is empty: name the directory that is to receive acks.db.\n");
  EXPECT_FALSE(FileExists(run.File("tempreg.reg")));
}

TEST(SpeechbakeTest, UnwritableOutputReportsTheReasonAndLeavesNoFile) {
  SpeechRun run;
  RunResult result = run.Bake({"no/such/dir"});
  EXPECT_EQ(result.exit_status, 1);
  EXPECT_EQ(result.out, std::string(kQuietRun) + "Could not open source file: No such file or directory\n");
  EXPECT_TRUE(FileExists(run.File("tempreg.reg")));
  EXPECT_EQ(testsupport::ListDir(run.File("out")), std::vector<std::string>{});
}

TEST(SpeechbakeTest, AZeroByteEndsItsLinesTextAndTheRunGoesOn) {
  SpeechRun run;
  run.Set("HeroNotifies.txt",
          "Bob\tMove\tm\0gone\t7\n"     // first text "m"; the number's cell is gone
          "\0Bob\tnonsense\n"             // an empty text: no situation, nothing stored
          "Bob\tAttack\0\tlost\n"        // situation read, first text empty: not stored
          "Bob\tAttack\ta\t3\n"s);
  // A table saved as two-byte Unicode text reads as lines of one letter each.
  std::string wide;
  for (char c : std::string(kHeader) + "Ann\tMove\tx\n") wide += std::string(1, c) + '\0';
  run.SetRaw("HeroRefuses.txt", wide);
  RunResult result = run.Bake();
  ASSERT_EQ(result.exit_status, 0) << result.out;
  EXPECT_EQ(result.err, "");
  std::vector<std::vector<Chunk>> heroes = Speakers(run.Database(), 1);
  ASSERT_EQ(heroes.size(), 1u);
  EXPECT_EQ(NameOf(heroes[0]), "Bob");
  std::vector<Chunk> move = Chunks(Find(heroes[0], 10 + 1));
  ASSERT_EQ(move.size(), 1u);
  EXPECT_EQ(Hex(move[0].data), Hex(Bytes("01 04 6D 00 02 08 00 00 00 00 03 02 00 04 02 00")));
  EXPECT_EQ(FirstTexts(heroes[0], 10 + 2), std::vector<std::string>{"a"});

  // An unknown situation is reported with the line's text up to the zero byte.
  SpeechRun refused;
  refused.Set("HeroNotifies.txt", "Bob\tMove\tm\nBob\tMo\0ve\tx\n"s);
  result = refused.Bake();
  EXPECT_EQ(result.exit_status, 1);
  EXPECT_NE(result.out.find("Building HeroNotifies.txt:\nError in line: 3\nBob\tMo\n"), std::string::npos)
      << result.out;
  EXPECT_EQ(result.out.find('\0'), std::string::npos);
  EXPECT_FALSE(FileExists(refused.File("out/acks.db")));
}

TEST(SpeechbakeTest, HostileTablesNeverCrash) {
  const std::string noise = testsupport::RandomBytes(50000, 20240607);
  std::string long_text(1 << 20, 'w');
  // A table of exactly one page whose last cell runs to the end of the
  // mapping: a reader that looked for a terminator would fault past it.
  std::string page = std::string(kHeader) + "Bob\tBored\tp\t1\t\t\t1\t";
  page += std::string(4096 - page.size() - 4, '\t') + "1234";
  struct Case {
    const char* table;
    std::string bytes;
    int status;
  } cases[] = {
      {"HeroAcks.txt", noise, -1},
      {"UnitPrototypes.txt", noise, -1},
      {"HeroAcks.txt", std::string(kHeader) + "Bob\tSelection\t" + long_text + "\t9", 0},
      {"NPCs.txt", std::string(kHeader) + long_text, 0},
      {"HeroAcks.txt", std::string(kHeader) + "Bob\t" + long_text, 1},
      {"HeroAcks.txt", page, 0},
      {"HeroAcks.txt", "Name\tSituation\tno line end at all", 0},
  };
  for (const Case& c : cases) {
    SpeechRun run;
    run.SetRaw(c.table, c.bytes);
    RunResult result = run.Bake();
    EXPECT_FALSE(result.signaled) << c.table;
    EXPECT_EQ(result.err, "");  // a sanitizer report lands here
    if (c.status >= 0) EXPECT_EQ(result.exit_status, c.status) << result.out.substr(0, 200);
    else EXPECT_TRUE(result.exit_status == 0 || result.exit_status == 1);
  }
}

}  // namespace
