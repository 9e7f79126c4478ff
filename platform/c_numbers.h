// The C run-time's number reading (atoi, and the narrowing of atof's double
// to a 32-bit real) for texts that are views, not zero-terminated strings:
// reading stops at the text's end and never looks past it.
//
// Where C leaves the result undefined (an integer beyond int32, a double
// beyond the single range) these give the nearest value instead.
#ifndef BAKE_PLATFORM_C_NUMBERS_H_
#define BAKE_PLATFORM_C_NUMBERS_H_

#include <cstdint>
#include <string_view>

namespace platform {

// True for the characters isspace accepts in the C locale.
bool IsCSpace(char c);

// atoi: leading white space, an optional sign, decimal digits; whatever
// follows is ignored and a text without digits reads as 0. A value beyond the
// int32 range is held at INT32_MIN or INT32_MAX.
int32_t ReadCInt(std::string_view text);

// A double narrowed to single precision as the hardware rounds it: beyond
// FLT_MAX by less than half a step gives FLT_MAX, from there on infinity.
float NarrowToFloat(double value);

}  // namespace platform

#endif  // BAKE_PLATFORM_C_NUMBERS_H_
