// End-to-end tests of talentbake: the real program (and the converter it
// starts) runs in a temporary directory on fixture tables; the database is
// compared byte for byte or read back with the same record code.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "buildlib/builder_frame.h"
#include "buildlib/chunk_archive.h"
#include "talentbake/perks_database.h"
#include "testsupport/test_support.h"

namespace talentbake {
namespace {

using testsupport::Bytes;
using testsupport::Hex;
using testsupport::ReadFile;
using testsupport::RunResult;
using testsupport::TempDir;
using testsupport::WriteFile;

const char kSkillsHeader[] = "Name\tCode\tTexture Type Index\tBase Attributes\n";
const char kPerksHeader[] =
    "Name\tCode\tTexture Type Index\tPerk\tPerk Exclusive\tSkill\tSL\tStr\tDex\tInt\tCost\t"
    "Modifier\tMult\tAdd\tActive\n";

RunResult Bake(const TempDir& dir, const std::vector<std::string>& args = {"."}) {
  return testsupport::Run(testsupport::ProgramPath("talentbake"), args, dir.path());
}

struct Database {
  std::vector<Skill> skills;
  std::vector<Perk> perks;
};

Database ReadDatabase(const std::string& bytes) {
  Database database;
  buildlib::ReadDatabase(bytes, [&](buildlib::ChunkArchive& archive) {
    archive.SerializeList(1, database.skills);
    archive.SerializeList(2, database.perks);
  });
  return database;
}

TEST(TalentbakeTest, WrongArgumentCountPrintsUsageAndFails) {
  const std::vector<std::vector<std::string>> cases = {{}, {"out", "more"}};
  for (const auto& args : cases) {
    TempDir dir;
    WriteFile(dir.File("Skills.txt"), std::string(kSkillsHeader) + "Melee\tMEL\n");
    RunResult run = Bake(dir, args);
    EXPECT_EQ(run.exit_status, 255);
    EXPECT_EQ(run.out,
              "Perks/skills database builder.\n"
              "Compiles Skills.txt and Perks.txt from the current directory into perks.pdb.\n"
              "Skills and perks keep the row order of their tables.\n"
              "\tUsage:\n"
              "\t  talentbake <output path>\n");
    EXPECT_EQ(testsupport::ListDir(dir.path()), std::vector<std::string>{"Skills.txt"});
  }
}

TEST(TalentbakeTest, BothTablesMissingWriteTwoEmptyLists) {
  TempDir dir;
  RunResult run = Bake(dir);
  EXPECT_EQ(run.exit_status, 0);
  EXPECT_EQ(run.out,
            "Building skills list:Can't open file \"Skills.txt\".\n"
            "Building perks list:Can't open file \"Perks.txt\".\n"
            "Saving database.\n");
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(Hex(ReadFile(dir.File("perks.pdb"))),
            "01 08 01 00 02 00 00 00 02 0C 02 08 01 00 00 00");
  EXPECT_EQ(testsupport::ListDir(dir.path()), std::vector<std::string>{"perks.pdb"});
}

TEST(TalentbakeTest, OneSkillWithoutPerksTable) {
  TempDir dir;
  WriteFile(dir.File("Skills.txt"), std::string(kSkillsHeader) + "Melee\tMEL\t3\tStr\n");
  // "out\" names the directory out.
  std::filesystem::create_directory(dir.File("out"));
  RunResult run = Bake(dir, {"out\\"});
  EXPECT_EQ(run.exit_status, 0) << run.err;
  EXPECT_EQ(run.out,
            "Building skills list:.\n"
            "Building perks list:Can't open file \"Perks.txt\".\n"
            "Saving database.\n");
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(Hex(ReadFile(dir.File("out/perks.pdb"))),
            Hex(Bytes("01 44 01 3C 01 38 00 0C 4D 65 6C 65 65 00 01 08 4D 45 4C 00 02 08 03 00 00 "
                      "00 0A 0C 01 08 53 74 72 00 02 00 00 00 02 0C 02 08 01 00 00 00")));
  // The converted table's registry file stays behind; its INI text does not.
  EXPECT_EQ(testsupport::ListDir(dir.path()),
            (std::vector<std::string>{"Skills.txt", "out", "tempreg.reg"}));
}

TEST(TalentbakeTest, RecordsKeepTableOrderAndConsoleShowsOneDotPerRow) {
  TempDir dir;
  // Names differing only in their digits land in the converter's slots out of
  // row order; descending numbers make any slot order show.
  std::string skills = kSkillsHeader;
  std::vector<std::string> names;
  for (int i = 40; i >= 0; --i) {
    names.push_back("Skill " + std::to_string(i * 7));
    skills += names.back() + "\tS" + std::to_string(i) + "\t" + std::to_string(i) + "\n";
  }
  WriteFile(dir.File("Skills.txt"), skills);
  WriteFile(dir.File("Perks.txt"), std::string(kPerksHeader) + "Zeal\nAim\nBrew\n");
  RunResult run = Bake(dir);
  ASSERT_EQ(run.exit_status, 0) << run.err;
  EXPECT_EQ(run.out, "Building skills list:" + std::string(names.size(), '.') +
                         "\nBuilding perks list:...\nSaving database.\n");
  Database database = ReadDatabase(ReadFile(dir.File("perks.pdb")));
  ASSERT_EQ(database.skills.size(), names.size());
  for (size_t i = 0; i < names.size(); ++i) {
    EXPECT_EQ(database.skills[i].name, names[i]);
    EXPECT_EQ(database.skills[i].textureTypeIndex, static_cast<int32_t>(40 - i));
  }
  ASSERT_EQ(database.perks.size(), 3u);
  EXPECT_EQ(database.perks[0].name, "Zeal");
  EXPECT_EQ(database.perks[1].name, "Aim");
  EXPECT_EQ(database.perks[2].name, "Brew");
}

TEST(TalentbakeTest, SkillCellsAndDefaults) {
  TempDir dir;
  WriteFile(dir.File("Skills.txt"), std::string(kSkillsHeader) +
                                        "Melee\tMEL\t3\tStr, Dex , ,Int\n"
                                        "Tame\n"
                                        "Astral\t\t2.9\tInt\n");
  RunResult run = Bake(dir);
  ASSERT_EQ(run.exit_status, 0) << run.err;
  Database database = ReadDatabase(ReadFile(dir.File("perks.pdb")));
  ASSERT_EQ(database.skills.size(), 3u);
  EXPECT_EQ(database.skills[0].code, "MEL");
  EXPECT_EQ(database.skills[0].baseAttributes, (std::vector<std::string>{"Str", "Dex", "Int"}));
  EXPECT_EQ(database.skills[1].code, "none");
  EXPECT_EQ(database.skills[1].textureTypeIndex, -1);
  EXPECT_TRUE(database.skills[1].baseAttributes.empty());
  EXPECT_EQ(database.skills[2].textureTypeIndex, 2);  // a real truncates toward zero
  // A skill without attributes writes its list as the empty chunk 0A 00.
  EXPECT_NE(ReadFile(dir.File("perks.pdb")).find(Bytes("02 08 FF FF FF FF 0A 00")),
            std::string::npos);
}

TEST(TalentbakeTest, PerkCellsAndDefaults) {
  struct Case {
    const char* row;  // cells after Name, in header order
    const char* skill;
    int32_t eight;
    int32_t three;
    uint8_t active;
  };
  constexpr int32_t kNo = kNoSkill;
  const Case cases[] = {
      {"\t\t\t\t\tMelee\t\t\t\t\t\t\t\t\t5", "Melee", 0, kNo, 1},
      {"\t\t\t\t\tStealing\t\t\t\t\t\t\t\t\t0", "Stealing", kNo, 1, 0},
      {"\t\t\t\t\tscience", "science", kNo, 0, 1},
      {"\t\t\t\t\tTAME", "TAME", kNo, 2, 1},
      {"\t\t\t\t\tAwareness\t\t\t\t\t\t\t\t\t-1", "Awareness", 7, kNo, 1},
      {"", "none", kNo, kNo, 1},
      {"\t\t\t\t\tmelee fighting", "melee fighting", kNo, kNo, 1},
      {"\t\t\t\t\tAstral\t\t\t\t\t\t\t\t\tyes", "Astral", 5, kNo, 1},
  };
  std::string perks = kPerksHeader;
  for (size_t i = 0; i < std::size(cases); ++i) {
    perks += "Perk" + std::to_string(i) + cases[i].row + "\n";
  }
  // One row with every number column filled.
  perks += "Full\tFUL\t12\tStun\t3\tMelee\t4.7\t2\t2.5\t-1.25\t5\t-6\t150\t7\t1\n";
  TempDir dir;
  WriteFile(dir.File("Perks.txt"), perks);
  RunResult run = Bake(dir);
  ASSERT_EQ(run.exit_status, 0) << run.err;
  Database database = ReadDatabase(ReadFile(dir.File("perks.pdb")));
  ASSERT_EQ(database.perks.size(), std::size(cases) + 1);
  for (size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(cases[i].skill);
    const Perk& perk = database.perks[i];
    EXPECT_EQ(perk.skill, cases[i].skill);
    EXPECT_EQ(perk.eightSkillIndex, cases[i].eight);
    EXPECT_EQ(perk.threeSkillIndex, cases[i].three);
    EXPECT_EQ(perk.active, cases[i].active);
    EXPECT_EQ(perk.code, "none");
    EXPECT_EQ(perk.perk, "none");
    EXPECT_EQ(perk.textureTypeIndex, -1);
    EXPECT_EQ(perk.cost, 1);
    EXPECT_EQ(perk.strValue, 0.0f);
    EXPECT_EQ(perk.sl, 0);
    EXPECT_EQ(perk.perkExclusive, 0);
  }
  const Perk& full = database.perks.back();
  EXPECT_EQ(full.name, "Full");
  EXPECT_EQ(full.code, "FUL");
  EXPECT_EQ(full.textureTypeIndex, 12);
  EXPECT_EQ(full.perk, "Stun");
  EXPECT_EQ(full.perkExclusive, 3);
  EXPECT_EQ(full.sl, 4);
  EXPECT_EQ(full.strValue, 2.0f);
  EXPECT_EQ(full.dexValue, 2.5f);
  EXPECT_EQ(full.intValue, -1.25f);
  EXPECT_EQ(full.cost, 5);
  EXPECT_EQ(full.modifier, -6);
  EXPECT_EQ(full.mult, 150);
  EXPECT_EQ(full.add, 7);
  EXPECT_EQ(full.active, 1);
}

TEST(TalentbakeTest, PerkChunksFollowTheirIds) {
  TempDir dir;
  WriteFile(dir.File("Perks.txt"),
            std::string(kPerksHeader) + "P\tC\t1\tK\t9\tsense\t2\t1\t2\t3\t4\t5\t6\t7\t0\n");
  ASSERT_EQ(Bake(dir).exit_status, 0);
  EXPECT_EQ(Hex(ReadFile(dir.File("perks.pdb"))),
            Hex(Bytes("01 CA  01 00  02 C2  01 BE"  // main, empty skills, perks, one perk
                      "00 04 50 00  01 04 43 00  02 08 01 00 00 00  0A 04 4B 00"
                      "0B 0C 73 65 6E 73 65 00  0C 08 04 00 00 00  0D 08 FF FF FF 7F"
                      "0E 08 02 00 00 00  0F 08 00 00 80 3F  10 08 00 00 00 40"
                      "11 08 00 00 40 40  12 08 04 00 00 00  13 08 05 00 00 00"
                      "14 08 06 00 00 00  15 08 07 00 00 00  16 02 00  17 08 09 00 00 00"
                      "00 00  02 0C 02 08 01 00 00 00")));
}

// Malformed tables end in a database (with what could be read) or in a
// clear message, never in a crash or a partial file.
TEST(TalentbakeTest, BadTablesNeverCrashOrLeavePartialFiles) {
  const std::string noise = testsupport::RandomBytes(4096, 20240611);
  const std::string texty_noise =
      testsupport::RandomText(4096, "ab%[]=\t\t\r\n\n ,.0123456789-", 20240612);

  struct Case {
    const char* what;
    std::string table;
  };
  const Case cases[] = {
      {"random bytes", noise},
      {"random table-like text", texty_noise},
      {"random bytes after a header", kSkillsHeader + noise},
      {"empty file", ""},
      {"header only", kSkillsHeader},
      {"header without line feed", "Name\tCode"},
      {"fewer cells than columns", std::string(kSkillsHeader) + "Melee\n"},
      {"more cells than columns", std::string(kSkillsHeader) + "Melee\tMEL\t1\tStr\tx\ty\tz\n"},
      {"first cell ending in %", std::string(kSkillsHeader) + "Crit%\tCRT\n%\tX\n"},
      {"carriage returns", "Name\tCode\r\nMelee\tMEL\r\n\r\nTame\tTAM\r\n"},
      {"brackets and equals signs", "Na=me\t[Code]\n[x]\ty=z\n]\t[\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TempDir dir;
    WriteFile(dir.File("Skills.txt"), c.table);
    WriteFile(dir.File("Perks.txt"), c.table);
    RunResult run = Bake(dir);
    ASSERT_FALSE(run.signaled) << run.err;
    ASSERT_EQ(run.exit_status, 0) << run.err;
    EXPECT_TRUE(run.out.starts_with("Building skills list:")) << run.out;
    EXPECT_TRUE(run.out.ends_with("Saving database.\n")) << run.out;
    std::vector<std::string> files = testsupport::ListDir(dir.path());
    for (const std::string& file : files) {
      EXPECT_TRUE(file == "Skills.txt" || file == "Perks.txt" || file == "perks.pdb" ||
                  file == "tempreg.reg")
          << file;
    }
    Database database = ReadDatabase(ReadFile(dir.File("perks.pdb")));
    EXPECT_EQ(database.skills.size(), database.perks.size());
  }
}

TEST(TalentbakeTest, RowsOfOddShapes) {
  TempDir dir;
  WriteFile(dir.File("Skills.txt"), std::string(kSkillsHeader) +
                                        "Melee\n"                              // fewer cells
                                        "Sense\tSNS\t4\tInt\textra\tcells\n"   // more cells
                                        "Crit%\tCRT%\t50%\n"                   // percent signs
                                        "\tnot a row\n"                        // no key
                                        "\r\n"                                 // no key either
                                        "Tame\tTAM\n"
                                        "\n"                                   // ends the table
                                        "Lost\tLST\n");
  RunResult run = Bake(dir);
  ASSERT_EQ(run.exit_status, 0) << run.err;
  EXPECT_TRUE(run.out.starts_with("Building skills list:....\n")) << run.out;
  Database database = ReadDatabase(ReadFile(dir.File("perks.pdb")));
  ASSERT_EQ(database.skills.size(), 4u);
  EXPECT_EQ(database.skills[0].name, "Melee");
  EXPECT_EQ(database.skills[0].code, "none");
  EXPECT_EQ(database.skills[1].baseAttributes, std::vector<std::string>{"Int"});
  EXPECT_EQ(database.skills[2].name, "Crit");
  EXPECT_EQ(database.skills[2].code, "CRT");
  EXPECT_EQ(database.skills[2].textureTypeIndex, 50);
  EXPECT_EQ(database.skills[3].name, "Tame");
}

TEST(TalentbakeTest, UnwritableOutputDirectoryFailsWithoutDatabase) {
  TempDir dir;
  WriteFile(dir.File("Skills.txt"), std::string(kSkillsHeader) + "Melee\tMEL\n");
  RunResult run = Bake(dir, {"missing/dir"});
  EXPECT_EQ(run.exit_status, 1);
  EXPECT_TRUE(run.out.ends_with("Saving database.\n")) << run.out;
  EXPECT_NE(run.err.find("missing/dir/perks.pdb"), std::string::npos) << run.err;
  EXPECT_EQ(testsupport::ListDir(dir.path()),
            (std::vector<std::string>{"Skills.txt", "tempreg.reg"}));
}

TEST(TalentbakeTest, ExampleTablesBake) {
  TempDir dir;
  for (const char* table : {kSkillsTable, kPerksTable}) {
    WriteFile(dir.File(table), testsupport::ExampleTable("talentbake", table));
  }
  RunResult run = Bake(dir);
  ASSERT_EQ(run.exit_status, 0) << run.err;
  EXPECT_EQ(run.err, "");
  Database database = ReadDatabase(ReadFile(dir.File("perks.pdb")));
  EXPECT_EQ(database.skills.size(), 11u);
  EXPECT_GE(database.perks.size(), 11u);
  for (const Perk& perk : database.perks) {
    EXPECT_TRUE(perk.eightSkillIndex != kNoSkill || perk.threeSkillIndex != kNoSkill)
        << perk.name << " names no skill of the game";
  }
}

}  // namespace
}  // namespace talentbake
