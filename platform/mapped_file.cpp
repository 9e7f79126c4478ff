#include "platform/mapped_file.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace platform {

MappedFile::~MappedFile() { Close(); }

MappedFile::MappedFile(MappedFile&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)),
      size_(std::exchange(other.size_, 0)),
      error_(std::exchange(other.error_, 0)) {}

MappedFile& MappedFile::operator=(MappedFile&& other) noexcept {
  if (this != &other) {
    Close();
    data_ = std::exchange(other.data_, nullptr);
    size_ = std::exchange(other.size_, 0);
    error_ = std::exchange(other.error_, 0);
  }
  return *this;
}

MappedFile::Status MappedFile::Open(const std::string& path, Mode mode) {
  Close();
  error_ = 0;
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    error_ = errno;
    return Status::kOpenFailed;
  }
  struct stat st;
  if (::fstat(fd, &st) != 0) {
    error_ = errno;
    ::close(fd);
    return Status::kSizeFailed;
  }
  if (!S_ISREG(st.st_mode)) {
    // Directories and devices are not tables.
    error_ = S_ISDIR(st.st_mode) ? EISDIR : ENODEV;
    ::close(fd);
    return Status::kOpenFailed;
  }
  if (static_cast<uint64_t>(st.st_size) > kMaxSize) {
    error_ = EFBIG;
    ::close(fd);
    return Status::kTooLarge;
  }
  if (st.st_size == 0) {
    error_ = EINVAL;
    ::close(fd);
    return Status::kMappingFailed;
  }
  size_t size = static_cast<size_t>(st.st_size);
  int prot = mode == Mode::kReadOnly ? PROT_READ : PROT_READ | PROT_WRITE;
  void* view = ::mmap(nullptr, size, prot, MAP_PRIVATE, fd, 0);
  int map_errno = errno;
  ::close(fd);  // the mapping keeps its own reference to the file
  if (view == MAP_FAILED) {
    error_ = map_errno;
    return Status::kMappingFailed;
  }
  data_ = static_cast<uint8_t*>(view);
  size_ = size;
  return Status::kOk;
}

void MappedFile::Close() {
  if (data_ != nullptr) {
    ::munmap(data_, size_);
    data_ = nullptr;
  }
  size_ = 0;
}

}  // namespace platform
