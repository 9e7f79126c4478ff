#include "tabscrub/system_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace tabscrub {

SystemFile::~SystemFile() { Close(); }

int SystemFile::OpenForReading(const std::string& path) {
  Close();
  // O_NONBLOCK keeps a named pipe without a writer from holding the run up;
  // it has no effect on reading regular files.
  int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return errno;
  struct stat st;
  if (::fstat(fd, &st) != 0) {
    int error = errno;
    ::close(fd);
    return error;
  }
  if (S_ISDIR(st.st_mode)) {
    ::close(fd);
    return EISDIR;
  }
  fd_ = fd;
  return 0;
}

int SystemFile::Create(const std::string& path) {
  Close();
  int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) return errno;
  fd_ = fd;
  return 0;
}

int SystemFile::Close() {
  if (fd_ < 0) return 0;
  int result = ::close(fd_);
  fd_ = -1;
  // The descriptor is gone even when close reports an error, so it is never retried.
  return result == 0 || errno == EINTR ? 0 : errno;
}

int SystemFile::Size(uint64_t* size) const {
  struct stat st;
  if (::fstat(fd_, &st) != 0) return errno;
  *size = static_cast<uint64_t>(st.st_size);
  return 0;
}

int SystemFile::ReadBlock(char* buffer, size_t capacity, size_t* read) {
  // The system may return fewer bytes than asked before the end; only a read
  // of 0 bytes means the end, so a short block is always the last one.
  size_t filled = 0;
  while (filled < capacity) {
    ssize_t n = ::read(fd_, buffer + filled, capacity - filled);
    if (n < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    if (n == 0) break;
    filled += static_cast<size_t>(n);
  }
  *read = filled;
  return 0;
}

int SystemFile::WriteAll(const char* data, size_t size) {
  while (size > 0) {
    ssize_t n = ::write(fd_, data, size);
    if (n < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    if (n == 0) return EIO;
    data += n;
    size -= static_cast<size_t>(n);
  }
  return 0;
}

int SystemFile::ReadTimes(platform::FileTimes* times) const {
  return platform::ReadFileTimes(fd_, times) ? 0 : errno;
}

int SystemFile::WriteTimes(const platform::FileTimes& times) {
  return platform::WriteFileTimes(fd_, times) ? 0 : errno;
}

int DeleteFile(const std::string& path) { return ::unlink(path.c_str()) == 0 ? 0 : errno; }

int MoveFile(const std::string& from, const std::string& to) {
  return std::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

}  // namespace tabscrub
