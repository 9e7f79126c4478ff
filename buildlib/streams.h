// Byte streams under the chunk archive: MemoryStream (a growable buffer, also
// the archive's working storage) and FileStream (a file opened for reading).
//
// Every stream has a good flag: set when made and by Clear, cleared by a short
// read. A short read of a MemoryStream zero-fills the part it could not read.
#ifndef BAKE_BUILDLIB_STREAMS_H_
#define BAKE_BUILDLIB_STREAMS_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace buildlib {

class Stream {
 public:
  virtual ~Stream() = default;
  // Returns the number of bytes read.
  virtual uint32_t Read(void* buffer, uint32_t count) = 0;
  virtual void Write(const void* buffer, uint32_t count) = 0;
  virtual void Seek(uint32_t position) = 0;
  virtual uint32_t GetSize() const = 0;
  virtual uint32_t GetPosition() const = 0;
  // Forgets the content (where the stream owns it): position 0, good flag set.
  virtual void Clear() = 0;
  // Replaces the content by the source's content.
  virtual void CopyFrom(Stream& source);

  bool good() const { return good_; }
  void set_good(bool good) { good_ = good; }

 protected:
  bool good_ = true;
};

class MemoryStream : public Stream {
 public:
  uint32_t Read(void* buffer, uint32_t count) override;
  void Write(const void* buffer, uint32_t count) override;
  void Seek(uint32_t position) override { position_ = position; }
  uint32_t GetSize() const override { return size_; }
  uint32_t GetPosition() const override { return position_; }
  void Clear() override;
  void CopyFrom(Stream& source) override;

  // Sets the size (keeping the bytes up to the old size) and the position to 0.
  void SetSize(uint32_t size);
  // Sets the size to exactly `size` for a load; the old bytes are not kept.
  void SetSizeForLoad(uint32_t size);

  uint8_t* data() { return buffer_.data(); }
  const uint8_t* data() const { return buffer_.data(); }

 private:
  std::vector<uint8_t> buffer_;  // its size is the capacity
  uint32_t position_ = 0;
  uint32_t size_ = 0;
};

// A file opened for reading (databases are written through MemoryStream and
// platform::OutputFile, so that a failed write never leaves a partial file).
class FileStream : public Stream {
 public:
  FileStream() = default;
  ~FileStream() override;
  FileStream(const FileStream&) = delete;
  FileStream& operator=(const FileStream&) = delete;

  bool OpenForReading(const std::string& path);
  void Close();

  uint32_t Read(void* buffer, uint32_t count) override;
  // Not available on a stream opened for reading: the bytes are dropped and
  // the good flag is cleared.
  void Write(const void* buffer, uint32_t count) override;
  void Seek(uint32_t position) override;
  uint32_t GetSize() const override;
  uint32_t GetPosition() const override { return position_; }
  void Clear() override;

 private:
  int fd_ = -1;
  uint32_t position_ = 0;
};

}  // namespace buildlib

#endif  // BAKE_BUILDLIB_STREAMS_H_
