#include "hivecast/registry_writer.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <limits>

#include "hivecast/registry_test_reader.h"
#include "testsupport/test_support.h"

namespace {

using hivecast::RegistryWriter;
using hivecast_test::TestRegistry;
using testsupport::Bytes;
using testsupport::Hex;

std::string BuildOrFail(const RegistryWriter& writer) {
  std::string bytes, error;
  EXPECT_TRUE(writer.Build(&bytes, &error)) << error;
  return bytes;
}

TestRegistry Decoded(const std::string& bytes) {
  TestRegistry registry;
  std::string error;
  EXPECT_TRUE(registry.Decode(bytes, &error)) << error;
  EXPECT_TRUE(registry.AllReachable(&error)) << error;
  return registry;
}

std::string Numbered(const char* prefix, size_t i) {
  char name[32];
  std::snprintf(name, sizeof name, "%s%05zu", prefix, i);
  return name;
}

TEST(RegistryWriterTest, SmallestFilesComeOutByteForByte) {
  RegistryWriter empty;
  EXPECT_EQ(Hex(BuildOrFail(empty)), "FB 3E AB 45 00 00");

  // One row of a table: section "A" holding only its row number.
  RegistryWriter writer;
  EXPECT_FALSE(writer.AddSection("A"));
  writer.AddInt("SortOrderID", 0);
  EXPECT_EQ(Hex(BuildOrFail(writer)),
            Hex(Bytes("FB 3E AB 45 01 00 FF FF 0C 00 00 00 01 00 01 00 41 FF FF 0B 00 00 00 00 "
                      "0B 00 53 6F 72 74 4F 72 64 65 72 49 44 00 00 00 00")));
}

TEST(RegistryWriterTest, AllSixValueTypesDecodeBack) {
  RegistryWriter writer;
  writer.AddSection("Sword");
  writer.AddInt("Damage", std::numeric_limits<int32_t>::min());
  writer.AddReal("Weight", -2.5f);
  writer.AddText("Name", "\xC9p\xE9" "e");
  writer.AddText("Empty", "");
  writer.AddIntList("Masks", {0, 3, -35});
  writer.AddRealList("Place1", {1.25f, -0.5f});
  writer.AddTextList("Tags", {"sharp", "", "old"});
  writer.AddIntList("None", {});
  TestRegistry registry = Decoded(BuildOrFail(writer));

  const hivecast_test::TestSection* sword = registry.FindSection("sword");
  ASSERT_NE(sword, nullptr);
  struct Expected {
    const char* key;
    uint8_t type;
  };
  for (const Expected& e : {Expected{"damage", 0x00}, {"WEIGHT", 0x01}, {"Name", 0x02},
                            {"Empty", 0x02}, {"Masks", 0x80}, {"Place1", 0x81}, {"Tags", 0x82},
                            {"None", 0x80}}) {
    const hivecast_test::TestValue* value = TestRegistry::FindValue(*sword, e.key);
    ASSERT_NE(value, nullptr) << e.key;
    EXPECT_EQ(value->type, e.type) << e.key;
  }
  EXPECT_EQ(TestRegistry::FindValue(*sword, "Damage")->integer, std::numeric_limits<int32_t>::min());
  EXPECT_EQ(TestRegistry::FindValue(*sword, "Weight")->real, -2.5f);
  EXPECT_EQ(TestRegistry::FindValue(*sword, "Name")->text, "\xC9p\xE9" "e");
  EXPECT_EQ(TestRegistry::FindValue(*sword, "Empty")->text, "");
  EXPECT_EQ(TestRegistry::FindValue(*sword, "Masks")->integers, (std::vector<int32_t>{0, 3, -35}));
  EXPECT_EQ(TestRegistry::FindValue(*sword, "Place1")->reals, (std::vector<float>{1.25f, -0.5f}));
  EXPECT_EQ(TestRegistry::FindValue(*sword, "Tags")->texts,
            (std::vector<std::string>{"sharp", "", "old"}));
  EXPECT_TRUE(TestRegistry::FindValue(*sword, "None")->integers.empty());
}

TEST(RegistryWriterTest, HighBytesHashAsNegativeNumbers) {
  EXPECT_EQ(hivecast_test::TestHash("\xE9"), 0xFFFFFFE9u);
  EXPECT_EQ(hivecast_test::TestHash("Ab"), hivecast_test::TestHash("aB"));

  // In a table of 7 slots the one-byte name 0xE9 belongs in slot 2; being
  // first added, nothing else can have taken it.
  RegistryWriter writer;
  for (const char* name : {"\xE9", "\xC9p\xE9" "e", "Axe", "AXE2", "\xFF\xFF", "b\x80", "Zz"}) {
    writer.AddSection(name);
    writer.AddText("\xE9l\xE8ve", name);
  }
  TestRegistry registry = Decoded(BuildOrFail(writer));
  ASSERT_EQ(registry.sections().size(), 7u);
  EXPECT_EQ(registry.sections()[2].name, "\xE9");
  EXPECT_NE(registry.FindSection("AXE"), nullptr);
}

TEST(RegistryWriterTest, NamesDifferingOnlyInDigitsAreAllReachable) {
  // A full table of lever-like names shares a few dozen home slots; so do
  // the keys of a section that has as many keys as the format allows.
  RegistryWriter writer;
  for (size_t i = 1; i <= registry::kMaxCount - 1; ++i) {
    writer.AddSection(Numbered("Lever", i));
    writer.AddText("SortOrderID", std::to_string(i));
  }
  writer.AddSection("Wide");
  for (size_t i = 1; i <= registry::kMaxCount; ++i) writer.AddInt(Numbered("Key", i), int32_t(i));

  TestRegistry registry = Decoded(BuildOrFail(writer));  // checks every chain walk
  ASSERT_EQ(registry.sections().size(), registry::kMaxCount);
  const hivecast_test::TestSection* wide = registry.FindSection("wide");
  ASSERT_NE(wide, nullptr);
  EXPECT_EQ(wide->values.size(), registry::kMaxCount);
  EXPECT_EQ(TestRegistry::FindValue(*wide, "KEY65535")->integer, 65535);
  EXPECT_EQ(TestRegistry::FindValue(*registry.FindSection("lever00042"), "SortOrderID")->text, "42");
}

TEST(RegistryWriterTest, RepeatedNamesReplaceTheEarlierEntryInItsPlace) {
  RegistryWriter writer;
  EXPECT_FALSE(writer.AddSection("Sword"));
  writer.AddText("Damage", "12");
  writer.AddText("Chance", "50");
  EXPECT_FALSE(writer.AddSection("Axe"));
  writer.AddText("Damage", "9");
  EXPECT_TRUE(writer.AddSection("SWORD"));
  writer.AddText("Name", "first");
  writer.AddText("Weight", "3");
  writer.AddText("NAME", "second");
  EXPECT_EQ(writer.section_count(), 2u);
  EXPECT_EQ(Decoded(BuildOrFail(writer)).Dump(),
            "[SWORD]\nNAME=second\nWeight=3\n"
            "[Axe]\nDamage=9\n");
}

TEST(RegistryWriterTest, LimitsOfTheFormatAreRefusedWithAClearMessage) {
  const size_t over = registry::kMaxCount + 1;
  const std::string long_name(over, 'n');
  struct Case {
    const char* what;
    std::function<void(RegistryWriter&)> fill;
    const char* message;  // empty: must succeed
  };
  const Case cases[] = {
      {"most sections",
       [](RegistryWriter& w) {
         for (size_t i = 0; i < registry::kMaxCount; ++i) w.AddSection(std::to_string(i));
       },
       ""},
      {"too many sections",
       [](RegistryWriter& w) {
         for (size_t i = 0; i < registry::kMaxCount + 1; ++i) w.AddSection(std::to_string(i));
       },
       "65536 sections; a registry file holds at most 65535 sections"},
      {"too many keys",
       [](RegistryWriter& w) {
         w.AddSection("S");
         for (size_t i = 0; i < registry::kMaxCount + 1; ++i) w.AddText(std::to_string(i), "");
       },
       "section \"S\": 65536 keys; a section holds at most 65535 keys"},
      {"longest names and text",
       [&](RegistryWriter& w) {
         w.AddSection(long_name.substr(1));
         w.AddText(long_name.substr(1), long_name.substr(1));
         w.AddIntList("L", std::vector<int32_t>(registry::kMaxCount));
       },
       ""},
      {"section name", [&](RegistryWriter& w) { w.AddSection(long_name); },
       "section \"nnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnn...\" (65536 bytes): "
       "the name is longer than 65535 bytes"},
      {"key name",
       [&](RegistryWriter& w) {
         w.AddSection("S");
         w.AddInt(long_name, 1);
       },
       "the key name is longer than 65535 bytes"},
      {"text",
       [&](RegistryWriter& w) {
         w.AddSection("S");
         w.AddText("Description", long_name);
       },
       "section \"S\", key \"Description\": the text is 65536 bytes long; a text holds at most "
       "65535 bytes"},
      {"list",
       [&](RegistryWriter& w) {
         w.AddSection("S");
         w.AddRealList("Place1", std::vector<float>(over));
       },
       "section \"S\", key \"Place1\": the list has 65536 elements; a list holds at most 65535 "
       "elements"},
      {"text in a list",
       [&](RegistryWriter& w) {
         w.AddSection("S");
         w.AddTextList("Tags", {"a", long_name});
       },
       "section \"S\", key \"Tags\": a text in the list is 65536 bytes long"},
      {"replaced over-long text",
       [&](RegistryWriter& w) {
         w.AddSection("S");
         w.AddText("Description", long_name);
         w.AddText("Description", "short");
       },
       ""},
      {"value before any section", [](RegistryWriter& w) { w.AddInt("K", 1); },
       "a value was given before any section"},
  };
  for (const Case& c : cases) {
    RegistryWriter writer;
    c.fill(writer);
    std::string bytes = "untouched", error;
    const bool built = writer.Build(&bytes, &error);
    if (*c.message == '\0') {
      EXPECT_TRUE(built) << c.what << ": " << error;
      continue;
    }
    EXPECT_FALSE(built) << c.what;
    EXPECT_EQ(bytes, "untouched") << c.what;
    EXPECT_NE(error.find(c.message), std::string::npos) << c.what << ": " << error;
  }
}

}  // namespace
