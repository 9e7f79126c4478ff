#include "platform/whole_file.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

bool ReadWholeFile(const std::string& path, std::string* bytes, int* error) {
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    *error = errno;
    return false;
  }
  struct stat st;
  if (::fstat(fd, &st) != 0) {
    *error = errno;
    ::close(fd);
    return false;
  }
  if (!S_ISREG(st.st_mode)) {
    *error = S_ISDIR(st.st_mode) ? EISDIR : ENODEV;
    ::close(fd);
    return false;
  }
  std::string text;
  // Sized once from the file's size; a file that grows while it is read is
  // taken whole all the same.
  text.resize(static_cast<size_t>(st.st_size));
  size_t done = 0;
  while (true) {
    if (done == text.size()) text.resize(text.size() + 4096);
    ssize_t n = ::read(fd, text.data() + done, text.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      *error = errno;
      ::close(fd);
      return false;
    }
    if (n == 0) break;
    done += static_cast<size_t>(n);
  }
  ::close(fd);
  text.resize(done);
  *bytes = std::move(text);
  return true;
}

}  // namespace platform
