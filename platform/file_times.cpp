#include "platform/file_times.h"

#include <sys/stat.h>

namespace platform {

bool ReadFileTimes(int fd, FileTimes* times) {
  struct stat st;
  if (::fstat(fd, &st) != 0) return false;
  times->access = st.st_atim;
  times->modification = st.st_mtim;
  return true;
}

bool WriteFileTimes(int fd, const FileTimes& times) {
  const timespec both[2] = {times.access, times.modification};
  return ::futimens(fd, both) == 0;
}

}  // namespace platform
