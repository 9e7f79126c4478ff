#include "platform/c_numbers.h"

#include <cfloat>
#include <cmath>
#include <limits>

namespace platform {

bool IsCSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

int32_t ReadCInt(std::string_view text) {
  size_t at = 0;
  while (at < text.size() && IsCSpace(text[at])) ++at;
  bool negative = false;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
  // The magnitude is held at 2^31 (that of INT32_MIN) so that no run of
  // digits can overflow it.
  constexpr int64_t kLimit = int64_t{1} << 31;
  int64_t magnitude = 0;
  for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
    magnitude = magnitude * 10 + (text[at] - '0');
    if (magnitude > kLimit) magnitude = kLimit;
  }
  int64_t value = negative ? -magnitude : magnitude;
  if (value > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  return static_cast<int32_t>(value);
}

float NarrowToFloat(double value) {
  // Converting a double beyond the single range is undefined in C++, so the
  // rounding is spelt out: from half a step above FLT_MAX (2^128 - 2^103) a
  // value rounds to infinity, below that to FLT_MAX.
  constexpr double kRoundsToInfinity = 0x1.ffffffp+127;
  double magnitude = std::fabs(value);
  if (magnitude > FLT_MAX) {
    float limit = magnitude >= kRoundsToInfinity ? std::numeric_limits<float>::infinity() : FLT_MAX;
    return value < 0 ? -limit : limit;
  }
  return static_cast<float>(value);
}

}  // namespace platform
