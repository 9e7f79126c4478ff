#include "directtable/table_text.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace directtable {
namespace {

using namespace std::string_literals;

// The table's bytes in a heap block of exactly their size, as a mapping has
// them: nothing after the last byte belongs to the text, and AddressSanitizer
// reports a reader that looks there.
class ExactText {
 public:
  explicit ExactText(const std::string& bytes)
      : size_(bytes.size()), bytes_(std::make_unique<char[]>(bytes.size())) {
    bytes.copy(bytes_.get(), size_);
  }
  TableText Text() const { return TableText("Table.txt", bytes_.get(), size_); }

 private:
  size_t size_;
  std::unique_ptr<char[]> bytes_;
};

std::vector<std::string> AllLines(const std::string& bytes) {
  ExactText exact(bytes);
  TableText text = exact.Text();
  std::vector<std::string> lines;
  std::string_view line;
  while (text.NextLine(&line)) lines.emplace_back(line);
  EXPECT_EQ(text.line_number(), static_cast<int>(lines.size()));
  return lines;
}

TEST(TableTextTest, LineEndsOfEveryKindAndBlankLines) {
  const std::vector<std::string> expected = {"head", "a\tb", "c"};
  for (const char* bytes : {"head\na\tb\nc\n", "head\r\na\tb\r\nc\r\n", "head\ra\tb\rc\r",
                            "\n\nhead\n\n\r\na\tb\r\r\nc", "head\na\tb\nc"}) {
    EXPECT_EQ(AllLines(bytes), expected) << testing::PrintToString(std::string(bytes));
  }
}

TEST(TableTextTest, EmptyAndLineEndOnlyTextsHaveNoLines) {
  EXPECT_TRUE(AllLines("").empty());
  EXPECT_TRUE(AllLines("\r\n\n\r").empty());
}

TEST(TableTextTest, SkipLineIsNotCounted) {
  ExactText exact("note\nhead\nrow\n");
  TableText text = exact.Text();
  text.SkipLine();
  std::string_view line;
  ASSERT_TRUE(text.NextLine(&line));
  EXPECT_EQ(line, "head");
  EXPECT_EQ(text.line_number(), 1);
}

TEST(TableTextTest, AZeroByteEndsOnlyItsLinesText) {
  testing::internal::CaptureStdout();
  EXPECT_EQ(AllLines("head\nb\0d\tx\n\0all gone\r\nafter\0"s),
            (std::vector<std::string>{"head", "b", "", "after"}));
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
}

TEST(CutCellsTest, CellsByPosition) {
  struct Case {
    const char* line;
    size_t count;
    std::array<const char*, 4> cells;
  } cases[] = {
      {"a\t\tb", 3, {"a", "", "b", ""}},
      {"a", 1, {"a", "", "", ""}},
      {"a\t", 2, {"a", "", "", ""}},
      {"\"q\"\t x ", 2, {"\"q\"", " x ", "", ""}},
      {"\tb\tc", 1, {"", "", "", ""}},
      {"1\t2\t3\t4\t5\t6", 4, {"1", "2", "3", "4"}},
  };
  for (const Case& c : cases) {
    std::array<std::string_view, 4> cells;
    cells.fill("stale");
    EXPECT_EQ(CutCells(c.line, cells), c.count) << c.line;
    for (size_t i = 0; i < cells.size(); ++i) EXPECT_EQ(cells[i], c.cells[i]) << c.line << " cell " << i;
  }
}

}  // namespace
}  // namespace directtable
