// Console output of the direct-table builders.
//
// Everything the builders say goes to standard output, progress and errors
// alike, in the order it happens. A line end is a line feed followed by a
// flush, so a user watching a long table sees each finished line at once;
// progress dots within a line are not flushed one by one.
#ifndef BAKE_DIRECTTABLE_CONSOLE_OUTPUT_H_
#define BAKE_DIRECTTABLE_CONSOLE_OUTPUT_H_

#include <string_view>

namespace directtable {

// Writes the bytes exactly as given (they may hold any byte of a table line).
void PrintText(std::string_view text);
// Writes a line feed and flushes.
void EndLine();
// PrintText then EndLine.
void PrintLine(std::string_view text);

}  // namespace directtable

#endif  // BAKE_DIRECTTABLE_CONSOLE_OUTPUT_H_
