// End-to-end tests of trailbake: the real program (and the converter it
// starts) runs in a temporary directory on fixture tables; the database is
// compared byte for byte or read back with the same record code.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "buildlib/builder_frame.h"
#include "buildlib/chunk_archive.h"
#include "buildlib/game_vocabulary.h"
#include "testsupport/test_support.h"
#include "trailbake/prints_database.h"

namespace trailbake {
namespace {

using testsupport::Bytes;
using testsupport::Hex;
using testsupport::ReadFile;
using testsupport::RunResult;
using testsupport::TempDir;
using testsupport::WriteFile;

// Two header rows: the groups, then their columns.
const std::string kPrintsHeader =
    "TerrainType\tClear Weather\t\t\tWeather Precipitation\t\t\n"
    "\tOpacity\tLifetime\tFadeout\tOpacity\tLifetime\tFadeout\n";
const std::string kFootPrintsHeader =
    "TerrainType\tClear Weather\t\t\tWeather Precipitation\t\t\tBloody Precipitation\t\t\n"
    "\tOpacity\tLifetime\tFadeout\tOpacity\tLifetime\tFadeout\tOpacity\tLifetime\tFadeout\n";

RunResult Bake(const TempDir& dir, const std::vector<std::string>& args = {"."}) {
  return testsupport::Run(testsupport::ProgramPath("trailbake"), args, dir.path());
}

struct Database {
  std::vector<TerrainPrint> blood;
  std::vector<FootPrint> foot;
  std::vector<TerrainPrint> fire;
};

Database ReadDatabase(const std::string& bytes) {
  Database database;
  buildlib::ReadDatabase(bytes, [&](buildlib::ChunkArchive& archive) {
    archive.SerializeList(1, database.blood);
    archive.SerializeList(2, database.foot);
    archive.SerializeList(3, database.fire);
  });
  return database;
}

using testsupport::Chunk;
const std::string kFileTail = testsupport::DatabaseTail();

// A list chunk of 16 copies of `entry`.
std::string FullList(uint8_t id, const std::string& entry) {
  std::string entries;
  for (int i = 0; i < buildlib::kTerrainTypeCount; ++i) entries += entry;
  return Chunk(id, entries);
}

void ExpectPhase(const PrintPhase& phase, float opacity, int32_t lifetime, int32_t fadeout) {
  EXPECT_EQ(phase.opacity, opacity);
  EXPECT_EQ(phase.lifetime, lifetime);
  EXPECT_EQ(phase.fadeout, fadeout);
}

TEST(TrailbakeTest, WrongArgumentCountPrintsUsageAndFails) {
  const std::vector<std::vector<std::string>> cases = {{}, {"out", "more"}};
  for (const auto& args : cases) {
    TempDir dir;
    RunResult run = Bake(dir, args);
    EXPECT_EQ(run.exit_status, 255);
    EXPECT_EQ(run.out,
              "Terrain Prints database builder.\n"
              "Compiles BloodPrints.txt, FootPrints.txt and FirePrints.txt from the current "
              "directory\n"
              "into prints.db, one entry per terrain type in each list.\n"
              "\tUsage:\n"
              "\t  trailbake <output path>\n");
    EXPECT_TRUE(testsupport::ListDir(dir.path()).empty());
  }
}

TEST(TrailbakeTest, AllTablesMissingWriteThreeEmptyLists) {
  TempDir dir;
  RunResult run = Bake(dir);
  EXPECT_EQ(run.exit_status, 0);
  EXPECT_EQ(run.out,
            "Building blood prints list:Can't open file \"BloodPrints.txt\".\n"
            "Building foot prints list:Can't open file \"FootPrints.txt\".\n"
            "Building fire prints list:Can't open file \"FirePrints.txt\".\n"
            "Saving database.\n");
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(Hex(ReadFile(dir.File("prints.db"))),
            Hex(Bytes("01 0C 01 00 02 00 03 00") + kFileTail));
  EXPECT_EQ(testsupport::ListDir(dir.path()), std::vector<std::string>{"prints.db"});
}

// Tables without data rows give sixteen new entries per list; foot prints
// carry the bloody precipitation chunk, the others do not. A missing table in
// between leaves only its own list empty.
TEST(TrailbakeTest, TablesWithoutRowsGiveSixteenEmptyEntries) {
  const std::string phase = Bytes("01 08 00 00 00 00  02 08 00 00 00 00  03 08 00 00 00 00");
  const std::string print_entry =
      Bytes("01 56  01 02 00  02 24") + phase + Bytes("03 24") + phase;
  const std::string foot_entry =
      Bytes("01 7E  01 02 00  02 24") + phase + Bytes("03 24") + phase + Bytes("0A 24") + phase;
  ASSERT_EQ(print_entry.size(), 45u);
  ASSERT_EQ(foot_entry.size(), 65u);

  TempDir dir;
  WriteFile(dir.File("BloodPrints.txt"), kPrintsHeader);
  WriteFile(dir.File("FootPrints.txt"), kFootPrintsHeader);
  WriteFile(dir.File("FirePrints.txt"), kPrintsHeader);
  RunResult run = Bake(dir);
  ASSERT_EQ(run.exit_status, 0) << run.err;
  EXPECT_EQ(run.out,
            "Building blood prints list:\n"
            "Building foot prints list:\n"
            "Building fire prints list:\n"
            "Saving database.\n");
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(Hex(ReadFile(dir.File("prints.db"))),
            Hex(Chunk(1, FullList(1, print_entry) + FullList(2, foot_entry) +
                             FullList(3, print_entry)) +
                kFileTail));

  std::remove(dir.File("FootPrints.txt").c_str());
  run = Bake(dir);
  ASSERT_EQ(run.exit_status, 0) << run.err;
  EXPECT_EQ(run.out,
            "Building blood prints list:\n"
            "Building foot prints list:Can't open file \"FootPrints.txt\".\n"
            "Building fire prints list:\n"
            "Saving database.\n");
  EXPECT_EQ(Hex(ReadFile(dir.File("prints.db"))),
            Hex(Chunk(1, FullList(1, print_entry) + Chunk(2, "") + FullList(3, print_entry)) +
                kFileTail));
}

TEST(TrailbakeTest, RowsFillEntriesByTerrainType) {
  TempDir dir;
  WriteFile(dir.File("BloodPrints.txt"),
            kPrintsHeader +
                "Grass\t70\t40\t4\t50\t20\t3\n"
                "rock\n"                         // every value from its default
                "sand\t10\t1\t1\t10\t1\t1\n"
                "Mud\t20\t2\t2\t20\t2\t2\n"      // unknown terrain: the undefined entry
                "SAND\t33\t2.5\t-1.9\t0.5\t0\t7\n"  // the later sand row wins
                "Tar Pit\t40\t3\t3\t40\t3\t3\n"    // replaces the earlier unknown terrain
                "%\t99\t99\t99\t99\t99\t99\n");  // no terrain type once '%' is trimmed
  RunResult run = Bake(dir);
  ASSERT_EQ(run.exit_status, 0) << run.err;
  // Rows with the same first cell reach the builder as one row (the later
  // one), so the two sand rows show one dot.
  EXPECT_EQ(run.out.substr(0, run.out.find('\n') + 1), "Building blood prints list:......\n");
  Database database = ReadDatabase(ReadFile(dir.File("prints.db")));
  ASSERT_EQ(database.blood.size(), 16u);
  const std::vector<TerrainPrint>& blood = database.blood;

  EXPECT_EQ(blood[0].name, "grass");
  ExpectPhase(blood[0].clearWeather, 70 * 0.01f, 600, 60);
  ExpectPhase(blood[0].precipitation, 50 * 0.01f, 300, 45);

  EXPECT_EQ(blood[4].name, "rock");
  ExpectPhase(blood[4].clearWeather, 1.0f, 900, 15);
  ExpectPhase(blood[4].precipitation, 1.0f, 900, 15);

  EXPECT_EQ(blood[3].name, "sand");
  // Lifetimes are whole seconds: 2.5 counts as 2 before it turns into ticks.
  ExpectPhase(blood[3].clearWeather, 33 * 0.01f, 30, -15);
  ExpectPhase(blood[3].precipitation, 0.5f * 0.01f, 0, 105);

  EXPECT_EQ(blood[8].name, "tar pit");
  ExpectPhase(blood[8].clearWeather, 40 * 0.01f, 45, 45);

  for (int i : {1, 2, 5, 6, 7, 9, 10, 11, 12, 13, 14, 15}) {
    SCOPED_TRACE(i);
    EXPECT_EQ(blood[i].name, "");
    ExpectPhase(blood[i].clearWeather, 0, 0, 0);
    ExpectPhase(blood[i].precipitation, 0, 0, 0);
  }
}

TEST(TrailbakeTest, EveryTerrainNameFindsItsEntry) {
  std::string rows;
  for (const buildlib::VocabularyEntry& terrain : buildlib::kTerrainTypes) {
    rows += std::string(terrain.text) + "\t" + std::to_string(terrain.code) + "\n";
  }
  TempDir dir;
  WriteFile(dir.File("FirePrints.txt"), kPrintsHeader + rows);
  RunResult run = Bake(dir);
  ASSERT_EQ(run.exit_status, 0) << run.err;
  Database database = ReadDatabase(ReadFile(dir.File("prints.db")));
  ASSERT_EQ(database.fire.size(), 16u);
  for (int32_t i = 0; i < buildlib::kTerrainTypeCount; ++i) {
    EXPECT_EQ(database.fire[i].name, buildlib::kTerrainTypes[i].text);
    EXPECT_EQ(database.fire[i].clearWeather.opacity, static_cast<float>(i) * 0.01f);
  }
}

TEST(TrailbakeTest, FootPrintsReadTheBloodyPhase) {
  TempDir dir;
  WriteFile(dir.File("FootPrints.txt"), kFootPrintsHeader +
                                            "snow\t85\t90\t6\t70\t45\t5\t90\t60\t6\n"
                                            "ice\t10\t10\t2\n");
  RunResult run = Bake(dir);
  ASSERT_EQ(run.exit_status, 0) << run.err;
  Database database = ReadDatabase(ReadFile(dir.File("prints.db")));
  ASSERT_EQ(database.foot.size(), 16u);
  EXPECT_EQ(database.foot[9].name, "snow");
  ExpectPhase(database.foot[9].clearWeather, 85 * 0.01f, 1350, 90);
  ExpectPhase(database.foot[9].precipitation, 70 * 0.01f, 675, 75);
  ExpectPhase(database.foot[9].bloodyPrecipitation, 90 * 0.01f, 900, 90);
  EXPECT_EQ(database.foot[10].name, "ice");
  ExpectPhase(database.foot[10].bloodyPrecipitation, 1.0f, 900, 15);
}

TEST(TrailbakeTest, ConsoleShowsTitlesDotsAndSaving) {
  TempDir dir;
  // The first column need not be the terrain type; a row without one still
  // shows its dot.
  WriteFile(dir.File("BloodPrints.txt"),
            "Id\t" + kPrintsHeader.substr(0, kPrintsHeader.find('\n') + 1) + "\t" +
                kPrintsHeader.substr(kPrintsHeader.find('\n') + 1) +
                "r1\tgrass\n"
                "r2\t\t50\n"
                "r3\tsand\n");
  WriteFile(dir.File("FootPrints.txt"), kFootPrintsHeader + "road\nwater\n");
  WriteFile(dir.File("FirePrints.txt"), kPrintsHeader + "lava\t100\t600\t20\n");
  RunResult run = Bake(dir);
  ASSERT_EQ(run.exit_status, 0) << run.err;
  EXPECT_EQ(run.out,
            "Building blood prints list:...\n"
            "Building foot prints list:..\n"
            "Building fire prints list:.\n"
            "Saving database.\n");
  EXPECT_EQ(run.err, "");
  Database database = ReadDatabase(ReadFile(dir.File("prints.db")));
  EXPECT_EQ(database.blood[0].name, "grass");
  EXPECT_EQ(database.blood[3].name, "sand");
  EXPECT_EQ(database.blood[8].name, "");
  EXPECT_EQ(database.fire[13].clearWeather.lifetime, 9000);
  // The last converted table's registry file stays; no INI text does.
  EXPECT_TRUE(testsupport::FileExists(dir.File("tempreg.reg")));
  EXPECT_FALSE(testsupport::FileExists(dir.File("tempreg.ini")));
}

TEST(TrailbakeTest, TimesBeyondTheTickRangeAreReportedAndClamped) {
  TempDir dir;
  WriteFile(dir.File("BloodPrints.txt"),
            kPrintsHeader + "grass\t1\t143165576\t-143165577\t1\t200000000\t1\n");
  RunResult run = Bake(dir);
  ASSERT_EQ(run.exit_status, 0) << run.err;
  EXPECT_EQ(run.err,
            "ERROR: \"BloodPrints.txt\", row \"grass\": \"Clear Weather Fadeout\" -143165577 "
            "seconds is out of range (-143165576 to 143165576); stored as -2147483648 ticks.\n"
            "ERROR: \"BloodPrints.txt\", row \"grass\": \"Weather Precipitation Lifetime\" "
            "200000000 seconds is out of range (-143165576 to 143165576); stored as "
            "2147483647 ticks.\n");
  Database database = ReadDatabase(ReadFile(dir.File("prints.db")));
  EXPECT_EQ(database.blood[0].clearWeather.lifetime, 143165576 * 15);
  EXPECT_EQ(database.blood[0].clearWeather.fadeout, std::numeric_limits<int32_t>::min());
  EXPECT_EQ(database.blood[0].precipitation.lifetime, std::numeric_limits<int32_t>::max());
}

TEST(TrailbakeTest, TenthReportedErrorEndsTheRunWithoutDatabase) {
  TempDir dir;
  std::string rows;
  for (const char* terrain : {"grass", "sand", "rock", "snow", "ice"}) {
    rows += std::string(terrain) + "\t1\t200000000\t200000000\n";
  }
  WriteFile(dir.File("BloodPrints.txt"), kPrintsHeader + rows);
  RunResult run = Bake(dir);
  EXPECT_EQ(run.exit_status, 255);
  EXPECT_EQ(run.out, "Building blood prints list:.....");
  EXPECT_FALSE(testsupport::FileExists(dir.File("prints.db")));
}

// Malformed tables end in a database (with what could be read) or in a
// clear message, never in a crash or a partial file.
TEST(TrailbakeTest, BadTablesNeverCrashOrLeavePartialFiles) {
  const std::string noise = testsupport::RandomBytes(4096, 61);
  const std::string texty_noise =
      testsupport::RandomText(4096, "ab%[]=\t\t\r\n\n ,.0123456789-eE", 62);

  struct Case {
    const char* what;
    std::string table;
  };
  const Case cases[] = {
      {"random bytes", noise},
      {"random table-like text", texty_noise},
      {"random bytes after the header", kFootPrintsHeader + noise},
      {"empty file", ""},
      {"one header row only", "TerrainType\tClear Weather\t\t\n"},
      {"second header row shorter than the groups", "TerrainType\tClear Weather\t\t\n\tOpacity\n"
                                                     "grass\t5\t6\t7\n"},
      {"no group before the first column", "\tClear Weather\t\n\tOpacity\tLifetime\nx\t1\t2\n"},
      {"fewer cells than columns", kFootPrintsHeader + "grass\t5\n"},
      {"more cells than columns", kFootPrintsHeader + "grass\t1\t2\t3\t4\t5\t6\t7\t8\t9\t10\t11\n"},
      {"first cell ending in %", kFootPrintsHeader + "grass%\t5%\n%%\t1\n"},
      {"huge and odd numbers", kFootPrintsHeader + "ice\t1e40\t1e40\t-1e40\tnan\t2147483648\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TempDir dir;
    for (const char* table : {kBloodPrintsTable, kFootPrintsTable, kFirePrintsTable}) {
      WriteFile(dir.File(table), c.table);
    }
    RunResult run = Bake(dir);
    ASSERT_FALSE(run.signaled) << run.err;
    ASSERT_EQ(run.exit_status, 0) << run.err;
    EXPECT_TRUE(run.out.starts_with("Building blood prints list:")) << run.out;
    EXPECT_TRUE(run.out.ends_with("Saving database.\n")) << run.out;
    for (const std::string& file : testsupport::ListDir(dir.path())) {
      EXPECT_TRUE(file.ends_with(".txt") || file == "prints.db" || file == "tempreg.reg") << file;
    }
    Database database = ReadDatabase(ReadFile(dir.File("prints.db")));
    for (size_t size : {database.blood.size(), database.foot.size(), database.fire.size()}) {
      EXPECT_TRUE(size == 0 || size == 16u) << size;
    }
  }
}

TEST(TrailbakeTest, ExampleTablesBake) {
  TempDir dir;
  for (const char* table : {kBloodPrintsTable, kFootPrintsTable, kFirePrintsTable}) {
    WriteFile(dir.File(table), testsupport::ExampleTable("trailbake", table));
  }
  RunResult run = Bake(dir);
  ASSERT_EQ(run.exit_status, 0) << run.err;
  EXPECT_EQ(run.err, "");
  Database database = ReadDatabase(ReadFile(dir.File("prints.db")));
  ASSERT_EQ(database.foot.size(), 16u);
  EXPECT_EQ(database.foot[9].name, "snow");
  EXPECT_GT(database.foot[9].bloodyPrecipitation.lifetime, 0);
  EXPECT_EQ(database.blood.size(), 16u);
  EXPECT_EQ(database.fire.size(), 16u);
}

}  // namespace
}  // namespace trailbake
