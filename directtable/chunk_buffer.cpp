#include "directtable/chunk_buffer.h"

#include <cassert>
#include <cstring>

namespace directtable {

uint8_t* ChunkBuffer::AppendChunk(uint8_t id, size_t length) {
  if (length > kMaxChunkLength) {
    too_large_ = true;
    return nullptr;
  }
  size_t header = length <= kMaxShortChunkLength ? 2 : 5;
  size_t at = bytes_.size();
  bytes_.resize(at + header + length);
  uint8_t* out = bytes_.data() + at;
  *out++ = id;
  if (header == 2) {
    *out++ = static_cast<uint8_t>(length * 2);
  } else {
    uint32_t field = static_cast<uint32_t>(length * 2 + 1);
    for (int shift = 0; shift < 32; shift += 8) *out++ = static_cast<uint8_t>(field >> shift);
  }
  return out;
}

void ChunkBuffer::WriteChunk(uint8_t id, const void* data, size_t length) {
  uint8_t* out = AppendChunk(id, length);
  if (out == nullptr || length == 0) return;
  assert(data != nullptr);
  std::memcpy(out, data, length);
}

void ChunkBuffer::WriteChunk(uint8_t id, const ChunkBuffer& payload) {
  assert(&payload != this);
  if (payload.too_large_) too_large_ = true;
  WriteChunk(id, payload.Data(), payload.Length());
}

void ChunkBuffer::WriteText(uint8_t id, std::string_view text) {
  uint8_t* out = AppendChunk(id, text.size() + 1);
  if (out == nullptr) return;
  if (!text.empty()) std::memcpy(out, text.data(), text.size());
  out[text.size()] = 0;
}

void ChunkBuffer::WriteInt(uint8_t id, int32_t value) {
  uint8_t data[4];
  uint32_t bits = static_cast<uint32_t>(value);
  for (int i = 0; i < 4; ++i) data[i] = static_cast<uint8_t>(bits >> (8 * i));
  WriteChunk(id, data, sizeof data);
}

void ChunkBuffer::WriteReal(uint8_t id, float value) {
  static_assert(sizeof(float) == 4, "a real field is four bytes");
  uint32_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  WriteInt(id, static_cast<int32_t>(bits));
}

void ChunkBuffer::Reset() {
  bytes_.clear();
  too_large_ = false;
}

}  // namespace directtable
