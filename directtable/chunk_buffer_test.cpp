#include "directtable/chunk_buffer.h"

#include <gtest/gtest.h>

#include <string>

#include "testsupport/test_support.h"

namespace directtable {
namespace {

using testsupport::Bytes;
using testsupport::Hex;

std::string Contents(const ChunkBuffer& buffer) {
  return std::string(reinterpret_cast<const char*>(buffer.Data()), buffer.Length());
}

TEST(ChunkBufferTest, ValueAndTextChunks) {
  ChunkBuffer buffer;
  buffer.WriteInt(2, 5);
  buffer.WriteText(0, "Axe");
  buffer.WriteText(3, "");
  buffer.WriteReal(1, 1.5f);
  buffer.WriteInt(4, -1);
  buffer.WriteChunk(7, nullptr, 0);
  EXPECT_EQ(Hex(Contents(buffer)), Hex(Bytes("02 08 05 00 00 00  00 08 41 78 65 00  03 02 00"
                                             "01 08 00 00 C0 3F  04 08 FF FF FF FF  07 00")));
}

TEST(ChunkBufferTest, LengthFormChangesAfter127Bytes) {
  struct Case {
    size_t length;
    const char* header;
  } cases[] = {{127, "09 FE"}, {128, "09 01 01 00 00"}, {200, "09 91 01 00 00"}};
  for (const Case& c : cases) {
    ChunkBuffer buffer;
    std::string data(c.length, 'x');
    buffer.WriteChunk(9, data.data(), data.size());
    std::string header = Bytes(c.header);
    EXPECT_EQ(Hex(Contents(buffer)), Hex(header + data)) << c.length << " bytes";
  }
}

TEST(ChunkBufferTest, NestedPayloadAndResetForTheNextElement) {
  ChunkBuffer record;
  ChunkBuffer list;
  record.WriteText(1, "Ring");
  list.WriteChunk(1, record);
  record.Reset();
  record.WriteText(1, "Sword");
  list.WriteChunk(1, record);
  ChunkBuffer outer;
  outer.WriteChunk(3, list);
  EXPECT_EQ(Hex(Contents(outer)), Hex(Bytes("03 26 01 0E 01 0A 52 69 6E 67 00 01 10 01 0C 53 77 6F 72 64 00")));
}

TEST(ChunkBufferTest, AnUnencodableLengthIsMarkedAndPassedUp) {
  ChunkBuffer inner;
  // The length is refused before the data pointer is looked at.
  inner.WriteChunk(1, "x", kMaxChunkLength + 1);
  EXPECT_TRUE(inner.too_large());
  EXPECT_EQ(inner.Length(), 0u);
  ChunkBuffer outer;
  outer.WriteChunk(2, inner);
  EXPECT_TRUE(outer.too_large());
  inner.Reset();
  EXPECT_FALSE(inner.too_large());
}

}  // namespace
}  // namespace directtable
