// The item tables' shared column conventions and vocabularies, on texts as
// the registry hands them over (list cells already cut at commas and trimmed).
#include "gearbake/item_columns.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "gearbake/item_vocabulary.h"
#include "gearbake/leading_number.h"

namespace gearbake {
namespace {

TEST(LeadingNumber, ReadsThePrefixAndIgnoresTheRest) {
  struct Case {
    const char* text;
    int32_t integer;
    float real;
  };
  const Case kCases[] = {
      {"3", 3, 3.0f},          {"  -2", -2, -2.0f},       {"+7", 7, 7.0f},
      {"12abc", 12, 12.0f},    {"1.5", 1, 1.5f},          {".5", 0, 0.5f},
      {"2e1", 2, 20.0f},       {"2e", 2, 2.0f},           {"-", 0, 0.0f},
      {"x3", 0, 0.0f},         {"", 0, 0.0f},             {"0x10", 0, 0.0f},
      {"inf", 0, 0.0f},        {"nan", 0, 0.0f},          {"\t\v 9", 9, 9.0f},
      {"- 4", 0, 0.0f},
  };
  for (const Case& c : kCases) {
    EXPECT_EQ(LeadingInt(c.text), c.integer) << '"' << c.text << '"';
    EXPECT_EQ(LeadingReal(c.text), c.real) << '"' << c.text << '"';
  }
}

TEST(LeadingNumber, RealsAreReadToDoubleThenRoundedToSingle) {
  // 1 + 2^-24 + 2^-60: read straight to single it rounds up to 1 + 2^-23; read
  // to double it lands on 1 + 2^-24, a tie that rounds to even, 1.0.
  EXPECT_EQ(LeadingReal("1.000000059604644776257986737988403547205962240695953369140625"),
            1.0f);
  EXPECT_EQ(LeadingReal("0.1"), static_cast<float>(0.1));
}

TEST(LeadingNumber, OutOfRangeValuesClampInsteadOfOverflowing) {
  EXPECT_EQ(LeadingInt("2147483647"), std::numeric_limits<int32_t>::max());
  EXPECT_EQ(LeadingInt("2147483648"), std::numeric_limits<int32_t>::max());
  EXPECT_EQ(LeadingInt("-2147483648"), std::numeric_limits<int32_t>::min());
  EXPECT_EQ(LeadingInt("-99999999999999999999999"), std::numeric_limits<int32_t>::min());
  EXPECT_TRUE(std::isinf(LeadingReal("1e999")));
  EXPECT_EQ(LeadingReal("1e-999"), 0.0f);
}

TEST(CrippledMask, SetsBitNAnd31PerPart) {
  EXPECT_EQ(CrippledMask({}), 0u);
  EXPECT_EQ(CrippledMask({"1", "4"}), 18u);
  EXPECT_EQ(CrippledMask({"2"}), 4u);
  EXPECT_EQ(CrippledMask({"0", "3", "35"}), 9u);  // 35 AND 31 = 3
  EXPECT_EQ(CrippledMask({"-1"}), 0x80000000u);   // -1 AND 31 = 31
  EXPECT_EQ(CrippledMask({"arm"}), 1u);           // no digits read as 0
  EXPECT_EQ(CrippledMask({"31", "99999999999"}), 0x80000000u);  // clamped to 2^31-1, AND 31 = 31
}

TEST(SkillEntries, LaterEntriesWinAndEntriesWithoutSpaceAreIgnored) {
  SkillEntries skills;
  ApplySkillEntries({"Melee 3", "archery   -2", "melee 5", "tame"}, &skills);
  EXPECT_EQ(skills.eightSkills, (std::array<int8_t, 8>{5, -2, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(skills.threeSkills, (std::array<int8_t, 3>{0, 0, 0}));
}

TEST(SkillEntries, ValuesKeepTheirLowEightBits) {
  SkillEntries skills;
  ApplySkillEntries({"melee 300", "archery 128", "backstab -129", "AWARENESS 127", "science 255",
                     "Stealing 3.9", "tame x"},
                    &skills);
  EXPECT_EQ(skills.eightSkills, (std::array<int8_t, 8>{44, -128, 127, 0, 0, 0, 0, 127}));
  EXPECT_EQ(skills.threeSkills, (std::array<int8_t, 3>{-1, 3, 0}));
}

TEST(SkillEntries, OtherNamesGoToTheHandlerWithTrimmedHalves) {
  std::vector<std::pair<std::string, std::string>> seen;
  SkillEntries skills;
  ApplySkillEntries({"Attack  1.5 ", "defence 3", "melee 4", "luck 2", "attack"}, &skills,
                    [&](std::string_view name, std::string_view value) {
                      seen.emplace_back(name, value);
                    });
  EXPECT_EQ(seen, (std::vector<std::pair<std::string, std::string>>{
                      {"Attack", "1.5"}, {"defence", "3"}, {"luck", "2"}}));
  EXPECT_EQ(skills.eightSkills[0], 4);
}

TEST(ItemVocabulary, LookupsLowerCaseInPlaceAndFallBack) {
  struct Case {
    int32_t (*lookup)(std::string*);
    const char* text;
    const char* stored;
    int32_t code;
  };
  constexpr int32_t kNone = std::numeric_limits<int32_t>::max();
  const Case kCases[] = {
      {WeaponTypeFromName, "Sword", "sword", 0},
      {WeaponTypeFromName, "CROSSBOW", "crossbow", 6},
      {WeaponTypeFromName, "Bow", "bow", 5},
      {WeaponTypeFromName, "long sword", "long sword", 7},
      {ArmorTypeFromName, "Gloves", "gloves", 6},
      {ArmorTypeFromName, "helm", "helm", 0},
      {ArmorTypeFromName, "helmet", "helmet", 7},
      {QuickItemTypeFromName, "Scroll", "scroll", 8},
      {QuickItemTypeFromName, "DangerSensor", "dangersensor", 0},
      {QuickItemTypeFromName, "potion", "potion", kNone},
      {LootTypeFromName, "Treasure", "treasure", 0},
      {LootTypeFromName, "Instruction", "instruction", 2},
      {LootTypeFromName, "none", "none", kNone},
  };
  for (const Case& c : kCases) {
    std::string text = c.text;
    EXPECT_EQ(c.lookup(&text), c.code) << c.text;
    EXPECT_EQ(text, c.stored);
  }
}

TEST(ItemVocabulary, DamageTypesAndLootKinds) {
  EXPECT_EQ(DamageTypeFromName("piercing"), 0);
  EXPECT_EQ(DamageTypeFromName("Electric"), 5);
  EXPECT_EQ(DamageTypeFromName("general"), 6);
  EXPECT_EQ(DamageTypeFromName("Fire"), 6);

  constexpr int32_t kNone = std::numeric_limits<int32_t>::max();
  EXPECT_EQ(LootKindFromName("instruction weapon"), 0);
  EXPECT_EQ(LootKindFromName("instruction armor"), 1);
  EXPECT_EQ(LootKindFromName("Instruction Quick Item"), 2);
  EXPECT_EQ(LootKindFromName("prototype"), 3);
  EXPECT_EQ(LootKindFromName("rune"), 4);
  EXPECT_EQ(LootKindFromName("gold coins"), kNone);
  EXPECT_EQ(LootKindFromName("rune "), kNone);
}

}  // namespace
}  // namespace gearbake
