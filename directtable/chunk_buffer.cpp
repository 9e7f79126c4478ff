#include "directtable/chunk_buffer.h"

#include <cassert>
#include <cstring>

namespace directtable {

namespace {

void AppendLittleEndian32(std::vector<uint8_t>* bytes, uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) {
    bytes->push_back(static_cast<uint8_t>(value >> shift));
  }
}

}  // namespace

bool ChunkBuffer::WriteHeader(uint8_t id, size_t length) {
  if (length > kMaxChunkLength) {
    too_large_ = true;
    return false;
  }
  bytes_.push_back(id);
  if (length <= kMaxShortChunkLength) {
    bytes_.push_back(static_cast<uint8_t>(length * 2));
  } else {
    AppendLittleEndian32(&bytes_, static_cast<uint32_t>(length * 2 + 1));
  }
  return true;
}

void ChunkBuffer::WriteChunk(uint8_t id, const void* data, size_t length) {
  if (!WriteHeader(id, length)) return;
  if (length == 0) return;
  assert(data != nullptr);
  const uint8_t* bytes = static_cast<const uint8_t*>(data);
  bytes_.insert(bytes_.end(), bytes, bytes + length);
}

void ChunkBuffer::WriteChunk(uint8_t id, const ChunkBuffer& payload) {
  assert(&payload != this);
  if (payload.too_large_) too_large_ = true;
  WriteChunk(id, payload.Data(), payload.Length());
}

void ChunkBuffer::WriteText(uint8_t id, std::string_view text) {
  if (!WriteHeader(id, text.size() + 1)) return;
  bytes_.insert(bytes_.end(), text.begin(), text.end());
  bytes_.push_back(0);
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
