#include "directtable/test_chunks.h"

#include <gtest/gtest.h>

namespace directtable::testing {

std::vector<Chunk> Chunks(const std::string& bytes) {
  std::vector<Chunk> chunks;
  size_t at = 0;
  while (at < bytes.size()) {
    if (at + 2 > bytes.size()) {
      ADD_FAILURE() << "a chunk header runs past the end at " << at;
      break;
    }
    uint8_t id = static_cast<uint8_t>(bytes[at]);
    uint32_t length = static_cast<uint8_t>(bytes[at + 1]);
    at += 2;
    if (length & 1) {
      if (at + 3 > bytes.size()) {
        ADD_FAILURE() << "a four-byte length runs past the end at " << at;
        break;
      }
      for (int i = 1; i < 4; ++i) length |= uint32_t{static_cast<uint8_t>(bytes[at++])} << (8 * i);
    }
    length >>= 1;
    if (at + length > bytes.size()) {
      ADD_FAILURE() << "chunk " << int{id} << " of " << length << " bytes runs past the end";
      break;
    }
    chunks.push_back({id, bytes.substr(at, length)});
    at += length;
  }
  return chunks;
}

std::string Find(const std::vector<Chunk>& chunks, uint8_t id) {
  std::string found;
  int count = 0;
  for (const Chunk& chunk : chunks) {
    if (chunk.id == id) {
      found = chunk.data;
      ++count;
    }
  }
  EXPECT_EQ(count, 1) << "chunks with id " << int{id};
  return found;
}

std::string Text(const std::string& data) {
  EXPECT_TRUE(!data.empty() && data.back() == '\0') << "a text chunk ends with a zero byte";
  return data.empty() ? data : data.substr(0, data.size() - 1);
}

std::vector<std::string> ListRecords(const std::string& database, uint8_t list_id) {
  std::vector<std::string> records;
  for (const Chunk& record : Chunks(Find(Chunks(Find(Chunks(database), 1)), list_id))) {
    EXPECT_EQ(record.id, 1);
    records.push_back(record.data);
  }
  return records;
}

}  // namespace directtable::testing
