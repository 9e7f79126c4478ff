#include "gearbake/leading_number.h"

#include <cstdlib>
#include <string>

#include "platform/c_numbers.h"

namespace gearbake {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

size_t SkipSpace(std::string_view text, size_t at) {
  while (at < text.size() && platform::IsCSpace(text[at])) ++at;
  return at;
}
size_t SkipDigits(std::string_view text, size_t at) {
  while (at < text.size() && IsDigit(text[at])) ++at;
  return at;
}

}  // namespace

int32_t LeadingInt(std::string_view text) { return platform::ReadCInt(text); }

float LeadingReal(std::string_view text) {
  const size_t begin = SkipSpace(text, 0);
  size_t at = begin;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) ++at;
  const size_t integer_end = SkipDigits(text, at);
  bool has_digits = integer_end > at;
  at = integer_end;
  if (at < text.size() && text[at] == '.') {
    size_t fraction_end = SkipDigits(text, at + 1);
    has_digits = has_digits || fraction_end > at + 1;
    at = fraction_end;
  }
  if (!has_digits) return 0.0f;
  if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
    size_t exponent = at + 1;
    if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-')) ++exponent;
    size_t exponent_end = SkipDigits(text, exponent);
    if (exponent_end > exponent) at = exponent_end;  // "2e" is the number 2 and a letter
  }
  // The prefix is a plain decimal spelling, so strtod reads all of it. It is
  // read to double precision and then rounded to single, as the older tools
  // stored it; reading straight to single can differ in the last bit.
  const std::string number(text.substr(begin, at - begin));
  return platform::NarrowToFloat(std::strtod(number.c_str(), nullptr));
}

}  // namespace gearbake
