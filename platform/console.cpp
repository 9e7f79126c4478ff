#include "platform/console.h"

#include <cerrno>
#include <cstdio>
#include <unistd.h>

namespace platform {

void WriteError(std::string_view text) {
  // Standard output is flushed first so that progress text and the error
  // appear in the order they happened when both go to one terminal.
  std::fflush(stdout);
  const char* p = text.data();
  size_t left = text.size();
  while (left > 0) {
    ssize_t n = ::write(STDERR_FILENO, p, left);
    if (n < 0) {
      if (errno == EINTR) continue;
      return;
    }
    p += n;
    left -= static_cast<size_t>(n);
  }
}

}  // namespace platform
