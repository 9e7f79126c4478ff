#include "buildlib/streams.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace buildlib {

void Stream::CopyFrom(Stream& source) {
  source.Seek(0);
  uint8_t block[1024];
  uint32_t n;
  while ((n = source.Read(block, sizeof block)) > 0) Write(block, n);
}

uint32_t MemoryStream::Read(void* buffer, uint32_t count) {
  uint32_t available = position_ < size_ ? size_ - position_ : 0;
  uint32_t n = count;
  if (count > available) {
    good_ = false;
    std::memset(buffer, 0, count);
    n = available;
  }
  if (n > 0) std::memcpy(buffer, buffer_.data() + position_, n);
  position_ += n;
  return n;
}

void MemoryStream::Write(const void* buffer, uint32_t count) {
  uint64_t end = uint64_t{position_} + count;
  if (end > buffer_.size()) {
    uint64_t grown = (uint64_t{buffer_.size()} + count) * 2;
    buffer_.resize(static_cast<size_t>(grown > end ? grown : end));
  }
  if (count > 0) std::memcpy(buffer_.data() + position_, buffer, count);
  position_ += count;
  if (size_ < position_) size_ = position_;
}

void MemoryStream::Clear() {
  std::vector<uint8_t>().swap(buffer_);
  position_ = 0;
  size_ = 0;
  good_ = true;
}

void MemoryStream::SetSize(uint32_t size) {
  if (size > buffer_.size()) {
    // Growth by half again keeps a run of small increases linear overall.
    buffer_.resize(size_t{size} + size / 2 + 16);
  }
  size_ = size;
  position_ = 0;
}

void MemoryStream::SetSizeForLoad(uint32_t size) {
  if (size > buffer_.size()) {
    std::vector<uint8_t>().swap(buffer_);
    buffer_.resize(size);
  }
  size_ = size;
  position_ = 0;
}

void MemoryStream::CopyFrom(Stream& source) {
  source.Seek(0);
  SetSize(source.GetSize());
  source.Read(buffer_.data(), size_);
  Seek(0);
}

FileStream::~FileStream() { Close(); }

bool FileStream::OpenForReading(const std::string& path) {
  Close();
  fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  position_ = 0;
  good_ = fd_ >= 0;
  return fd_ >= 0;
}

void FileStream::Close() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  position_ = 0;
}

uint32_t FileStream::Read(void* buffer, uint32_t count) {
  uint32_t done = 0;
  while (fd_ >= 0 && done < count) {
    ssize_t n = ::pread(fd_, static_cast<uint8_t*>(buffer) + done, count - done,
                        static_cast<off_t>(position_) + done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    done += static_cast<uint32_t>(n);
  }
  position_ += done;
  if (done < count) good_ = false;
  return done;
}

void FileStream::Write(const void* /*buffer*/, uint32_t /*count*/) { good_ = false; }

void FileStream::Seek(uint32_t position) { position_ = position; }

uint32_t FileStream::GetSize() const {
  struct stat st;
  if (fd_ < 0 || ::fstat(fd_, &st) != 0) return 0;
  return static_cast<uint32_t>(st.st_size);
}

void FileStream::Clear() {
  good_ = true;
  position_ = 0;
}

}  // namespace buildlib
