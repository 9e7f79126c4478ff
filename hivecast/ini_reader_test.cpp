#include "hivecast/ini_reader.h"

#include <gtest/gtest.h>

#include "hivecast/registry_test_reader.h"

namespace {

using hivecast::ReadIni;
using hivecast::RegistryWriter;
using hivecast::RepeatedSection;

struct Converted {
  std::string dump;
  std::vector<RepeatedSection> repeated;
};

Converted Convert(std::string_view ini) {
  RegistryWriter writer;
  Converted result;
  std::string error, bytes;
  EXPECT_TRUE(ReadIni(ini, &writer, &result.repeated, &error)) << error;
  EXPECT_TRUE(writer.Build(&bytes, &error)) << error;
  hivecast_test::TestRegistry registry;
  EXPECT_TRUE(registry.Decode(bytes, &error)) << error;
  EXPECT_TRUE(registry.AllReachable(&error)) << error;
  result.dump = registry.Dump();
  return result;
}

TEST(IniReaderTest, LinesBecomeSectionsAndTextValues) {
  struct Case {
    const char* what;
    std::string ini;
    std::string dump;
  };
  static constexpr char kBinaryText[] = "[\xE9p\xE9" "e]\nk=\x01\0\xFF\n";
  const std::string kBinary(kBinaryText, sizeof kBinaryText - 1);
  const Case cases[] = {
      {"as the builders write it",
       "\n[Sword]\nName=Sword\nDamage=12\nChance=50\nSortOrderID=0\n",
       "[Sword]\nName=Sword\nDamage=12\nChance=50\nSortOrderID=0\n"},
      {"one carriage return before the line feed is dropped",
       "\r\n[A]\r\nx=1\r\ny=2\r\r\nz=\r3\n",
       "[A]\nx=1\ny=2\r\nz=\r3\n"},
      {"the last line counts without a line feed, and loses its carriage return",
       "[A]\nx=1\r", "[A]\nx=1\n"},
      {"everything after the first '=' is the value, as it stands",
       "[A]\nformula=a=b==c\n spaced = v \nempty=\n",
       "[A]\nformula=a=b==c\n spaced = v \nempty=\n"},
      {"an empty key is kept", "[A]\n=orphan\n", "[A]\n=orphan\n"},
      {"lines before the first section and lines without '=' are ignored",
       "x=1\n; not a comment=but a key\n[A]\njust text\n\n;c=d\n#e=f\n",
       "[A]\n;c=d\n#e=f\n"},
      {"the name runs to the last ']'; bytes after it are ignored",
       "[Ring [of] power] trailing\nk=v\n[]\n[[x]]\n",
       "[Ring [of] power]\nk=v\n[]\n[[x]]\n"},
      {"a key given again replaces the value in its place",
       "[A]\nName=one\nDamage=1\nNAME=two\n", "[A]\nNAME=two\nDamage=1\n"},
      {"bytes of any value pass through", kBinary, kBinary},
      {"an empty text gives an empty registry", "", ""},
  };
  for (const Case& c : cases) {
    Converted converted = Convert(c.ini);
    EXPECT_EQ(converted.dump, c.dump) << c.what;
    EXPECT_TRUE(converted.repeated.empty()) << c.what;
  }
}

TEST(IniReaderTest, RepeatedSectionReplacesTheEarlierWhollyAndIsReported) {
  Converted converted = Convert(
      "[Sword]\nDamage=12\nChance=50\n"
      "[Axe]\nDamage=9\n"
      "[sword]\nDamage=14\n"
      "[SWORD]\nName=Blade\n");
  EXPECT_EQ(converted.dump, "[SWORD]\nName=Blade\n[Axe]\nDamage=9\n");
  ASSERT_EQ(converted.repeated.size(), 2u);
  EXPECT_EQ(converted.repeated[0].line, 6u);
  EXPECT_EQ(converted.repeated[0].name, "sword");
  EXPECT_EQ(converted.repeated[1].line, 8u);
  EXPECT_EQ(converted.repeated[1].name, "SWORD");
}

TEST(IniReaderTest, SectionLineWithoutClosingBracketIsAnError) {
  RegistryWriter writer;
  std::vector<RepeatedSection> repeated;
  std::string error;
  EXPECT_FALSE(ReadIni("[A]\nx=1\r\n[Broken\r\ny=2\n", &writer, &repeated, &error));
  EXPECT_EQ(error, "line 3: the section line has no closing ']'");
}

}  // namespace
