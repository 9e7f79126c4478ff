// Numbers read from table cells, the way the C functions atoi and atof read
// them: white space at the start is skipped, reading stops at the first
// character that does not fit, and a cell without a number reads as 0.
//
// A cell is a view into the mapped table and is not zero-terminated, so both
// readers stop at the cell's end; they never look at the byte after it.
#ifndef BAKE_DIRECTTABLE_CELL_NUMBERS_H_
#define BAKE_DIRECTTABLE_CELL_NUMBERS_H_

#include <cstdint>
#include <string_view>

namespace directtable {

// atoi: optional sign and decimal digits. A value outside the 32-bit range is
// held at INT32_MIN or INT32_MAX rather than wrapping to an unrelated number.
int32_t ReadInt(std::string_view cell);

// atof, narrowed to single precision (every real field is 32 bits). Decimal
// and hexadecimal forms, exponents, "inf" and "nan" as strtod accepts them in
// the C locale; a value beyond the single range rounds as a conversion to
// single precision does (to FLT_MAX, or past its half step to infinity).
float ReadReal(std::string_view cell);

}  // namespace directtable

#endif  // BAKE_DIRECTTABLE_CELL_NUMBERS_H_
