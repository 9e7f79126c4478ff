// Removing the quotation marks a spreadsheet puts around cells.
//
// Works on one block of bytes at a time and touches nothing but the double
// quotation mark: line ends, TABs and bytes above 0x7F pass unchanged, and a
// doubled mark inside a cell disappears entirely. The block may be filtered in
// place, because the output never runs ahead of the input.
#ifndef BAKE_TABSCRUB_QUOTE_FILTER_H_
#define BAKE_TABSCRUB_QUOTE_FILTER_H_

#include <cstddef>

namespace tabscrub {

// The byte that is removed.
inline constexpr char kQuote = 0x22;

// Copies the `size` bytes at `in`, except quotation marks, in order to `out`
// (which may equal `in`) and returns how many were copied.
size_t StripQuotes(const char* in, size_t size, char* out);

}  // namespace tabscrub

#endif  // BAKE_TABSCRUB_QUOTE_FILTER_H_
