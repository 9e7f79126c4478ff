#include "buildlib/number_text.h"

#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

#include "platform/c_numbers.h"

namespace buildlib {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Number of digits at text[pos...].
size_t CountDigits(std::string_view text, size_t pos) {
  size_t n = 0;
  while (pos + n < text.size() && IsDigit(text[pos + n])) ++n;
  return n;
}

}  // namespace

std::string_view TrimSpace(std::string_view text) {
  size_t begin = 0;
  size_t end = text.size();
  while (begin < end && platform::IsCSpace(text[begin])) ++begin;
  while (end > begin && platform::IsCSpace(text[end - 1])) --end;
  return text.substr(begin, end - begin);
}

ParsedNumber ParseNumber(std::string_view raw) {
  ParsedNumber result;
  std::string_view text = TrimSpace(raw);
  size_t pos = 0;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) ++pos;
  size_t int_digits = CountDigits(text, pos);
  pos += int_digits;
  bool is_integer_spelling = int_digits > 0 && pos == text.size();

  if (is_integer_spelling) {
    // Accumulate in 64 bits; anything beyond int32 is read as a real below.
    bool negative = text[0] == '-';
    int64_t value = 0;
    bool fits = true;
    for (size_t i = text.size() - int_digits; i < text.size(); ++i) {
      value = value * 10 + (text[i] - '0');
      if (value > int64_t{1} << 32) {
        fits = false;
        break;
      }
    }
    if (negative) value = -value;
    if (fits && value >= std::numeric_limits<int32_t>::min() &&
        value <= std::numeric_limits<int32_t>::max()) {
      result.kind = ParsedNumber::Kind::kInteger;
      result.integer = static_cast<int32_t>(value);
      return result;
    }
  } else {
    size_t frac_digits = 0;
    if (pos < text.size() && text[pos] == '.') {
      ++pos;
      frac_digits = CountDigits(text, pos);
      pos += frac_digits;
    }
    if (int_digits == 0 && frac_digits == 0) return result;
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
      ++pos;
      if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) ++pos;
      size_t exp_digits = CountDigits(text, pos);
      if (exp_digits == 0) return result;
      pos += exp_digits;
    }
    if (pos != text.size()) return result;
  }
  std::string copy(text);
  result.kind = ParsedNumber::Kind::kReal;
  result.real = std::strtof(copy.c_str(), nullptr);
  return result;
}

int32_t TruncateToInt32(double value, int32_t nan_value) {
  if (std::isnan(value)) return nan_value;
  // Every value strictly between -2^31-1 and 2^31 truncates into range.
  if (value >= 2147483648.0) return std::numeric_limits<int32_t>::max();
  if (value <= -2147483649.0) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(value);
}

std::vector<std::string_view> SplitListText(std::string_view text) {
  std::vector<std::string_view> pieces;
  size_t start = 0;
  while (start <= text.size()) {
    size_t comma = text.find(',', start);
    if (comma == std::string_view::npos) comma = text.size();
    std::string_view piece = TrimSpace(text.substr(start, comma - start));
    if (!piece.empty()) pieces.push_back(piece);
    start = comma + 1;
  }
  return pieces;
}

}  // namespace buildlib
