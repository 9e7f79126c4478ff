// Hand-built chunks of the database container.
//
// A chunk is an id byte, a length and that many data bytes. The length takes
// one byte holding 2 x L while 2 x L fits a byte (L <= 127); otherwise four
// little-endian bytes holding 2 x L + 1, so bit 0 tells a reader which form it
// has. Nesting is built from the inside out: a record is written into its own
// buffer, then appended to its parent as one chunk, and the inner buffer is
// Reset for the next element.
#ifndef BAKE_DIRECTTABLE_CHUNK_BUFFER_H_
#define BAKE_DIRECTTABLE_CHUNK_BUFFER_H_

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace directtable {

// Largest chunk data length: 2 x L + 1 must fit the 32-bit length field.
inline constexpr size_t kMaxChunkLength = 0x7FFFFFFF;
// Largest length that still takes the one-byte form.
inline constexpr size_t kMaxShortChunkLength = 127;

class ChunkBuffer {
 public:
  ChunkBuffer() = default;
  ChunkBuffer(const ChunkBuffer&) = delete;
  ChunkBuffer& operator=(const ChunkBuffer&) = delete;

  // Appends one chunk holding `length` bytes from `data`.
  void WriteChunk(uint8_t id, const void* data, size_t length);
  // Appends one chunk whose data is everything `payload` holds.
  void WriteChunk(uint8_t id, const ChunkBuffer& payload);
  // Appends a text chunk: the text's bytes and one terminating zero byte.
  void WriteText(uint8_t id, std::string_view text);
  // Appends a 4-byte chunk with the value in little-endian order.
  void WriteInt(uint8_t id, int32_t value);
  // Appends a 4-byte chunk with the bits of the single-precision value.
  void WriteReal(uint8_t id, float value);

  // Empties the buffer (and its too_large mark); its memory is kept for the
  // next element.
  void Reset();

  const uint8_t* Data() const { return bytes_.data(); }
  size_t Length() const { return bytes_.size(); }

  // True once a chunk longer than kMaxChunkLength was asked for (directly or
  // inside a payload). Such a chunk cannot be encoded; it is left out, and the
  // caller must refuse to save rather than write a damaged file.
  bool too_large() const { return too_large_; }

 private:
  // Appends the id and the length field and room for `length` data bytes;
  // returns where the data goes, or null (nothing appended) when the length
  // cannot be encoded.
  uint8_t* AppendChunk(uint8_t id, size_t length);

  // Geometric growth of the vector keeps appending linear in the output size,
  // which matters for large speech tables.
  std::vector<uint8_t> bytes_;
  bool too_large_ = false;
};

}  // namespace directtable

#endif  // BAKE_DIRECTTABLE_CHUNK_BUFFER_H_
