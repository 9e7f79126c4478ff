// Numbers at the start of a text, read the way the designers' older tools
// read them: white space, then as much of a decimal number as is there, and
// whatever follows ignored. A text without digits at its start reads as 0.
//
// The skill entries and crippled-part lists of the item tables are texts such
// as "melee 3" or "1, 4"; their numbers are read with these, never through the
// registry getters, so "+2", " 7", "3rd" and "x" read as 2, 7, 3 and 0.
#ifndef BAKE_GEARBAKE_LEADING_NUMBER_H_
#define BAKE_GEARBAKE_LEADING_NUMBER_H_

#include <cstdint>
#include <string_view>

namespace gearbake {

// Leading white space (space, tab, LF, VT, FF, CR), an optional sign and
// decimal digits. A value beyond the int32 range is clamped to that range.
int32_t LeadingInt(std::string_view text);

// Leading white space, then the longest prefix of the form
// [+-]?(digits[.digits]|.digits)([eE][+-]?digits)?, read to double precision
// and then rounded to single as the hardware rounds (beyond FLT_MAX by less than
// half a step gives FLT_MAX, further out an infinity). Hexadecimal,
// "inf" and "nan" spellings are not numbers here and read as 0.
float LeadingReal(std::string_view text);

}  // namespace gearbake

#endif  // BAKE_GEARBAKE_LEADING_NUMBER_H_
