// Reads the INI text that the builders write for one table and hands its
// sections and values to a RegistryWriter.
//
// The text is taken byte for byte, in the tables' own code page:
//   - Lines end at a line feed; one carriage return right before it (or at
//     the end of a last line that has no line feed) is dropped. The last line
//     counts even without a line feed.
//   - A line starting with '[' opens a section. Its name is everything
//     between that '[' and the last ']' of the line, so a name may itself
//     hold brackets; bytes after the last ']' are ignored. A '[' line with no
//     ']' is an error: guessing where the name ends could merge rows.
//   - Any other line holding '=' is a key: the key is every byte before the
//     first '=' exactly as written (not trimmed: the builders write column
//     names, already trimmed, straight against the '='), the value every
//     byte after it, stored as a text.
//   - There are no comments. Lines without '=' and lines before the first
//     section are ignored.
// A section whose name occurs again (ASCII letters without case) replaces
// the earlier one wholly and is reported back; a key that occurs again in a
// section replaces its earlier value.
#ifndef BAKE_HIVECAST_INI_READER_H_
#define BAKE_HIVECAST_INI_READER_H_

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "hivecast/registry_writer.h"

namespace hivecast {

// A section that replaced an earlier one of the same name.
struct RepeatedSection {
  size_t line = 0;  // 1-based line of the later section line
  std::string name;
};

// Adds every section and value of `text` to `writer`. Repeated sections are
// appended to `repeated`. False with `*error` set ("line N: ...") when the
// text cannot be read as an INI text.
bool ReadIni(std::string_view text, RegistryWriter* writer, std::vector<RepeatedSection>* repeated,
             std::string* error);

}  // namespace hivecast

#endif  // BAKE_HIVECAST_INI_READER_H_
