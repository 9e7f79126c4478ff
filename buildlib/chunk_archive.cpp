#include "buildlib/chunk_archive.h"

#include <cassert>
#include <cstring>

namespace buildlib {

namespace {

// Longest chunk header: the id byte and a four-byte length.
constexpr uint32_t kMaxHeader = 5;
// Lengths below this take one length byte.
constexpr uint32_t kShortLengthLimit = 128;

uint32_t U32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
         (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

// Writes a chunk's length field at `out`; returns its width (1 or 4).
uint32_t PutLength(uint8_t* out, uint32_t length) {
  if (length < kShortLengthLimit) {
    out[0] = static_cast<uint8_t>(length * 2);
    return 1;
  }
  uint32_t v = length * 2 + 1;
  out[0] = static_cast<uint8_t>(v);
  out[1] = static_cast<uint8_t>(v >> 8);
  out[2] = static_cast<uint8_t>(v >> 16);
  out[3] = static_cast<uint8_t>(v >> 24);
  return 4;
}

}  // namespace

void ChunkArchive::ResetFrames() {
  frames_.clear();
  frames_.push_back(ChunkFrame{});
}

void ChunkArchive::Open(Stream& stream, bool reading, int32_t version) {
  ResetFrames();
  Clear();
  chunk_data_.Clear();
  reading_ = reading;
  if (!reading) {
    version_ = version;
    return;
  }
  LoadTopLevel(stream, kObjectTableChunkId, this);
  LoadTopLevel(stream, kObjectDataChunkId, &chunk_data_);
  frames_.back().size = chunk_data_.GetSize();
  // The object table lists stored objects by class id; no class is
  // registered in these programs, so every listed object reads as absent and
  // only the version is taken from the object data chunk.
  if (version == 1) {
    version_ = 0;
    SerializeValue(kVersionChunkId, version_);
  } else {
    version_ = version;
  }
  ResetFrames();
  LoadTopLevel(stream, kMainChunkId, &chunk_data_);
  frames_.back().size = chunk_data_.GetSize();
}

void ChunkArchive::Close(Stream& stream) {
  if (!reading_) {
    assert(frames_.size() == 1 && "every BeginChunk needs its EndChunk before Close");
    const ChunkFrame& root = frames_.front();
    chunk_data_.SetSize(root.start + root.size);
    WriteTopLevel(stream, kMainChunkId, chunk_data_);
    chunk_data_.Clear();
    ResetFrames();
    SerializeValue(kVersionChunkId, version_);
    WriteTopLevel(stream, kObjectTableChunkId, *this);
    chunk_data_.SetSize(frames_.front().start + frames_.front().size);
    WriteTopLevel(stream, kObjectDataChunkId, chunk_data_);
  }
  Clear();
  chunk_data_.Clear();
  frames_.clear();
}

void ChunkArchive::WriteTopLevel(Stream& stream, uint8_t id, const MemoryStream& content) {
  uint8_t header[kMaxHeader];
  header[0] = id;
  uint32_t width = PutLength(header + 1, content.GetSize());
  stream.Write(header, 1 + width);
  if (content.GetSize() > 0) stream.Write(content.data(), content.GetSize());
}

bool ChunkArchive::LoadTopLevel(Stream& stream, uint8_t id, MemoryStream* content) {
  stream.set_good(true);
  stream.Seek(0);
  while (true) {
    uint8_t header[kMaxHeader] = {};
    stream.Read(header, 2);
    if (stream.good() && (header[1] & 1)) stream.Read(header + 2, 3);
    if (!stream.good()) break;
    uint32_t length = (header[1] & 1) ? U32(header + 1) >> 1 : header[1] >> 1;
    if (length >= kMaxTopLevelChunk) break;
    content->SetSizeForLoad(length);
    if (length > 0 && stream.Read(content->data(), length) != length) break;
    if (header[0] == id) return true;
  }
  content->Clear();
  return false;
}

bool ChunkArchive::BeginChunk(uint8_t id) {
  ChunkFrame& parent = frames_.back();
  if (!reading_) {
    frames_.push_back(ChunkFrame{id, parent.start + parent.size + kMaxHeader, 0, 1});
    return true;
  }
  Found found;
  if (!FindChunk(id, parent.index, &found)) return false;
  frames_.push_back(ChunkFrame{id, found.start, found.length, 1});
  return true;
}

void ChunkArchive::EndChunk() {
  assert(frames_.size() > 1 && "EndChunk without BeginChunk");
  ChunkFrame child = frames_.back();
  frames_.pop_back();
  if (reading_) return;
  WriteChunk(child.id, nullptr, child.start, child.size);
  chunk_data_.SetSize(frames_.back().start + frames_.back().size);
}

void ChunkArchive::WriteChunk(uint8_t id, const uint8_t* bytes, uint32_t data_at,
                              uint32_t length) {
  ChunkFrame& frame = frames_.back();
  uint32_t at = frame.start + frame.size;
  chunk_data_.SetSize(at + length + kMaxHeader);
  uint8_t* buffer = chunk_data_.data();
  buffer[at] = id;
  uint32_t header = 1 + PutLength(buffer + at + 1, length);
  uint32_t dest = at + header;
  if (bytes != nullptr) {
    if (length > 0) std::memcpy(buffer + dest, bytes, length);
  } else if (data_at != dest && length > 0) {
    // A closed child moves down over the unused part of its header gap; a
    // child with a four-byte length is already in place.
    assert(data_at > dest);
    std::memmove(buffer + dest, buffer + data_at, length);
  }
  frame.size += header + length;
}

bool ChunkArchive::FindChunk(uint8_t id, int32_t n, Found* found, uint32_t* seen_out) const {
  const ChunkFrame& frame = frames_.back();
  const uint8_t* data = chunk_data_.data() + frame.start;
  uint32_t pos = 0;
  int32_t seen = 0;
  while (uint64_t{pos} + 2 <= frame.size) {
    uint8_t chunk_id = data[pos];
    uint32_t header = 2;
    uint32_t length = data[pos + 1] >> 1;
    if (data[pos + 1] & 1) {
      if (uint64_t{pos} + kMaxHeader > frame.size) break;
      header = kMaxHeader;
      length = U32(data + pos + 1) >> 1;
    }
    if (uint64_t{pos} + header + length > frame.size) break;
    if (chunk_id == id && ++seen == n) {
      found->start = frame.start + pos + header;
      found->length = length;
      return true;
    }
    pos += header + length;
  }
  if (seen_out != nullptr) *seen_out = static_cast<uint32_t>(seen);
  return false;
}

void ChunkArchive::SerializeValue(uint8_t id, void* field, uint32_t size) {
  if (!reading_) {
    WriteChunk(id, static_cast<const uint8_t*>(field), 0, size);
    return;
  }
  Found found;
  uint32_t copied = 0;
  if (FindChunk(id, frames_.back().index, &found)) {
    // A chunk of another length gives what fits; the rest reads as zero.
    copied = found.length < size ? found.length : size;
    if (copied > 0) std::memcpy(field, chunk_data_.data() + found.start, copied);
  }
  if (size > copied) std::memset(static_cast<uint8_t*>(field) + copied, 0, size - copied);
}

void ChunkArchive::SerializeString(uint8_t id, std::string& text) {
  if (!reading_) {
    // The text and its terminating zero byte.
    WriteChunk(id, reinterpret_cast<const uint8_t*>(text.c_str()), 0,
               static_cast<uint32_t>(text.size() + 1));
    return;
  }
  Found found;
  text.clear();
  if (!FindChunk(id, frames_.back().index, &found)) return;
  const char* begin = reinterpret_cast<const char*>(chunk_data_.data() + found.start);
  // Up to the terminating zero, or to the chunk's end when it has none.
  const void* zero = found.length > 0 ? std::memchr(begin, 0, found.length) : nullptr;
  text.assign(begin, zero ? static_cast<const char*>(zero) - begin : found.length);
}

uint32_t ChunkArchive::CountChunks(uint8_t id) {
  if (!reading_) return 0;
  uint32_t count = 0;
  Found unused;
  FindChunk(id, 0, &unused, &count);  // n = 0 matches none: the scan counts them all
  return count;
}

void ChunkArchive::SetElementIndex(int32_t index) { frames_.back().index = index; }

void ChunkArchive::SerializeStringList(uint8_t id, std::vector<std::string>& list) {
  if (!BeginChunk(id)) return;
  if (reading_) {
    list.clear();
    list.resize(CountChunks(1));
  }
  for (size_t i = 0; i < list.size(); ++i) {
    SetElementIndex(static_cast<int32_t>(i + 1));
    SerializeString(1, list[i]);
  }
  EndChunk();
}

}  // namespace buildlib
