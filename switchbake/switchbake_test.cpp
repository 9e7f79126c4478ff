// End-to-end: switchbake and the converter run on fixture tables in a
// temporary directory; the database bytes, console text and exit status are
// compared exactly.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <array>
#include <cstring>

#include "testsupport/test_support.h"

namespace {

using testsupport::Bytes;
using testsupport::Hex;
using testsupport::ReadFile;
using testsupport::RunResult;
using testsupport::TempDir;
using testsupport::WriteFile;

using testsupport::Chunk;
const std::string kTail = testsupport::DatabaseTail();
const char kBanner[] =
    "Levers database builder.\n"
    "Compiles LeverPrototypes.txt from the current directory into levers.ldb.\n"
    "\tUsage:\n"
    "\t  switchbake <output path>\n";

std::string Floats(uint8_t id, const std::array<float, 4>& values) {
  std::string bytes;
  for (float f : values) bytes += testsupport::FloatChunk(0, f).substr(2);
  return testsupport::Chunk(id, bytes);
}

struct Lever {
  std::string name = "none";
  std::array<float, 4> places = {0, 0, 0, 0};
  int32_t place_count = 0;
  float scale = 1.0f;
  int32_t ticks = 10;
  std::string material = "Stone";
  std::string sound = "";
  std::string description = "";
};

std::string LeverBytes(const Lever& l) {
  using testsupport::FloatChunk;
  using testsupport::IntChunk;
  using testsupport::TextChunk;
  return Chunk(1, TextChunk(0, l.name) + Floats(1, l.places) + IntChunk(2, l.place_count) +
                      FloatChunk(3, l.scale) + IntChunk(4, l.ticks) + TextChunk(5, l.material) +
                      TextChunk(6, l.sound) + TextChunk(7, l.description));
}

std::string Database(const std::string& elements) {
  return Chunk(1, Chunk(1, elements)) + kTail;
}

class SwitchbakeTest : public ::testing::Test {
 protected:
  RunResult Bake(const std::vector<std::string>& args = {"out"}) {
    ::mkdir(dir_.File("out").c_str(), 0755);
    return testsupport::Run(testsupport::ProgramPath("switchbake"), args, dir_.path());
  }
  void Table(const std::string& text) { WriteFile(dir_.File("LeverPrototypes.txt"), text); }
  std::string Output() { return ReadFile(dir_.File("out/levers.ldb")); }

  TempDir dir_;
};

TEST_F(SwitchbakeTest, LeversInRowOrderWithPlacesTicksAndDefaults) {
  Table("Name\tPlace1\tPlace2\tScale\tSwitch Time\tMaterial\tSwitch Sound\tLever Description\n"
        "Gate Lever\t1.5, 2.5\t3, 4\t\t2\tIron\tclick\tA gate, heavy\n"
        "Three Then Two\t1,2,3\t5,6\t0.5\t0.1\n"
        "Bad Places\t7\t1.5,x\t\t-0.5\n"
        "Plain\n");
  RunResult run = Bake();
  EXPECT_EQ(run.exit_status, 0);
  EXPECT_EQ(run.out, "Building levers list:....\nSaving database.\n");
  EXPECT_EQ(run.err, "");
  Lever gate{.name = "Gate Lever", .places = {1.5f, 2.5f, 3.0f, 4.0f}, .place_count = 2,
             .ticks = 30, .material = "Iron", .sound = "click", .description = "A gate, heavy"};
  Lever three{.name = "Three Then Two", .places = {5, 6, 0, 0}, .place_count = 1,
              .scale = 0.5f, .ticks = 1};
  Lever bad{.name = "Bad Places", .ticks = -7};
  Lever plain{.name = "Plain"};
  EXPECT_EQ(Hex(Output()), Hex(Database(LeverBytes(gate) + LeverBytes(three) + LeverBytes(bad) +
                                        LeverBytes(plain))));
  // The last table's registry file stays; the INI file does not.
  EXPECT_TRUE(testsupport::FileExists(dir_.File("tempreg.reg")));
  EXPECT_FALSE(testsupport::FileExists(dir_.File("tempreg.ini")));
}

TEST_F(SwitchbakeTest, TableWithoutNameColumnStoresNone) {
  Table("Key\tMaterial\nGate\t\n");
  RunResult run = Bake();
  EXPECT_EQ(run.exit_status, 0);
  EXPECT_EQ(Hex(Output()), Hex(Database(LeverBytes(Lever{}))));
}

TEST_F(SwitchbakeTest, HeaderOnlyAndMissingTablesWriteAnEmptyList) {
  const std::string empty = Hex(Bytes("01 04 01 00") + kTail);
  Table("Name\tScale\n");
  RunResult run = Bake();
  EXPECT_EQ(run.exit_status, 0);
  EXPECT_EQ(run.out, "Building levers list:\nSaving database.\n");
  EXPECT_EQ(Hex(Output()), empty);

  std::remove(dir_.File("LeverPrototypes.txt").c_str());
  run = Bake();
  EXPECT_EQ(run.exit_status, 0);
  EXPECT_EQ(run.out,
            "Building levers list:Can't open file \"LeverPrototypes.txt\".\nSaving database.\n");
  EXPECT_EQ(Hex(Output()), empty);
}

TEST_F(SwitchbakeTest, WrongCommandLinesShowTheBanner) {
  for (const auto& args : std::vector<std::vector<std::string>>{{}, {"a", "b"}}) {
    RunResult run = Bake(args);
    EXPECT_EQ(run.exit_status, 255);
    EXPECT_EQ(run.out, kBanner);
    EXPECT_EQ(run.err, "");
  }
  RunResult run = Bake({""});
  EXPECT_EQ(run.exit_status, 255);
  EXPECT_EQ(run.out, kBanner);
  EXPECT_EQ(run.err, "ERROR: The output path is empty: name the directory for the database.\n");
  EXPECT_EQ(testsupport::ListDir(dir_.path()), std::vector<std::string>{"out"});
}

TEST_F(SwitchbakeTest, OutputPathSpellings) {
  Table("Name\nGate\n");
  for (const std::string arg : {"out", "out/", "out\\"}) {
    std::remove(dir_.File("out/levers.ldb").c_str());
    RunResult run = Bake({arg});
    EXPECT_EQ(run.exit_status, 0) << arg;
    EXPECT_EQ(Hex(Output()), Hex(Database(LeverBytes(Lever{.name = "Gate"})))) << arg;
  }
}

TEST_F(SwitchbakeTest, UnwritableOutputFailsWithoutAPartialFile) {
  Table("Name\nGate\n");
  RunResult run = Bake({"missing"});
  EXPECT_EQ(run.exit_status, 1);
  EXPECT_EQ(run.out, "Building levers list:.\nSaving database.\n");
  EXPECT_EQ(run.err,
            "ERROR: Can't write the database \"missing/levers.ldb\": No such file or directory.\n");
  EXPECT_FALSE(testsupport::FileExists(dir_.File("missing")));
  // A directory in the way of the database file.
  ::mkdir(dir_.File("out/levers.ldb").c_str(), 0755);
  WriteFile(dir_.File("out/levers.ldb/x"), "x");
  run = Bake();
  EXPECT_EQ(run.exit_status, 1);
  EXPECT_EQ(testsupport::ListDir(dir_.File("out")), std::vector<std::string>{"levers.ldb"});
}

TEST_F(SwitchbakeTest, MissingConverterIsReportedAndTheListLeftEmpty) {
  // A copy of the program alone, with a PATH that holds no converter.
  std::string lonely = dir_.File("lonely");
  ::mkdir(lonely.c_str(), 0755);
  WriteFile(lonely + "/switchbake", ReadFile(testsupport::ProgramPath("switchbake")));
  ::chmod((lonely + "/switchbake").c_str(), 0755);
  Table("Name\nGate\n");
  ::mkdir(dir_.File("out").c_str(), 0755);
  RunResult run = testsupport::Run(lonely + "/switchbake", {"out"}, dir_.path(),
                                   {"PATH=/nonexistent"});
  EXPECT_EQ(run.exit_status, 0);
  EXPECT_EQ(run.out, "Building levers list:Saving database.\n");
  EXPECT_EQ(run.err,
            "ERROR: Can't run the converter \"hivecast\" on \"./tempreg.ini\": it is neither "
            "beside this program nor on the PATH.\n");
  EXPECT_EQ(Hex(Output()), Hex(Bytes("01 04 01 00") + kTail));
}

TEST_F(SwitchbakeTest, HostileTablesNeverCrash) {
  const std::string tables[] = {
      testsupport::RandomBytes(20000, 12345),
      "",
      "Name\tPlace1\n\0Gate\t1,2\n",
      "Name\tPlace1\nGate\t" + std::string(60000, ',') + "\n",
      "Name\tName\tName\n[x]\t]\t=\n",
      "\n\n\n",
  };
  for (const std::string& table : tables) {
    Table(table);
    RunResult run = Bake();
    EXPECT_EQ(run.exit_status, 0);
    EXPECT_FALSE(run.signaled);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(Output().substr(0, 1), "\x01");
  }
}

TEST_F(SwitchbakeTest, CellTooLongForTheRegistryIsReportedWithTheConvertersReason) {
  Table("Name\tPlace1\nGate\t" + std::string(70000, ',') + "\n");
  RunResult run = Bake();
  EXPECT_EQ(run.exit_status, 0);
  EXPECT_EQ(run.out, "Building levers list:Saving database.\n");
  EXPECT_EQ(run.err, "ERROR: The converter \"" + testsupport::ProgramPath("hivecast") +
                         "\" failed on \"./tempreg.ini\" (exit status 1).\n"
                         "hivecast: \"./tempreg.ini\": section \"Gate\", key \"Place1\": the text "
                         "is 70000 bytes long; a text holds at most 65535 bytes; no registry file "
                         "written\n");
  EXPECT_EQ(Hex(Output()), Hex(Bytes("01 04 01 00") + kTail));
}

TEST_F(SwitchbakeTest, SameTableGivesTheSameBytes) {
  std::string table = "Name\tPlace1\tSwitch Time\n";
  for (int i = 0; i < 500; ++i) table += "Lever" + std::to_string(i) + "\t1,2\t0.5\n";
  Table(table);
  ASSERT_EQ(Bake().exit_status, 0);
  std::string first = Output();
  ASSERT_EQ(Bake().exit_status, 0);
  EXPECT_EQ(Output(), first);
}

}  // namespace
