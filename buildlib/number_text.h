// How a cell's text reads as a number or a list, for values the converter
// stored as texts. A column's getter decides the type; the text only has to be
// spelled as that type.
//
//   integer  [+-]?[0-9]+ within int32
//   real     [+-]?([0-9]+\.?[0-9]*|\.[0-9]+)([eE][+-]?[0-9]+)?, read to single
//            precision as strtof does; an integer spelling outside int32 is a real
// White space (space, tab, CR, LF, VT, FF) around the number is ignored.
#ifndef BAKE_BUILDLIB_NUMBER_TEXT_H_
#define BAKE_BUILDLIB_NUMBER_TEXT_H_

#include <cstdint>
#include <string_view>
#include <vector>

namespace buildlib {

struct ParsedNumber {
  enum class Kind { kNone, kInteger, kReal };
  Kind kind = Kind::kNone;
  int32_t integer = 0;  // kInteger
  float real = 0.0f;    // kReal
};

ParsedNumber ParseNumber(std::string_view text);

// Truncates toward zero (a float converts exactly), clamping to the int32
// range; NaN gives `nan_value`.
int32_t TruncateToInt32(double value, int32_t nan_value);

// Trims the white space listed above from both ends.
std::string_view TrimSpace(std::string_view text);

// The text cut at commas, each piece trimmed, empty pieces dropped.
std::vector<std::string_view> SplitListText(std::string_view text);

}  // namespace buildlib

#endif  // BAKE_BUILDLIB_NUMBER_TEXT_H_
