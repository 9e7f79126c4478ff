#include "tabscrub/command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using tabscrub::CommandLine;
using tabscrub::ParseCommandLine;

CommandLine Parse(const std::vector<const char*>& args) { return ParseCommandLine(args); }

TEST(CommandLineTest, NoArgumentsShowsTheBanner) {
  EXPECT_TRUE(Parse({}).show_banner);
  EXPECT_FALSE(Parse({"table.txt"}).show_banner);
}

TEST(CommandLineTest, BackupIsDeletedOnlyForTheOptionAsExactlyTheSecondArgument) {
  struct Case {
    std::vector<const char*> args;
    bool delete_backup;
  };
  const Case cases[] = {
      {{"t.txt"}, false},
      {{"t.txt", "-nobak"}, true},
      {{"t.txt", "-NOBAK"}, true},
      {{"t.txt", "-NoBak"}, true},
      {{"t.txt", "-bak"}, true},
      {{"t.txt", "-BAK"}, true},
      {{"t.txt", "nobak"}, false},
      {{"t.txt", "-nobak "}, false},
      {{"t.txt", "-nobakk"}, false},
      {{"t.txt", "/nobak"}, false},
      {{"t.txt", ""}, false},
      {{"t.txt", "-nobak", "x"}, false},
      {{"t.txt", "x", "-nobak"}, false},
  };
  for (const Case& c : cases) {
    std::string shown;
    for (const char* a : c.args) shown += std::string(" [") + a + "]";
    CommandLine line = Parse(c.args);
    EXPECT_EQ(line.delete_backup, c.delete_backup) << shown;
    EXPECT_EQ(line.input, "t.txt") << shown;
  }
}

}  // namespace
