// ChunkArchive: the chunked container every database is written in, and read
// back with the same record code.
//
// Chunk layout shared by reader and writer:
//   id      1 byte
//   length  L < 128: one byte L*2 (bit 0 clear);
//           otherwise four bytes little-endian L*2+1 (bit 0 set)
//   data    L bytes: a field's bytes, or nested chunks
// A record is a chunk of field chunks; a list is a chunk of element chunks,
// all with id 1. A database file is three top-level chunks: 1 (main: the
// builder's lists), 0 (object table, empty here) and 2 (object data: only the
// value chunk 2 holding the archive version). Every record type has one
// Serialize(ChunkArchive&) that writes in writing mode and reads in reading
// mode.
//
// Writing builds each top-level chunk in place: a new chunk's data starts five
// bytes after its parent's data so far (room for its id and longest length),
// and EndChunk moves it down once over the unused part of that gap.
// Reading scans the current chunk from its start for the k-th chunk with an
// id, k being the current element index; every length is checked against its
// parent, so a damaged file reads as missing fields, never out of bounds.
#ifndef BAKE_BUILDLIB_CHUNK_ARCHIVE_H_
#define BAKE_BUILDLIB_CHUNK_ARCHIVE_H_

#include <cstdint>
#include <string>
#include <type_traits>
#include <vector>

#include "buildlib/streams.h"

namespace buildlib {

// A top-level chunk of this length or more is refused when loading.
constexpr uint32_t kMaxTopLevelChunk = 10000001;

// Top-level chunk ids.
constexpr uint8_t kMainChunkId = 1;
constexpr uint8_t kObjectTableChunkId = 0;
constexpr uint8_t kObjectDataChunkId = 2;
// Value chunk id of the archive version inside the object data chunk.
constexpr uint8_t kVersionChunkId = 2;

struct ChunkFrame {
  uint8_t id = 0xFF;     // 0xFF for the root
  uint32_t start = 0;    // offset of the chunk's data in the chunk data buffer
  uint32_t size = 0;     // writing: bytes so far; reading: the chunk's length
  int32_t index = 1;     // 1-based element index for lookups
};

class ChunkArchive : public MemoryStream {  // its own content is the object table
 public:
  ChunkArchive() = default;

  void Open(Stream& stream, bool reading, int32_t version);
  void Close(Stream& stream);
  bool IsReading() const { return reading_; }
  int32_t version() const { return version_; }

  bool BeginChunk(uint8_t id);
  void EndChunk();
  void SerializeValue(uint8_t id, void* field, uint32_t size);
  void SerializeString(uint8_t id, std::string& text);
  uint32_t CountChunks(uint8_t id);
  void SetElementIndex(int32_t index);
  void SerializeStringList(uint8_t id, std::vector<std::string>& list);

  // A fixed-size field (number, flag, array of numbers, plain structure).
  template <class T>
  void SerializeValue(uint8_t id, T& field) {
    static_assert(std::is_trivially_copyable_v<T>);
    SerializeValue(id, &field, sizeof(T));
  }

  // A list of records, each with a Serialize(ChunkArchive&) member.
  template <class Record>
  void SerializeList(uint8_t id, std::vector<Record>& records) {
    if (!BeginChunk(id)) return;
    if (reading_) {
      records.clear();
      records.resize(CountChunks(1));
    }
    for (size_t i = 0; i < records.size(); ++i) {
      SetElementIndex(static_cast<int32_t>(i + 1));
      if (BeginChunk(1)) {
        records[i].Serialize(*this);
        EndChunk();
      }
    }
    EndChunk();
  }

 private:
  struct Found {
    uint32_t start = 0;  // absolute offset of the data in the chunk data buffer
    uint32_t length = 0;
  };
  // The n-th chunk with `id` directly inside the current frame (reading).
  // When not found, *seen (if given) is the number of chunks with `id`.
  bool FindChunk(uint8_t id, int32_t n, Found* found, uint32_t* seen = nullptr) const;
  // Appends a chunk to the current frame (writing); `data_at` is an offset
  // into the chunk data buffer, or the bytes at `bytes` when that is not null.
  void WriteChunk(uint8_t id, const uint8_t* bytes, uint32_t data_at, uint32_t length);
  void ResetFrames();

  static void WriteTopLevel(Stream& stream, uint8_t id, const MemoryStream& content);
  static bool LoadTopLevel(Stream& stream, uint8_t id, MemoryStream* content);

  MemoryStream chunk_data_;
  std::vector<ChunkFrame> frames_;
  int32_t version_ = 0;
  bool reading_ = false;
};

}  // namespace buildlib

#endif  // BAKE_BUILDLIB_CHUNK_ARCHIVE_H_
