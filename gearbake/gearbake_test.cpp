// gearbake end to end: fixture tables in a temporary directory, the real
// program (and the converter beside it), the console and items.idb checked
// byte for byte or read back through the records' own Serialize.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "buildlib/builder_frame.h"
#include "buildlib/chunk_archive.h"
#include "buildlib/streams.h"
#include "gearbake/item_database.h"
#include "testsupport/test_support.h"

namespace gearbake {
namespace {

using testsupport::Hex;
using testsupport::ReadFile;
using testsupport::RunResult;
using testsupport::TempDir;
using testsupport::WriteFile;

constexpr int32_t kNoSuchKind = std::numeric_limits<int32_t>::max();

// ---- Tables ---------------------------------------------------------------

// A two-row-header table. Columns are "Group|Column" or a bare name; adjacent
// columns of one group share its heading, and a group with one column is
// headed by its full name, so "Loot|Type" alone becomes the column "Loot Type".
std::string Table(const std::vector<std::string>& columns,
                  const std::vector<std::vector<std::string>>& rows) {
  struct Group {
    std::string name;
    std::vector<std::string> subs;
  };
  std::vector<Group> groups;
  for (const std::string& column : columns) {
    size_t bar = column.find('|');
    std::string group = bar == std::string::npos ? column : column.substr(0, bar);
    std::string sub = bar == std::string::npos ? "" : column.substr(bar + 1);
    if (bar == std::string::npos || groups.empty() || groups.back().name != group) {
      groups.push_back({group, {}});
    }
    groups.back().subs.push_back(sub);
  }
  std::vector<std::string> first, second;
  for (const Group& group : groups) {
    const bool alone = group.subs.size() == 1;
    for (size_t i = 0; i < group.subs.size(); ++i) {
      std::string heading;
      if (i == 0) heading = alone && !group.subs[0].empty() ? group.name + " " + group.subs[0]
                                                             : group.name;
      first.push_back(heading);
      second.push_back(alone ? std::string() : group.subs[i]);
    }
  }
  auto join = [](const std::vector<std::string>& cells) {
    std::string line;
    for (size_t i = 0; i < cells.size(); ++i) line += (i ? "\t" : "") + cells[i];
    return line + "\r\n";
  };
  std::string text = join(first) + join(second);
  for (const auto& row : rows) text += join(row);
  return text;
}

// ---- Reading items.idb back -------------------------------------------------

struct Items {
  std::vector<MaterialPrototype> materials;
  std::vector<WeaponPrototype> weapons;
  std::vector<ArmorPrototype> armors;
  std::vector<QuickItemPrototype> quick;
  std::vector<QuestItemPrototype> quest;
  std::vector<LootItemPrototype> loot;
};

Items ReadItems(const std::string& path) {
  Items items;
  EXPECT_TRUE(testsupport::FileExists(path)) << path;
  buildlib::ReadDatabase(ReadFile(path), [&](buildlib::ChunkArchive& archive) {
    archive.SerializeList(1, items.materials);
    archive.SerializeList(2, items.weapons);
    archive.SerializeList(3, items.armors);
    archive.SerializeList(4, items.quick);
    archive.SerializeList(5, items.quest);
    archive.SerializeList(6, items.loot);
  });
  return items;
}

// ---- Expected bytes ---------------------------------------------------------

using testsupport::Chunk;

std::string U32(uint32_t v) {
  std::string out;
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
  return out;
}
std::string I32(int32_t v) { return U32(static_cast<uint32_t>(v)); }
std::string F32(float f) {
  uint32_t u;
  std::memcpy(&u, &f, 4);
  return U32(u);
}
std::string Text(const std::string& s) { return s + std::string(1, '\0'); }
std::string Byte(int v) { return std::string(1, static_cast<char>(v)); }

// A file whose main chunk holds the six lists, `lists[i]` being list i+1's content.
std::string Database(const std::vector<std::string>& lists) {
  std::string main;
  for (size_t i = 0; i < 6; ++i) main += Chunk(static_cast<uint8_t>(i + 1), lists[i]);
  return Chunk(1, main) + Chunk(0, "") + Chunk(2, Chunk(2, I32(1)));
}

// The sixteen shared value chunks.
struct Shared {
  std::string name, type_name;
  int32_t type_index = 0;
  std::string material;
  int32_t texture = -1, texture2 = -1;
  float price = 1, weight = 1, size = 1, mana = 0;
  int32_t slots = 0;
  float durability = 1;
  int32_t components = 1;
  uint32_t shop = 0;
  int deconstructable = 0;
};
std::string SharedChunks(const Shared& s) {
  return Chunk(0, Text(s.name)) + Chunk(1, Text(s.type_name)) + Chunk(2, I32(s.type_index)) +
         Chunk(3, Text(s.material)) + Chunk(4, I32(0)) + Chunk(5, I32(s.texture)) +
         Chunk(6, I32(s.texture2)) + Chunk(7, F32(s.price)) + Chunk(8, F32(s.weight)) +
         Chunk(9, F32(s.size)) + Chunk(10, F32(s.mana)) + Chunk(11, I32(s.slots)) +
         Chunk(12, F32(s.durability)) + Chunk(13, I32(s.components)) + Chunk(14, U32(s.shop)) +
         Chunk(15, Byte(s.deconstructable));
}

// ---- Running ---------------------------------------------------------------

// A temporary directory with an output directory "out" in it.
class Workspace {
 public:
  Workspace() { ::mkdir(dir_.File("out").c_str(), 0755); }
  void Put(const std::string& name, const std::string& text) { WriteFile(dir_.File(name), text); }
  RunResult Bake(std::vector<std::string> args = {"out"}) {
    return testsupport::Run(testsupport::ProgramPath("gearbake"), args, dir_.path());
  }
  std::string Database() const { return ReadFile(dir_.File("out/items.idb")); }
  bool HasDatabase() const { return testsupport::FileExists(dir_.File("out/items.idb")); }
  Items Read() const { return ReadItems(dir_.File("out/items.idb")); }
  const TempDir& dir() const { return dir_; }

 private:
  TempDir dir_;
};

const char* const kTitles[] = {"Building materials list:", "Building weapons list:",
                               "Building armors list:",    "Building quick items list:",
                               "Building quest items list:", "Building loot items list:"};
const char* const kTables[] = {"Materials.txt",  "Weapons.txt",    "Armors.txt",
                               "QuickItems.txt", "QuestItems.txt", "LootItems.txt"};

// ---- Command line and flow ----------------------------------------------------

TEST(GearbakeRun, WrongArgumentCountPrintsUsageOnly) {
  const std::string kUsage =
      "Items database builder.\n"
      "Compiles the materials, weapons, armours, quick, quest and loot item tables\n"
      "from the current directory into items.idb.\n"
      "\tUsage:\n"
      "\t  gearbake <output path>\n";
  for (const std::vector<std::string>& args :
       std::vector<std::vector<std::string>>{{}, {"out", "more"}}) {
    Workspace ws;
    ws.Put("Materials.txt", Table({"Name"}, {{"Iron"}}));
    RunResult run = ws.Bake(args);
    EXPECT_EQ(run.exit_status, 255);
    EXPECT_EQ(run.out, kUsage);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(testsupport::ListDir(ws.dir().path()),
              (std::vector<std::string>{"Materials.txt", "out"}));
  }
}

TEST(GearbakeRun, OutputDirectoryWithOrWithoutSeparator) {
  std::string first;
  for (const char* out : {"out", "out/", "out\\"}) {
    Workspace ws;
    ws.Put("Materials.txt", Table({"Name"}, {{"Iron"}}));
    RunResult run = ws.Bake({out});
    EXPECT_EQ(run.exit_status, 0) << out;
    ASSERT_TRUE(ws.HasDatabase()) << out;
    if (first.empty()) first = ws.Database();
    EXPECT_EQ(ws.Database(), first) << out;
  }
}

TEST(GearbakeRun, OnlyMaterialsPresent) {
  Workspace ws;
  ws.Put("Materials.txt",
         Table({"Name", "Material|Type", "Material|Code Name", "Material|Skill", "Material|Damage",
                "General|Price", "General|Weight", "General|Mana", "General|Slots",
                "General|Durability", "Absorption|Piercing", "Absorption|Slashing",
                "Absorption|Bludgeoning", "Absorption|Termal", "Absorption|Chemic",
                "Absorption|Electric", "Absorption|General", "Absorption|Crippled",
                "Available In Shop|1", "Available In Shop|2", "Available In Shop|3",
                "Available In Shop|4", "Available In Shop|5"},
               {{"Iron", "Metal", "IRN", "2", "1.5", "10", "2.5", "0", "3", "100", "10", "20",
                 "30", "40", "", "60", "70", "1, 4", "", "1", "", "", "1"},
                {"Oak Wood"},
                {"Silk", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "2", "3"}}));
  RunResult run = ws.Bake();
  EXPECT_EQ(run.exit_status, 0);
  std::string expected_out = "Building materials list:...\n";
  for (int i = 1; i < 6; ++i) {
    expected_out += std::string(kTitles[i]) + "Can't open file \"" + kTables[i] + "\".\n";
  }
  expected_out += "Saving database.\n";
  EXPECT_EQ(run.out, expected_out);
  EXPECT_EQ(run.err, "");
  // The registry file of the last converted table stays; the INI file does not.
  EXPECT_EQ(testsupport::ListDir(ws.dir().path()),
            (std::vector<std::string>{"Materials.txt", "out", "tempreg.reg"}));

  auto material = [](const std::string& name, const std::string& type, const std::string& code,
                     int32_t index, float price, float weight, float mana, int32_t slots,
                     float durability, int32_t skill, float damage,
                     std::vector<float> absorption, uint32_t crippled, uint32_t shop) {
    std::string absorption_bytes;
    for (float a : absorption) absorption_bytes += F32(a);
    return Chunk(1, Chunk(0, Text(name)) + Chunk(1, Text(type)) + Chunk(2, Text(code)) +
                        Chunk(3, I32(index)) + Chunk(4, F32(price)) + Chunk(5, F32(weight)) +
                        Chunk(6, F32(mana)) + Chunk(7, I32(slots)) + Chunk(8, F32(durability)) +
                        Chunk(9, I32(skill)) + Chunk(10, F32(damage)) +
                        Chunk(11, absorption_bytes) + Chunk(12, U32(crippled)) +
                        Chunk(13, U32(shop)));
  };
  const std::string materials =
      material("iron", "Metal", "IRN", 0, 10, 2.5f, 0, 3, 100, 2, 1.5f,
               {10, 20, 30, 40, -1, 60, 70}, 18, 18) +
      material("oak wood", "none", "none", 1, -1, -1, -1, 0, -1, 0, -1,
               {-1, -1, -1, -1, -1, -1, -1}, 0, 0) +
      material("silk", "none", "none", 2, -1, -1, -1, 0, -1, 0, -1,
               {-1, -1, -1, -1, -1, -1, -1}, 4, 3);
  EXPECT_EQ(Hex(ws.Database()), Hex(Database({materials, "", "", "", "", ""})));
}

TEST(GearbakeRun, HeaderOnlyTablesGiveEmptyLists) {
  Workspace ws;
  for (const char* table : kTables) ws.Put(table, Table({"Name", "General|Price", "General|Weight"}, {}));
  RunResult run = ws.Bake();
  EXPECT_EQ(run.exit_status, 0);
  std::string expected_out;
  for (const char* title : kTitles) expected_out += std::string(title) + "\n";
  EXPECT_EQ(run.out, expected_out + "Saving database.\n");
  EXPECT_EQ(Hex(ws.Database()), Hex(Database({"", "", "", "", "", ""})));
}

TEST(GearbakeRun, RecordsKeepRowOrderAndSkipRowsWithoutKey) {
  Workspace ws;
  std::vector<std::vector<std::string>> rows;
  std::vector<std::string> expected;
  // Names that differ only in digits share hash chains in the registry file.
  for (int i = 40; i > 0; --i) {
    std::string name = "Coin " + std::to_string(i * 7 % 41);
    rows.push_back({name, "5"});
    expected.push_back("coin " + std::to_string(i * 7 % 41));
    if (i == 20) rows.push_back({"", "9"});
  }
  ws.Put("QuestItems.txt", Table({"Name", "Quest Items|ScriptID", "Quest Items|Zones"}, rows));
  RunResult run = ws.Bake();
  ASSERT_EQ(run.exit_status, 0);
  std::vector<std::string> names;
  for (const auto& item : ws.Read().quest) names.push_back(item.name);
  EXPECT_EQ(names, expected);
}

// ---- Shared item columns ---------------------------------------------------------

TEST(GearbakeItems, SharedColumnsAndDefaults) {
  Workspace ws;
  ws.Put("QuestItems.txt",
         Table({"Name", "Graphics Data|Texture Type Index", "Graphics Data|Texture Type Index 2",
                "General|Price", "General|Weight", "General|Size", "General|Mana",
                "General|Slots", "General|Durability", "General|Components",
                "General|Deconstructable", "Available In Shop|1", "Available In Shop|2",
                "Available In Shop|3", "Available In Shop|4", "Available In Shop|5"},
               {{"Long Sword", "4", "5", "12.5", "3", "2", "0.5", "1", "80", "2", "7", "", "1",
                 "", "", "1"},
                {"Two Shops", "", "", "", "", "", "", "", "", "", "0", "1", "", "1"},
                {"Three In One", "", "", "", "", "", "", "", "", "", "", "3"},
                {"Bare"}}));
  ws.Put("LootItems.txt", Table({"Key", "Loot|Type"}, {{"Nameless", "treasure"}}));
  ASSERT_EQ(ws.Bake().exit_status, 0);

  auto quest = [](const Shared& shared) {
    return Chunk(1, SharedChunks(shared) + Chunk(21, I32(0)) + Chunk(22, ""));
  };
  Shared full;
  full.name = "long sword";
  full.texture = 4;
  full.texture2 = 5;
  full.price = 12.5f;
  full.weight = 3;
  full.size = 2;
  full.mana = 0.5f;
  full.slots = 1;
  full.durability = 80;
  full.components = 2;
  full.shop = 18;
  full.deconstructable = 1;
  Shared two_shops;
  two_shops.name = "two shops";
  two_shops.shop = 5;
  Shared three_in_one;
  three_in_one.name = "three in one";
  three_in_one.shop = 3;  // values are not reduced to 0 or 1
  Shared bare;            // every default
  bare.name = "bare";
  Shared nameless;        // no "Name" column
  nameless.name = "none";
  nameless.type_name = "treasure";
  const std::string loot =
      Chunk(1, SharedChunks(nameless) + Chunk(21, I32(0)) + Chunk(22, I32(kNoSuchKind)) +
                   Chunk(23, I32(-3)));
  EXPECT_EQ(Hex(ws.Database()),
            Hex(Database({"", "", "", "",
                          quest(full) + quest(two_shops) + quest(three_in_one) + quest(bare),
                          loot})));
}

// ---- Weapons ------------------------------------------------------------------

const std::vector<std::string> kWeaponColumns = {
    "Name", "Weapon|Type", "Weapon|Material Type", "Weapon|Range", "Weapon|Damage Min",
    "Weapon|Damage Max", "Weapon|Actions", "Damage proportions|Piercing",
    "Damage proportions|Slashing", "Damage proportions|Bludgeoning", "Damage proportions|Termal",
    "Damage proportions|Chemic", "Damage proportions|Electric", "Damage proportions|General",
    "General|Price", "Lists"};

TEST(GearbakeWeapons, ElementLayout) {
  Workspace ws;
  ws.Put("Weapons.txt",
         Table(kWeaponColumns, {{"Long Sword", "Sword", "Steel", "1.5", "20", "50", "2", "10",
                                 "75", "", "", "", "", "15", "300",
                                 "melee 2, Attack 1.5, defence 3, melee 4, science 1"}}));
  RunResult run = ws.Bake();
  ASSERT_EQ(run.exit_status, 0) << run.err;
  Shared shared;
  shared.name = "long sword";
  shared.type_name = "sword";
  shared.type_index = 0;
  shared.material = "Steel";
  shared.price = 300;
  std::string proportions = F32(10 * 0.01f) + F32(75 * 0.01f) + F32(-1 * 0.01f) +
                            F32(-1 * 0.01f) + F32(-1 * 0.01f) + F32(-1 * 0.01f) +
                            F32(15 * 0.01f);
  const std::string weapon =
      Chunk(1, SharedChunks(shared) + Chunk(21, I32(2)) + Chunk(22, I32(0) + I32(0)) +
                   Chunk(23, F32(1.5f)) + Chunk(24, F32(2.0f)) + Chunk(25, F32(3.0f)) +
                   Chunk(26, proportions) + Chunk(27, Byte(1) + Byte(0) + Byte(0)) +
                   Chunk(28, Byte(4) + std::string(7, '\0')) + Chunk(29, F32(1.5f)) +
                   Chunk(30, F32(3.0f)));
  EXPECT_EQ(Hex(ws.Database()), Hex(Database({"", weapon, "", "", "", ""})));
  EXPECT_EQ(75 * 0.01f, 0.75f);
}

TEST(GearbakeWeapons, DamageScalingAndSkillEntries) {
  Workspace ws;
  ws.Put("Weapons.txt",
         Table(kWeaponColumns,
               {{"Bare", "Bow"},
                {"Odd", "crossbow", "", "", "7", "", "", "", "", "", "", "", "", "", "",
                 "attack, Melee 3, archery   -2, melee 5, tame, stealth 300, defence x, "
                 "DEFENCE -2.25e1"},
                {"Neg", "axe", "", "", "-5", "-2.5"}}));
  ASSERT_EQ(ws.Bake().exit_status, 0);
  Items items = ws.Read();
  ASSERT_EQ(items.weapons.size(), 3u);
  const WeaponPrototype& bare = items.weapons[0];
  EXPECT_EQ(bare.typeIndex, 5);
  EXPECT_EQ(bare.materialName, "none");
  EXPECT_EQ(bare.range, -1.0f);
  EXPECT_EQ(bare.damageMin, -1.0f * 0.1f);
  EXPECT_EQ(bare.damageSpread, 0.0f);
  EXPECT_EQ(bare.damageProportions[0], -1.0f * 0.01f);
  EXPECT_EQ(bare.skills.eightSkills, (std::array<int8_t, 8>{}));
  EXPECT_EQ(bare.skills.threeSkills, (std::array<int8_t, 3>{}));
  EXPECT_EQ(bare.attack, 0.0f);
  EXPECT_EQ(bare.defence, 0.0f);

  const WeaponPrototype& odd = items.weapons[1];
  EXPECT_EQ(odd.typeIndex, 6);
  EXPECT_EQ(odd.damageMin, 7 * 0.1f);
  EXPECT_EQ(odd.damageSpread, -1 * 0.1f - 7 * 0.1f);  // max cell missing
  EXPECT_EQ(odd.skills.eightSkills, (std::array<int8_t, 8>{5, -2, 0, 0, 0, 0, 44, 0}));
  EXPECT_EQ(odd.skills.threeSkills, (std::array<int8_t, 3>{}));
  EXPECT_EQ(odd.attack, 0.0f);     // "attack" without a value is ignored
  EXPECT_EQ(odd.defence, -22.5f);  // a later entry replaces "defence x" (0.0)

  const WeaponPrototype& neg = items.weapons[2];
  EXPECT_EQ(neg.damageMin, -5 * 0.1f);
  EXPECT_EQ(neg.damageSpread, -2.5f * 0.1f - -5 * 0.1f);
}

// ---- Armours --------------------------------------------------------------------

const std::vector<std::string> kArmorColumns = {
    "Name", "Armor|Type", "Armor|Material Type", "Main|Absorption", "Main|Piercing",
    "Main|Slashing", "Main|Bludgeoning", "Main|Termal", "Main|Chemic", "Main|Electric",
    "Main|General", "Main|Crippled", "Additional|Absorption", "Additional|Piercing",
    "Additional|Slashing", "Additional|Bludgeoning", "Additional|Termal", "Additional|Chemic",
    "Additional|Electric", "Additional|General", "Additional|Crippled",
    "Graphics Data|Apply Wounds", "Graphics Data|Wear Order", "Lists"};

TEST(GearbakeArmors, ElementLayout) {
  Workspace ws;
  ws.Put("Armors.txt",
         Table(kArmorColumns,
               {{"Iron Gloves", "Gloves", "Iron", "30", "25", "10", "5", "0", "1", "2", "3", "1",
                 "12", "40", "", "", "", "", "", "100", "2", "0", "4", "stealth 2, tame 1"}}));
  ASSERT_EQ(ws.Bake().exit_status, 0);
  Shared shared;
  shared.name = "iron gloves";
  shared.type_name = "gloves";
  shared.type_index = 6;
  shared.material = "Iron";
  std::string main = F32(30 * 0.1f) + F32(25 * 0.01f) + F32(10 * 0.01f) + F32(5 * 0.01f) +
                     F32(0 * 0.01f) + F32(1 * 0.01f) + F32(2 * 0.01f) + F32(3 * 0.01f) + U32(2);
  std::string additional = F32(12 * 0.1f) + F32(40 * 0.01f) + F32(-1 * 0.01f) +
                           F32(-1 * 0.01f) + F32(-1 * 0.01f) + F32(-1 * 0.01f) +
                           F32(-1 * 0.01f) + F32(100 * 0.01f) + U32(4);
  const std::string armor =
      Chunk(1, SharedChunks(shared) + Chunk(21, main) + Chunk(22, additional) +
                   Chunk(23, Byte(0)) + Chunk(24, I32(4)) +
                   Chunk(25, Byte(0) + Byte(0) + Byte(1)) +
                   Chunk(26, std::string(6, '\0') + Byte(2) + Byte(0)));
  EXPECT_EQ(Hex(ws.Database()), Hex(Database({"", "", armor, "", "", ""})));
  EXPECT_EQ(30 * 0.1f, 3.0f);
  EXPECT_EQ(25 * 0.01f, 0.25f);
}

TEST(GearbakeArmors, ProtectionDefaultsAndIndependentMasks) {
  Workspace ws;
  ws.Put("Armors.txt",
         Table(kArmorColumns,
               {{"Bare", "helm"},
                {"Masks", "PLATE", "", "", "", "", "", "", "", "", "", "0, 3, 35", "", "", "", "",
                 "", "", "", "", "-1", "7"}}));
  ASSERT_EQ(ws.Bake().exit_status, 0);
  Items items = ws.Read();
  ASSERT_EQ(items.armors.size(), 2u);
  const ArmorPrototype& bare = items.armors[0];
  EXPECT_EQ(bare.typeIndex, 0);
  EXPECT_EQ(bare.materialName, "none");
  for (const ProtectionBlock* block : {&bare.mainProtection, &bare.additionalProtection}) {
    EXPECT_EQ(block->absorption, -1.0f * 0.1f);
    for (float damage : block->damage) EXPECT_EQ(damage, -1.0f * 0.01f);
    EXPECT_EQ(block->crippledMask, 0u);
  }
  EXPECT_EQ(bare.applyWounds, 1);
  EXPECT_EQ(bare.wearOrder, 0);
  const ArmorPrototype& masks = items.armors[1];
  EXPECT_EQ(masks.typeName, "plate");
  EXPECT_EQ(masks.typeIndex, 1);
  EXPECT_EQ(masks.mainProtection.crippledMask, 9u);  // 35 AND 31 = 3
  EXPECT_EQ(masks.additionalProtection.crippledMask, 0x80000000u);
  EXPECT_EQ(masks.applyWounds, 1);  // 7 is non-zero
}

// ---- Quick, quest and loot items ------------------------------------------------------

TEST(GearbakeSmallItems, ElementLayouts) {
  Workspace ws;
  ws.Put("QuickItems.txt",
         Table({"Name", "Quick Items|Type", "Quick Items|Material Type", "Quick Items|Skill",
                "Quick Items|Damage", "Quick Items|Damage Type", "Quick Items|Spell", "Lists"},
               {{"Fire Scroll", "Scroll", "Paper", "3", "12.5", "Fire", "", "science 2"}}));
  ws.Put("QuestItems.txt", Table({"Name", "Quest Items|ScriptID", "Quest Items|Zones"},
                                 {{"Old Key", "17", ""}, {"Map", "", "cave, Upper Forest"}}));
  ws.Put("LootItems.txt",
         Table({"Name", "Loot|Type", "Loot|Material", "Loot|Scrap Material"},
               {{"Rune", "Instruction", "5", "Stone"}}));
  ASSERT_EQ(ws.Bake().exit_status, 0);

  Shared quick;
  quick.name = "fire scroll";
  quick.type_name = "scroll";
  quick.material = "Paper";
  const std::string quick_item =
      Chunk(1, SharedChunks(quick) + Chunk(21, I32(8)) + Chunk(22, I32(3)) +
                   Chunk(23, F32(12.5f)) + Chunk(24, I32(6)) + Chunk(25, Text("")) +
                   Chunk(26, Byte(2) + Byte(0) + Byte(0)) + Chunk(27, std::string(8, '\0')));
  Shared key;
  key.name = "old key";
  Shared map;
  map.name = "map";
  const std::string quest_items =
      Chunk(1, SharedChunks(key) + Chunk(21, I32(17)) + Chunk(22, "")) +
      Chunk(1, SharedChunks(map) + Chunk(21, I32(0)) +
                   Chunk(22, Chunk(1, Text("cave")) + Chunk(1, Text("Upper Forest"))));
  Shared rune;
  rune.name = "rune";
  rune.type_name = "instruction";
  rune.material = "Stone";
  const std::string loot_item =
      Chunk(1, SharedChunks(rune) + Chunk(21, I32(2)) + Chunk(22, I32(4)) + Chunk(23, I32(2)));
  EXPECT_EQ(Hex(ws.Database()), Hex(Database({"", "", "", quick_item, quest_items, loot_item})));
}

TEST(GearbakeSmallItems, LookupsAndFallbacks) {
  Workspace ws;
  ws.Put("QuickItems.txt",
         Table({"Name", "Quick Items|Type", "Quick Items|Damage Type", "Quick Items|Spell"},
               {{"Potion", "potion"}, {"Zapper", "WAND", "Electric", "Bolt"}, {"Nothing"}}));
  ws.Put("QuestItems.txt",
         Table({"Name", "Quest Items|ScriptID", "Quest Items|Zones"}, {{"Idol", "", "cave"}}));
  ws.Put("LootItems.txt",
         Table({"Name", "Loot|Type", "Loot|Material"},
               {{"Instruction Armor", "Treasure", ""},
                {"Gold Coins", "", "-2147483648"},
                {"PROTOTYPE", "material", "3"},
                {"Instruction Quick Item", "instruction ", "2147483647"}}));
  RunResult run = ws.Bake();
  ASSERT_EQ(run.exit_status, 0);
  EXPECT_EQ(run.err, "");  // these lookups never report
  Items items = ws.Read();
  ASSERT_EQ(items.quick.size(), 3u);
  EXPECT_EQ(items.quick[0].quickItemType, kNoSuchKind);
  EXPECT_EQ(items.quick[0].damageType, 0);
  EXPECT_EQ(items.quick[1].quickItemType, 5);
  EXPECT_EQ(items.quick[1].typeName, "wand");
  EXPECT_EQ(items.quick[1].damageType, 5);
  EXPECT_EQ(items.quick[1].spell, "Bolt");
  EXPECT_EQ(items.quick[2].typeName, "none");
  EXPECT_EQ(items.quick[2].materialName, "none");
  EXPECT_EQ(items.quick[2].quickItemType, kNoSuchKind);
  EXPECT_EQ(items.quick[2].spell, "");

  ASSERT_EQ(items.quest.size(), 1u);
  EXPECT_EQ(items.quest[0].zones, (std::vector<std::string>{"cave"}));
  EXPECT_EQ(items.quest[0].typeName, "");
  EXPECT_EQ(items.quest[0].materialName, "");

  struct Expected {
    const char* name;
    int32_t type, kind, material;
  };
  const Expected kLoot[] = {
      {"instruction armor", 0, 1, -3},
      {"gold coins", kNoSuchKind, kNoSuchKind, 2147483645},  // wraps, never overflows
      {"prototype", 1, 3, 0},
      {"instruction quick item", 2, 2, 2147483644},
  };
  ASSERT_EQ(items.loot.size(), 4u);
  for (size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(items.loot[i].name, kLoot[i].name);
    EXPECT_EQ(items.loot[i].lootType, kLoot[i].type) << kLoot[i].name;
    EXPECT_EQ(items.loot[i].lootKind, kLoot[i].kind) << kLoot[i].name;
    EXPECT_EQ(items.loot[i].lootMaterial, kLoot[i].material) << kLoot[i].name;
    EXPECT_EQ(items.loot[i].typeIndex, 0);
    EXPECT_EQ(items.loot[i].materialName, "");
  }
}

// ---- Errors -------------------------------------------------------------------------

std::vector<std::vector<std::string>> UnknownTypeRows(int count, const char* prefix) {
  std::vector<std::vector<std::string>> rows;
  for (int i = 0; i < count; ++i) {
    rows.push_back({std::string(prefix) + std::to_string(i), "Club " + std::to_string(i)});
  }
  return rows;
}

TEST(GearbakeErrors, NineUnknownTypesStillWriteTheDatabase) {
  Workspace ws;
  auto rows = UnknownTypeRows(6, "W");
  rows.push_back({"Plain"});  // no type cell: "none" is unknown too
  ws.Put("Weapons.txt", Table({"Name", "Weapon|Type", "Weapon|Range"}, rows));
  ws.Put("Armors.txt", Table({"Name", "Armor|Type", "Armor|Wear"},
                             {{"Hat", "Helmet"}, {"Ok", "boots"}, {"Bare"}}));
  RunResult run = ws.Bake();
  EXPECT_EQ(run.exit_status, 0);
  std::string expected_err;
  for (int i = 0; i < 6; ++i) expected_err += "ERROR: Unknown weapon name: \"club " + std::to_string(i) + "\".\n";
  expected_err += "ERROR: Unknown weapon name: \"none\".\n";
  expected_err += "ERROR: Unknown armor name: \"helmet\".\n";
  expected_err += "ERROR: Unknown armor name: \"none\".\n";
  EXPECT_EQ(run.err, expected_err);
  ASSERT_TRUE(ws.HasDatabase());
  Items items = ws.Read();
  ASSERT_EQ(items.weapons.size(), 7u);
  EXPECT_EQ(items.weapons[0].typeName, "club 0");
  EXPECT_EQ(items.weapons[0].typeIndex, 7);
  EXPECT_EQ(items.weapons[6].typeName, "none");
  ASSERT_EQ(items.armors.size(), 3u);
  EXPECT_EQ(items.armors[0].typeIndex, 7);
  EXPECT_EQ(items.armors[1].typeIndex, 5);
}

TEST(GearbakeErrors, TenthUnknownTypeEndsTheRunWithoutDatabase) {
  Workspace ws;
  ws.Put("Weapons.txt", Table({"Name", "Weapon|Type", "Weapon|Range"}, UnknownTypeRows(5, "W")));
  ws.Put("Armors.txt", Table({"Name", "Armor|Type", "Armor|Wear"}, UnknownTypeRows(5, "A")));
  ws.Put("QuickItems.txt", Table({"Name", "Quick Items|Type", "Quick Items|Skill"}, {{"Pick"}}));
  RunResult run = ws.Bake();
  EXPECT_FALSE(run.signaled);
  EXPECT_EQ(run.exit_status, 255);
  std::string expected_err;
  for (int i = 0; i < 5; ++i) expected_err += "ERROR: Unknown weapon name: \"club " + std::to_string(i) + "\".\n";
  for (int i = 0; i < 5; ++i) expected_err += "ERROR: Unknown armor name: \"club " + std::to_string(i) + "\".\n";
  EXPECT_EQ(run.err, expected_err);
  EXPECT_EQ(run.out, "Building materials list:Can't open file \"Materials.txt\".\n"
                     "Building weapons list:.....\n"
                     "Building armors list:.....");
  EXPECT_FALSE(ws.HasDatabase());
  EXPECT_EQ(testsupport::ListDir(ws.dir().path() + "/out"), std::vector<std::string>{});
}

// ---- Bad input --------------------------------------------------------------------

TEST(GearbakeRobustness, DamagedTablesNeverCrash) {
  const std::string kLong(5000, 'x');
  const std::vector<std::string> kBodies = {
      std::string("\0\xff\xfe\t\n\x01\x02", 7),
      "Name\n",  // one header row only
      "Name\tGeneral\t\n\tPrice\tWeight\nA\t1\t2\t3\t4\t5\t6\n",  // more cells than columns
      "\t\t\n\t\t\n\t\t\n",
      "Name\tWeapon\t\t\tLists\tAvailable In Shop\t\n\tType\tDamage Min\tDamage Max\t\t1\t2\n"
      "big\tsword\t1e39\t-1e39\t" + kLong + " 5, , ,melee 99999999999999\t-1\t99999999999\n"
      "[odd]\tsword\tnan\tinf\tmelee -2147483649\t2147483647\t-2147483648\n"
      "é\xe9\tbow\t0x10\t1e-50\tattack 1e99999\t\t\n",
      "Name\tLoot\t\n\tMaterial\tType\nx\t-2147483648\t" + kLong + "\n",
  };
  for (const std::string& body : kBodies) {
    Workspace ws;
    for (const char* table : kTables) ws.Put(table, body);
    RunResult run = ws.Bake();
    EXPECT_FALSE(run.signaled) << Hex(body.substr(0, 40));
    EXPECT_TRUE(run.exit_status == 0 || run.exit_status == 255) << run.err;
    EXPECT_EQ(run.exit_status == 0, ws.HasDatabase());
  }
}

// ---- The example tables ------------------------------------------------------------

TEST(GearbakeExamples, BakeTheSameBytesTwice) {
  std::string first;
  for (int round = 0; round < 2; ++round) {
    Workspace ws;
    for (const char* table : kTables) {
      ws.Put(table, testsupport::ExampleTable("gearbake", table));
    }
    RunResult run = ws.Bake();
    ASSERT_EQ(run.exit_status, 0);
    EXPECT_EQ(run.err, "");
    if (round == 0) {
      first = ws.Database();
      Items items = ws.Read();
      EXPECT_GE(items.materials.size(), 10u);
      EXPECT_GE(items.weapons.size(), 50u);
      EXPECT_GE(items.armors.size(), 30u);
      EXPECT_FALSE(items.quick.empty());
      EXPECT_FALSE(items.quest.empty());
      EXPECT_FALSE(items.loot.empty());
      for (const auto& weapon : items.weapons) EXPECT_LT(weapon.typeIndex, 7) << weapon.name;
      for (const auto& armor : items.armors) EXPECT_LT(armor.typeIndex, 7) << armor.name;
      // Every example item names its texture; -1 would mean a misnamed column.
      for (const auto& item : items.quest) EXPECT_GE(item.textureTypeIndex, 0) << item.name;
      for (const auto& item : items.loot) EXPECT_GE(item.textureTypeIndex, 0) << item.name;
    } else {
      EXPECT_TRUE(ws.Database() == first);
    }
  }
}

}  // namespace
}  // namespace gearbake
