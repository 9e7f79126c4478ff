#include "platform/output_file.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace platform {

namespace {
std::atomic<unsigned> temp_counter{0};
}  // namespace

std::string ErrorText(int error) { return std::strerror(error); }

OutputFile::~OutputFile() { Abandon(); }

bool OutputFile::Create(const std::string& path) {
  Abandon();
  path_ = path;
  error_ = 0;
  // O_EXCL makes the temporary name ours alone; the mode lets the umask decide
  // the final permissions, as for any file the user creates.
  for (int attempt = 0; attempt < 100; ++attempt) {
    temp_path_ = path + ".tmp" + std::to_string(::getpid()) + "-" +
                 std::to_string(temp_counter.fetch_add(1));
    fd_ = ::open(temp_path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd_ >= 0) return true;
    if (errno != EEXIST) break;
  }
  error_ = errno;
  temp_path_.clear();
  return false;
}

bool OutputFile::Write(const void* data, size_t size) {
  if (fd_ < 0) {
    if (error_ == 0) error_ = EBADF;
    return false;
  }
  const char* p = static_cast<const char*>(data);
  while (size > 0) {
    ssize_t n = ::write(fd_, p, size);
    if (n < 0) {
      if (errno == EINTR) continue;
      error_ = errno;
      Abandon();
      return false;
    }
    p += n;
    size -= static_cast<size_t>(n);
  }
  return true;
}

bool OutputFile::Commit() {
  if (fd_ < 0) {
    if (error_ == 0) error_ = EBADF;
    return false;
  }
  int fd = fd_;
  fd_ = -1;
  if (::close(fd) != 0) {
    error_ = errno;
    ::unlink(temp_path_.c_str());
    temp_path_.clear();
    return false;
  }
  if (::rename(temp_path_.c_str(), path_.c_str()) != 0) {
    error_ = errno;
    ::unlink(temp_path_.c_str());
    temp_path_.clear();
    return false;
  }
  temp_path_.clear();
  return true;
}

void OutputFile::Abandon() {
  if (fd_ >= 0) {
    ::close(fd_);
    fd_ = -1;
  }
  if (!temp_path_.empty()) {
    ::unlink(temp_path_.c_str());
    temp_path_.clear();
  }
}

std::string OutputFile::ErrorText() const { return platform::ErrorText(error_); }

}  // namespace platform
