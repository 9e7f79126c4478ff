#include "journalbake/quest_database.h"

#include <gtest/gtest.h>

#include <string>

#include "testsupport/test_support.h"

namespace journalbake {
namespace {

using testsupport::Bytes;
using testsupport::Hex;

std::string ListChunk(uint8_t id, std::string_view cell) {
  directtable::ChunkBuffer record;
  QuestDatabase::WriteList(&record, id, cell);
  return std::string(reinterpret_cast<const char*>(record.Data()), record.Length());
}

// The chunk a list of `pieces` must give: one text chunk with id 1 each.
std::string Expected(uint8_t id, std::initializer_list<std::string> pieces) {
  directtable::ChunkBuffer payload;
  for (const std::string& piece : pieces) payload.WriteText(1, piece);
  directtable::ChunkBuffer chunk;
  chunk.WriteChunk(id, payload);
  return std::string(reinterpret_cast<const char*>(chunk.Data()), chunk.Length());
}

TEST(WriteListTest, RingAndSwordBytes) {
  EXPECT_EQ(Hex(ListChunk(3, "Ring,Sword")),
            Hex(Bytes("03 1E 01 0A 52 69 6E 67 00 01 0C 53 77 6F 72 64 00")));
  EXPECT_EQ(Hex(ListChunk(5, "")), Hex(Bytes("05 00")));
}

TEST(WriteListTest, PiecesAreKeptAsWritten) {
  struct Case {
    const char* cell;
    std::initializer_list<std::string> pieces;
  } cases[] = {
      {"Ring", {"Ring"}},
      {"a, b", {"a", " b"}},
      {"a,,b", {"a", "", "b"}},
      {"a,", {"a", ""}},
      {"a,,", {"a", "", ""}},
      {",a,b", {",a,b"}},
      {",", {","}},
      {" ", {" "}},
      {"\"x\",y", {"\"x\"", "y"}},
  };
  for (const Case& c : cases) EXPECT_EQ(Hex(ListChunk(6, c.cell)), Hex(Expected(6, c.pieces))) << c.cell;
}

}  // namespace
}  // namespace journalbake
