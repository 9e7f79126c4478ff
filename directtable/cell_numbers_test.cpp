#include "directtable/cell_numbers.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>
#include <memory>
#include <string>

namespace directtable {
namespace {

// A heap copy of exactly the cell's bytes, so that AddressSanitizer catches a
// reader that looks past the end of the cell.
std::unique_ptr<char[]> ExactCopy(const std::string& text) {
  auto bytes = std::make_unique<char[]>(text.size());
  text.copy(bytes.get(), text.size());
  return bytes;
}

TEST(ReadIntTest, ReadsLikeAtoi) {
  struct Case {
    const char* cell;
    int32_t value;
  } cases[] = {
      {"12", 12},         {"12abc", 12},       {"abc", 0},          {"", 0},
      {"  -7", -7},       {"\t+3", 3},         {"- 3", 0},          {"2.7", 2},
      {"0x1F", 0},        {"2147483647", 2147483647},              {"-2147483648", INT32_MIN},
      {"99999999999", INT32_MAX},              {"-99999999999", INT32_MIN},
  };
  for (const Case& c : cases) {
    std::string text = c.cell;
    auto bytes = ExactCopy(text);
    EXPECT_EQ(ReadInt(std::string_view(bytes.get(), text.size())), c.value) << "cell \"" << c.cell << "\"";
  }
}

TEST(ReadIntTest, StopsAtTheCellsEndEvenWhenDigitsFollow) {
  const char row[] = "12\t34";
  EXPECT_EQ(ReadInt(std::string_view(row, 2)), 12);
  EXPECT_EQ(ReadInt(std::string_view(row, 1)), 1);
}

TEST(ReadRealTest, ReadsLikeAtof) {
  struct Case {
    const char* cell;
    float value;
  } cases[] = {
      {"2.5", 2.5f}, {" 4.25", 4.25f}, {"1.5e1x", 15.0f}, {"-0.5", -0.5f}, {"abc", 0.0f},
      {"", 0.0f},    {"7", 7.0f},      {".5", 0.5f},      {"0x10", 16.0f},
  };
  for (const Case& c : cases) {
    std::string text = c.cell;
    auto bytes = ExactCopy(text);
    EXPECT_EQ(ReadReal(std::string_view(bytes.get(), text.size())), c.value) << "cell \"" << c.cell << "\"";
  }
}

TEST(ReadRealTest, StopsAtTheCellsEndAndRoundsLikeTheHardwareAtTheRangesEdge) {
  const char row[] = "2.59";
  EXPECT_EQ(ReadReal(std::string_view(row, 3)), 2.5f);
  EXPECT_EQ(ReadReal("1e300"), std::numeric_limits<float>::infinity());
  EXPECT_EQ(ReadReal("-1e300"), -std::numeric_limits<float>::infinity());
  // Just above FLT_MAX but nearer to it than to the next power of two: FLT_MAX.
  EXPECT_EQ(ReadReal("3.4028235e38"), FLT_MAX);
  EXPECT_EQ(ReadReal("-3.4028235e38"), -FLT_MAX);
  EXPECT_EQ(ReadReal("3.4028236e38"), std::numeric_limits<float>::infinity());
}

}  // namespace
}  // namespace directtable
