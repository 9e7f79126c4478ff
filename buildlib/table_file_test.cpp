#include "buildlib/table_file.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "buildlib/report_error.h"
#include "testsupport/test_support.h"

namespace buildlib {
namespace {

using testsupport::TempDir;

class Table : public TableFile {
 public:
  int Save(const std::string&) override { return 1; }
};

TEST(SplitCellsTest, CellsAreTrimmedAndEmptyCellsKept) {
  struct Case {
    std::string text;
    std::vector<std::string> cells;
  };
  const Case cases[] = {
      {"Sword\t12", {"Sword", "12"}},
      {"Sword\t", {"Sword", ""}},
      {"", {""}},
      {" a \t\t b\r", {"a", "", "b"}},
      {"\v x \f", {"x"}},
  };
  for (const Case& c : cases) {
    std::vector<std::string> cells{"stale"};
    EXPECT_EQ(SplitCells(c.text, &cells), 1);
    EXPECT_EQ(cells, c.cells) << c.text;
  }
}

// Runs table operations inside a temporary directory, with a stand-in
// converter on PATH that records its argument and exits with `status`.
class TableDir : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(::getcwd(old_cwd_, sizeof old_cwd_), nullptr);
    ASSERT_EQ(::chdir(dir_.path().c_str()), 0);
    old_path_ = std::getenv("PATH") ? std::getenv("PATH") : "";
    ::mkdir("fakebin", 0755);
    SetConverterStatus(0);
    ::setenv("PATH", (dir_.path() + "/fakebin:" + old_path_).c_str(), 1);
  }
  void TearDown() override {
    ::setenv("PATH", old_path_.c_str(), 1);
    ASSERT_EQ(::chdir(old_cwd_), 0);
  }
  void SetConverterStatus(int status) {
    testsupport::WriteFile("fakebin/hivecast",
                           "#!/bin/sh\necho \"$1\" > converter-arg\nexit " +
                               std::to_string(status) + "\n");
    ::chmod("fakebin/hivecast", 0755);
  }

  TempDir dir_;
  char old_cwd_[4096];
  std::string old_path_;
};

TEST_F(TableDir, IniTextOfARow) {
  testsupport::WriteFile("Weapons.txt", "Name\tDamage\tChance\nSword\t12\t50%\n");
  Table table;
  ASSERT_EQ(table.Load("Weapons.txt"), 1);
  ASSERT_EQ(table.ReadHeader(), 1);
  ASSERT_EQ(table.ConvertToRegistry(), 1);
  EXPECT_EQ(testsupport::ReadFile("tempreg.ini"),
            "\n[Sword]\nName=Sword\nDamage=12\nChance=50\nSortOrderID=0\n");
  EXPECT_EQ(testsupport::ReadFile("converter-arg"), "./tempreg.ini\n");
}

TEST_F(TableDir, RowsCellsAndTheEndOfTheTable) {
  testsupport::WriteFile("T.txt",
                         "Key\tA\tB\r\n"
                         "\tskipped\tx\r\n"      // no key: no section, no number
                         "50%\t%\t  \r\n"        // '%' kept in the name only
                         "One\t1\r\n"            // fewer cells than columns
                         "Two\t1\t2\t3\r\n"      // more cells than columns
                         "\r\n"                  // a lone CR is a row without a key
                         "Three\t3\n"
                         "\n"                    // an empty line ends the table
                         "Four\t4\n");
  Table table;
  ASSERT_EQ(table.Load("T.txt"), 1);
  ASSERT_EQ(table.ReadHeader(), 1);
  EXPECT_EQ(table.column_names(), (std::vector<std::string>{"Key", "A", "B"}));
  ASSERT_EQ(table.ConvertToRegistry(), 1);
  EXPECT_EQ(testsupport::ReadFile("tempreg.ini"),
            "\n[50%]\nKey=50\nSortOrderID=0\n"
            "\n[One]\nKey=One\nA=1\nSortOrderID=1\n"
            "\n[Two]\nKey=Two\nA=1\nB=2\nSortOrderID=2\n"
            "\n[Three]\nKey=Three\nA=3\nSortOrderID=3\n");
}

TEST_F(TableDir, LastLineWithoutLineFeedIsRead) {
  testsupport::WriteFile("T.txt", "Key\nOne\nTwo");
  Table table;
  ASSERT_EQ(table.Load("T.txt"), 1);
  table.ReadHeader();
  ASSERT_EQ(table.ConvertToRegistry(), 1);
  EXPECT_EQ(testsupport::ReadFile("tempreg.ini"),
            "\n[One]\nKey=One\nSortOrderID=0\n\n[Two]\nKey=Two\nSortOrderID=1\n");
}

TEST_F(TableDir, LongLinesAreReadWhole) {
  std::string long_cell(5000, 'q');
  testsupport::WriteFile("T.txt", "Key\tText\nRow\t" + long_cell + "\n");
  Table table;
  ASSERT_EQ(table.Load("T.txt"), 1);
  table.ReadHeader();
  ASSERT_EQ(table.ConvertToRegistry(), 1);
  EXPECT_EQ(testsupport::ReadFile("tempreg.ini"),
            "\n[Row]\nKey=Row\nText=" + long_cell + "\nSortOrderID=0\n");
}

TEST_F(TableDir, MissingTableIsOneConsoleLine) {
  Table table;
  testing::internal::CaptureStdout();
  EXPECT_EQ(table.Load("Skills.txt"), 0);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "Can't open file \"Skills.txt\".\n");
}

TEST_F(TableDir, FailingConverterIsReportedAndTheTableSkipped) {
  SetConverterStatus(3);
  testsupport::WriteFile("T.txt", "Key\nOne\n");
  Table table;
  int errors = ErrorCount();
  testing::internal::CaptureStdout();
  testing::internal::CaptureStderr();
  int filled = 0;
  EXPECT_EQ(table.BuildTable("Building things:", "T.txt", HeaderKind::kOneRow,
                             [&](const CFileRegistry&, const CFileRegistry::Section&) { ++filled; }),
            0);
  std::string err = testing::internal::GetCapturedStderr();
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "Building things:");
  EXPECT_EQ(err, "ERROR: The converter \"" + dir_.path() +
                     "/fakebin/hivecast\" failed on \"./tempreg.ini\" (exit status 3).\n");
  EXPECT_EQ(ErrorCount(), errors + 1);
  EXPECT_EQ(filled, 0);
}

TEST(GroupedHeaderTest, GroupsNameTheirColumns) {
  struct Case {
    std::string header;
    std::vector<std::string> columns;
  };
  const Case cases[] = {
      {"Name\tGraphics Data\t\n\tSkin Index\tHair\n",
       {"Name", "Graphics Data Skin Index", "Graphics Data Hair"}},
      {"General\tAvailable In Shop\t\nPrice\t1\t2\n",
       {"General", "Available In Shop 1", "Available In Shop 2"}},
      // No group in the first cell: leading columns are named by their own cell.
      {"\t-x\tZone\t\nA\tB\tC\tD\n", {"A", "B", "Zone C", "Zone D"}},
      // A second line too short: missing sub-names are empty.
      {"Name\tGroup\t\t\n\tOne\n", {"Name", "Group One", "Group ", "Group "}},
      // Only one line.
      {"Name\tGroup\t\n", {"Name", "Group ", "Group "}},
  };
  for (const Case& c : cases) {
    TempDir dir;
    testsupport::WriteFile(dir.File("T.txt"), c.header);
    Table table;
    ASSERT_EQ(table.Load(dir.File("T.txt")), 1);
    EXPECT_EQ(table.ReadGroupedHeader(), 1);
    EXPECT_EQ(table.column_names(), c.columns) << c.header;
  }
}

}  // namespace
}  // namespace buildlib
