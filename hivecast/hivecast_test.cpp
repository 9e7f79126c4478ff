// The hivecast program end to end: file naming, messages, exit statuses and
// the rule that a failed run leaves no registry file.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <functional>

#include "hivecast/registry_test_reader.h"
#include "testsupport/test_support.h"

namespace {

using testsupport::FileExists;
using testsupport::ListDir;
using testsupport::ReadFile;
using testsupport::Run;
using testsupport::RunResult;
using testsupport::TempDir;
using testsupport::WriteFile;

const char kTableIni[] =
    "\n[Sword]\nName=Sword\nDamage=12\nChance=50\nSortOrderID=0\n"
    "\n[Axe]\nName=Axe\nDamage=9\nSortOrderID=1\n";

RunResult Hivecast(const TempDir& dir, const std::vector<std::string>& args) {
  return Run(testsupport::ProgramPath("hivecast"), args, dir.path());
}

TEST(HivecastTest, WritesTheRegistryBesideTheIniFileTheSameEveryRun) {
  TempDir dir;
  ::mkdir(dir.File("sub").c_str(), 0755);
  WriteFile(dir.File("sub/tempreg.ini"), kTableIni);

  RunResult first = Hivecast(dir, {"sub/tempreg.ini"});
  EXPECT_EQ(first.exit_status, 0);
  EXPECT_EQ(first.err, "");
  EXPECT_EQ(first.out, "");
  const std::string bytes = ReadFile(dir.File("sub/tempreg.reg"));
  hivecast_test::TestRegistry registry;
  std::string error;
  ASSERT_TRUE(registry.Decode(bytes, &error)) << error;
  EXPECT_EQ(registry.Dump(),
            "[Sword]\nName=Sword\nDamage=12\nChance=50\nSortOrderID=0\n"
            "[Axe]\nName=Axe\nDamage=9\nSortOrderID=1\n");

  EXPECT_EQ(Hivecast(dir, {"sub/tempreg.ini"}).exit_status, 0);
  EXPECT_EQ(ReadFile(dir.File("sub/tempreg.reg")), bytes);
  EXPECT_EQ(ListDir(dir.File("sub")), (std::vector<std::string>{"tempreg.ini", "tempreg.reg"}));
}

TEST(HivecastTest, RegistryNameReplacesOnlyAFinalIniExtension) {
  const std::pair<const char*, const char*> names[] = {
      {"table.ini", "table.reg"},
      {"TABLE.INI", "TABLE.reg"},
      {"table", "table.reg"},
      {"table.ini.txt", "table.ini.txt.reg"},
      {".ini", ".reg"},
  };
  for (const auto& [ini, reg] : names) {
    TempDir dir;
    WriteFile(dir.File(ini), kTableIni);
    EXPECT_EQ(Hivecast(dir, {ini}).exit_status, 0) << ini;
    EXPECT_EQ(ListDir(dir.path()), (std::vector<std::string>{ini, reg})) << ini;
  }
}

TEST(HivecastTest, RepeatedSectionIsWarnedAboutAndTheLaterOneKept) {
  TempDir dir;
  WriteFile(dir.File("t.ini"), "[Sword]\nDamage=12\n[Axe]\nDamage=9\n[sword]\nDamage=14\n");
  RunResult run = Hivecast(dir, {"t.ini"});
  EXPECT_EQ(run.exit_status, 0);
  EXPECT_EQ(run.err,
            "hivecast: warning: \"t.ini\", line 5: section \"sword\" occurs again; it replaces the "
            "earlier section of that name\n");
  hivecast_test::TestRegistry registry;
  std::string error;
  ASSERT_TRUE(registry.Decode(ReadFile(dir.File("t.reg")), &error)) << error;
  EXPECT_EQ(registry.Dump(), "[sword]\nDamage=14\n[Axe]\nDamage=9\n");
}

TEST(HivecastTest, FailuresExplainThemselvesAndLeaveNoRegistryFile) {
  struct Case {
    const char* what;
    std::vector<std::string> args;
    std::function<void(const TempDir&)> setup;
    int exit_status;
    std::string err;
    std::vector<std::string> files_after;
  };
  auto write = [](const char* name, std::string text) {
    return [=](const TempDir& dir) { WriteFile(dir.File(name), text); };
  };
  const Case cases[] = {
      {"no argument", {}, write("t.ini", kTableIni), 2,
       "hivecast: expected one argument, the INI file to convert, but got 0\n"
       "usage: hivecast <file.ini>\n",
       {"t.ini"}},
      {"two arguments", {"t.ini", "u.ini"}, write("t.ini", kTableIni), 2,
       "hivecast: expected one argument, the INI file to convert, but got 2\n"
       "usage: hivecast <file.ini>\n",
       {"t.ini"}},
      {"missing file", {"absent.ini"}, [](const TempDir&) {}, 1,
       "hivecast: cannot read \"absent.ini\": No such file or directory\n", {}},
      {"a directory", {"d.ini"}, [](const TempDir& dir) { ::mkdir(dir.File("d.ini").c_str(), 0755); },
       1, "hivecast: cannot read \"d.ini\": Is a directory\n", {"d.ini"}},
      {"unclosed section", {"t.ini"}, write("t.ini", "[A]\nx=1\n[B\ny=2\n"), 1,
       "hivecast: \"t.ini\", line 3: the section line has no closing ']'; no registry file "
       "written\n",
       {"t.ini"}},
      {"text over the limit", {"t.ini"},
       write("t.ini", "[A]\nDescription=" + std::string(70000, 'x') + "\n"), 1,
       "hivecast: \"t.ini\": section \"A\", key \"Description\": the text is 70000 bytes long; a "
       "text holds at most 65535 bytes; no registry file written\n",
       {"t.ini"}},
      {"registry path taken by a directory", {"t.ini"},
       [&](const TempDir& dir) {
         WriteFile(dir.File("t.ini"), kTableIni);
         ::mkdir(dir.File("t.reg").c_str(), 0755);
       },
       1, "hivecast: cannot write \"t.reg\": Is a directory\n", {"t.ini", "t.reg"}},
  };
  for (const Case& c : cases) {
    TempDir dir;
    c.setup(dir);
    RunResult run = Hivecast(dir, c.args);
    EXPECT_EQ(run.exit_status, c.exit_status) << c.what;
    EXPECT_EQ(run.err, c.err) << c.what;
    EXPECT_EQ(ListDir(dir.path()), c.files_after) << c.what;
  }
}

}  // namespace
