// A whole file mapped into memory.
//
// Two modes: read-only (the registry files the converter writes), and private
// copy-on-write (the direct-table readers cut their text in place; the file on
// disk never changes). Open reports which step failed so that callers can give
// the message their users know for that step. An empty file cannot be mapped:
// Open fails at the mapping step, as the desktop build does.
#ifndef BAKE_PLATFORM_MAPPED_FILE_H_
#define BAKE_PLATFORM_MAPPED_FILE_H_

#include <cstddef>
#include <cstdint>
#include <string>

namespace platform {

class MappedFile {
 public:
  enum class Mode { kReadOnly, kPrivateCopy };

  // The step at which Open failed.
  enum class Status {
    kOk,
    kOpenFailed,     // the file does not exist or cannot be opened
    kSizeFailed,     // its size cannot be determined
    kTooLarge,       // above the mapping limit (2 GiB)
    kMappingFailed,  // empty file, or the system refused the mapping
  };

  // Largest file that is mapped.
  static constexpr uint64_t kMaxSize = 0x80000000u;

  MappedFile() = default;
  ~MappedFile();
  MappedFile(const MappedFile&) = delete;
  MappedFile& operator=(const MappedFile&) = delete;
  MappedFile(MappedFile&& other) noexcept;
  MappedFile& operator=(MappedFile&& other) noexcept;

  Status Open(const std::string& path, Mode mode);
  void Close();

  bool is_open() const { return data_ != nullptr; }
  // In kPrivateCopy mode the bytes may be written; writes stay in this process.
  uint8_t* data() const { return data_; }
  size_t size() const { return size_; }
  // The system error code of the failed step (errno), 0 after success.
  int error() const { return error_; }

 private:
  uint8_t* data_ = nullptr;
  size_t size_ = 0;
  int error_ = 0;
};

}  // namespace platform

#endif  // BAKE_PLATFORM_MAPPED_FILE_H_
