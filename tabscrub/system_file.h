// The file operations tabscrub needs, as thin wrappers over the system.
//
// Every operation returns 0 on success or the system's error code (errno),
// which the caller puts into its message; nothing here reports or formats.
// `SystemFile` owns one open descriptor and closes it when it goes, so an error
// anywhere leaves no descriptor open and whatever was written stays on disk.
#ifndef BAKE_TABSCRUB_SYSTEM_FILE_H_
#define BAKE_TABSCRUB_SYSTEM_FILE_H_

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/file_times.h"

namespace tabscrub {

class SystemFile {
 public:
  SystemFile() = default;
  ~SystemFile();
  SystemFile(const SystemFile&) = delete;
  SystemFile& operator=(const SystemFile&) = delete;

  // Opens an existing file for reading. A directory is refused (EISDIR): its
  // content cannot be read as bytes. Never waits for a writer on a pipe.
  int OpenForReading(const std::string& path);
  // Creates `path` for writing, replacing any file there; the new file gets
  // the ordinary permissions for new files.
  int Create(const std::string& path);
  // Closes the file; a write the system had deferred may fail only here.
  int Close();

  int Size(uint64_t* size) const;
  // Reads up to `capacity` bytes into `buffer`; fewer only at the end of the file.
  int ReadBlock(char* buffer, size_t capacity, size_t* read);
  // Writes all `size` bytes, or fails.
  int WriteAll(const char* data, size_t size);
  int ReadTimes(platform::FileTimes* times) const;
  int WriteTimes(const platform::FileTimes& times);

 private:
  int fd_ = -1;
};

// Deletes a file (never a directory). ENOENT when there was none.
int DeleteFile(const std::string& path);
// Renames `from` to `to`.
int MoveFile(const std::string& from, const std::string& to);

}  // namespace tabscrub

#endif  // BAKE_TABSCRUB_SYSTEM_FILE_H_
