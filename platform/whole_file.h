// Reading a whole regular file into memory (the tables and the converter's
// INI text are read this way; the registry files and direct tables are mapped).
#ifndef BAKE_PLATFORM_WHOLE_FILE_H_
#define BAKE_PLATFORM_WHOLE_FILE_H_

#include <string>

namespace platform {

// Replaces *bytes with the file's content. False with *error set to errno
// when it cannot be opened or read; a directory or device is refused
// (EISDIR, ENODEV) rather than read.
bool ReadWholeFile(const std::string& path, std::string* bytes, int* error);

}  // namespace platform

#endif  // BAKE_PLATFORM_WHOLE_FILE_H_
