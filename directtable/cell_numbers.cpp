#include "directtable/cell_numbers.h"

#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

namespace directtable {

namespace {

// The characters isspace accepts in the C locale.
bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

std::string_view SkipSpace(std::string_view cell) {
  size_t start = 0;
  while (start < cell.size() && IsSpace(cell[start])) ++start;
  return cell.substr(start);
}

}  // namespace

int32_t ReadInt(std::string_view cell) {
  cell = SkipSpace(cell);
  size_t at = 0;
  bool negative = false;
  if (at < cell.size() && (cell[at] == '+' || cell[at] == '-')) {
    negative = cell[at] == '-';
    ++at;
  }
  // The magnitude is held below 2^31 + 1 so that it never overflows; every
  // further digit only keeps it at the limit.
  constexpr int64_t kLimit = int64_t{1} << 31;
  int64_t magnitude = 0;
  for (; at < cell.size() && cell[at] >= '0' && cell[at] <= '9'; ++at) {
    magnitude = magnitude * 10 + (cell[at] - '0');
    if (magnitude > kLimit) magnitude = kLimit;
  }
  int64_t value = negative ? -magnitude : magnitude;
  if (value > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  return static_cast<int32_t>(value);
}

float ReadReal(std::string_view cell) {
  cell = SkipSpace(cell);
  if (cell.empty()) return 0.0f;
  // strtod needs a zero-terminated text; only this cell is copied, never the
  // table.
  std::string text(cell);
  double value = std::strtod(text.c_str(), nullptr);
  // Converting a double beyond the single range is undefined in C++, so the
  // rounding the hardware does is spelt out: from half a step above FLT_MAX
  // (2^128 - 2^103) a value rounds to infinity, below that to FLT_MAX, so
  // "3.4028235e38" (FLT_MAX as usually printed) stays FLT_MAX.
  constexpr double kRoundsToInfinity = 0x1.ffffffp+127;
  double magnitude = std::fabs(value);
  if (magnitude > FLT_MAX) {
    float limit = magnitude >= kRoundsToInfinity ? std::numeric_limits<float>::infinity() : FLT_MAX;
    return value < 0 ? -limit : limit;
  }
  return static_cast<float>(value);
}

}  // namespace directtable
