// Reading and restoring a file's time stamps.
//
// This build keeps the last-access and last-modification times; POSIX file
// systems offer no way to set a creation time.
#ifndef BAKE_PLATFORM_FILE_TIMES_H_
#define BAKE_PLATFORM_FILE_TIMES_H_

#include <ctime>

namespace platform {

struct FileTimes {
  timespec access{};
  timespec modification{};
};

// Both return false and leave errno set on failure.
bool ReadFileTimes(int fd, FileTimes* times);
bool WriteFileTimes(int fd, const FileTimes& times);

}  // namespace platform

#endif  // BAKE_PLATFORM_FILE_TIMES_H_
