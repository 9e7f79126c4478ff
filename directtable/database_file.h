// The database file a direct-table builder writes.
//
// The layout is the one every database of the toolkit has when it stores no
// objects: the main chunk (id 1) with the builder's lists, an empty object
// table (id 0), and the object data chunk (id 2) holding only the container
// version (value chunk 2, the integer 1). So every file ends with the ten
// bytes 00 00 02 0C 02 08 01 00 00 00, and a container reader reads it like
// any other database.
//
// The file is written to a temporary name in the output directory and renamed
// into place, so a failed run never leaves a partial database.
#ifndef BAKE_DIRECTTABLE_DATABASE_FILE_H_
#define BAKE_DIRECTTABLE_DATABASE_FILE_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "directtable/chunk_buffer.h"

namespace directtable {

// Top-level chunk ids of a database file.
inline constexpr uint8_t kMainChunkId = 1;
inline constexpr uint8_t kObjectTableChunkId = 0;
inline constexpr uint8_t kObjectDataChunkId = 2;
// Inside the object data chunk: the container version, always 1.
inline constexpr uint8_t kVersionChunkId = 2;
inline constexpr int32_t kContainerVersion = 1;

// The database's path from the program's argument: a trailing '\' becomes
// '/', a '/' is added unless the argument ends in one, then the file name.
// The argument must not be empty (the frame refuses that before).
std::string DatabasePath(std::string_view output_dir, std::string_view file_name);

// Appends the whole file's bytes for `main_payload` to *file.
void AssembleDatabaseFile(const ChunkBuffer& main_payload, ChunkBuffer* file);

// Writes `bytes` as the file `path` (temporary file, then rename). On failure
// returns false, sets *error to the system's description, and leaves no file.
bool SaveToFile(const ChunkBuffer& bytes, const std::string& path, std::string* error);

}  // namespace directtable

#endif  // BAKE_DIRECTTABLE_DATABASE_FILE_H_
