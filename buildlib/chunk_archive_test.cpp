#include "buildlib/chunk_archive.h"

#include <gtest/gtest.h>

#include "testsupport/test_support.h"

namespace buildlib {
namespace {

using testsupport::Bytes;
using testsupport::Hex;

std::string Contents(const MemoryStream& stream) {
  return std::string(reinterpret_cast<const char*>(stream.data()), stream.GetSize());
}

// Writes a version-1 archive through `write` and returns the file's bytes.
template <class Write>
std::string Archive(Write write) {
  MemoryStream out;
  ChunkArchive archive;
  archive.Open(out, false, 1);
  write(archive);
  archive.Close(out);
  return Contents(out);
}

// The bytes every database ends with: empty object table, version chunk.
const std::string kTail = Bytes("00 00 02 0C 02 08 01 00 00 00");

// The main chunk's content of a file written by Archive().
std::string MainContent(const std::string& file) {
  EXPECT_EQ(file.substr(file.size() - kTail.size()), kTail);
  size_t header = (static_cast<uint8_t>(file[1]) & 1) ? 5 : 2;
  return file.substr(header, file.size() - kTail.size() - header);
}

struct Sample {
  int32_t number = 0;
  std::string word;
  std::vector<std::string> tags;
  float ratio = 0;

  void Serialize(ChunkArchive& archive) {
    archive.SerializeValue(2, number);
    archive.SerializeString(0, word);
    archive.SerializeStringList(10, tags);
    archive.SerializeValue(3, ratio);
  }
};

TEST(ChunkArchiveTest, FieldBytes) {
  int32_t five = 5;
  EXPECT_EQ(Hex(MainContent(Archive([&](ChunkArchive& a) { a.SerializeValue(2, five); }))),
            "02 08 05 00 00 00");
  std::string axe = "Axe";
  std::string empty;
  EXPECT_EQ(Hex(MainContent(Archive([&](ChunkArchive& a) {
              a.SerializeString(0, axe);
              a.SerializeString(0, empty);
            }))),
            "00 08 41 78 65 00 00 02 00");
  std::vector<Sample> none;
  EXPECT_EQ(Hex(MainContent(Archive([&](ChunkArchive& a) { a.SerializeList(10, none); }))),
            "0A 00");
}

TEST(ChunkArchiveTest, EmptyDatabaseIsSixteenBytes) {
  std::vector<Sample> one, two;
  std::string file = Archive([&](ChunkArchive& a) {
    a.SerializeList(1, one);
    a.SerializeList(2, two);
  });
  EXPECT_EQ(Hex(file), "01 08 01 00 02 00 00 00 02 0C 02 08 01 00 00 00");
}

TEST(ChunkArchiveTest, LengthTakesFourBytesFrom128) {
  // A 125-byte text is a 126-byte value: inside a record chunk of 128 bytes.
  for (size_t data : {127u, 128u, 300u}) {
    std::string text(data - 1, 'x');  // plus the terminating zero
    std::string file = Archive([&](ChunkArchive& a) {
      a.BeginChunk(7);
      a.SerializeString(1, text);
      a.EndChunk();
    });
    std::string main = MainContent(file);
    size_t inner = data < 128 ? 2 : 5;
    size_t outer_length = inner + data;
    SCOPED_TRACE(data);
    ASSERT_EQ(static_cast<uint8_t>(main[0]), 7);
    if (outer_length < 128) {
      EXPECT_EQ(static_cast<uint8_t>(main[1]), outer_length * 2);
    } else {
      uint32_t v = static_cast<uint32_t>(outer_length * 2 + 1);
      EXPECT_EQ(main.substr(1, 4), std::string({static_cast<char>(v & 0xFF),
                                                static_cast<char>((v >> 8) & 0xFF),
                                                static_cast<char>((v >> 16) & 0xFF),
                                                static_cast<char>(v >> 24)}));
    }
    std::string inner_header = main.substr(main.size() - data - inner, inner);
    if (data == 127) {
      EXPECT_EQ(Hex(inner_header), "01 FE");
    } else if (data == 128) {
      EXPECT_EQ(Hex(inner_header), "01 01 01 00 00");
    }
    EXPECT_EQ(main.substr(main.size() - data), text + std::string(1, '\0'));
  }
}

TEST(ChunkArchiveTest, RecordsRoundTrip) {
  std::vector<Sample> written(3);
  written[0] = {1, "one", {"a", "b"}, 0.5f};
  written[1] = {-2, std::string(200, 'w'), {}, 1.5f};
  written[2] = {3, "", {std::string(130, 't')}, -1.0f};
  std::string file = Archive([&](ChunkArchive& a) { a.SerializeList(4, written); });

  MemoryStream in;
  in.Write(file.data(), static_cast<uint32_t>(file.size()));
  ChunkArchive archive;
  archive.Open(in, true, 1);
  EXPECT_EQ(archive.version(), 1);
  std::vector<Sample> read;
  archive.SerializeList(4, read);
  archive.Close(in);
  ASSERT_EQ(read.size(), 3u);
  for (size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(read[i].number, written[i].number);
    EXPECT_EQ(read[i].word, written[i].word);
    EXPECT_EQ(read[i].tags, written[i].tags);
    EXPECT_EQ(read[i].ratio, written[i].ratio);
  }
}

// Reads one Sample record from a main-chunk body built by hand.
Sample ReadSample(const std::string& record_fields, Sample start = {}) {
  std::string element = Bytes("01") + std::string(1, static_cast<char>(record_fields.size() * 2)) +
                        record_fields;
  std::string list = Bytes("04") + std::string(1, static_cast<char>(element.size() * 2)) + element;
  std::string file = Bytes("01") + std::string(1, static_cast<char>(list.size() * 2)) + list + kTail;
  MemoryStream in;
  in.Write(file.data(), static_cast<uint32_t>(file.size()));
  ChunkArchive archive;
  archive.Open(in, true, 1);
  std::vector<Sample> read{start};
  archive.SerializeList(4, read);
  archive.Close(in);
  EXPECT_EQ(read.size(), 1u);
  return read.empty() ? Sample{} : read[0];
}

TEST(ChunkArchiveTest, MissingFieldReadsAsZeroAndLaterFieldsStillRead) {
  // No number (id 2), no tag list (id 10): ratio (id 3) still found.
  Sample s = ReadSample(Bytes("00 06 61 62 00  03 08 00 00 80 3F"));
  EXPECT_EQ(s.number, 0);
  EXPECT_EQ(s.word, "ab");
  EXPECT_TRUE(s.tags.empty());
  EXPECT_EQ(s.ratio, 1.0f);
}

TEST(ChunkArchiveTest, DamagedChunksReadSafely) {
  // A value chunk shorter than its field: what fits, the rest zero.
  EXPECT_EQ(ReadSample(Bytes("02 04 07 01")).number, 0x0107);
  // A longer one: only the field's bytes.
  EXPECT_EQ(ReadSample(Bytes("02 0C 05 00 00 00 FF FF")).number, 5);
  // A text without its terminating zero ends at the chunk's end.
  EXPECT_EQ(ReadSample(Bytes("00 04 68 69")).word, "hi");
  // A length that runs past the record ends the scan: the field is missing.
  EXPECT_EQ(ReadSample(Bytes("02 7E 05 00 00 00")).number, 0);
  // A four-byte length cut short.
  EXPECT_EQ(ReadSample(Bytes("02 01 00")).number, 0);
}

TEST(ChunkArchiveTest, TopLevelChunksFoundInAnyOrderAndOversizeRefused) {
  int32_t seven = 7;
  std::string file = Archive([&](ChunkArchive& a) { a.SerializeValue(2, seven); });
  // Move the main chunk to the end.
  std::string main = file.substr(0, file.size() - kTail.size());
  std::string reordered = kTail + main;
  for (const std::string& bytes : {file, reordered}) {
    MemoryStream in;
    in.Write(bytes.data(), static_cast<uint32_t>(bytes.size()));
    ChunkArchive archive;
    archive.Open(in, true, 1);
    int32_t v = 0;
    archive.SerializeValue(2, v);
    EXPECT_EQ(v, 7);
    EXPECT_EQ(archive.version(), 1);
    archive.Close(in);
  }
  // A main chunk claiming 10,000,001 bytes is refused; the rest still reads.
  uint32_t big = 10000001u * 2 + 1;
  std::string oversize = kTail + Bytes("01") +
                         std::string({static_cast<char>(big), static_cast<char>(big >> 8),
                                      static_cast<char>(big >> 16), static_cast<char>(big >> 24)});
  MemoryStream in;
  in.Write(oversize.data(), static_cast<uint32_t>(oversize.size()));
  ChunkArchive archive;
  archive.Open(in, true, 1);
  int32_t v = 9;
  archive.SerializeValue(2, v);
  EXPECT_EQ(v, 0);
  EXPECT_EQ(archive.version(), 1);
  archive.Close(in);
}

TEST(ChunkArchiveTest, MissingListKeepsWhatTheListHeld) {
  std::string file = kTail;  // no main chunk at all
  MemoryStream in;
  in.Write(file.data(), static_cast<uint32_t>(file.size()));
  ChunkArchive archive;
  archive.Open(in, true, 1);
  std::vector<std::string> list{"kept"};
  archive.SerializeStringList(10, list);
  archive.Close(in);
  EXPECT_EQ(list, std::vector<std::string>{"kept"});
}

}  // namespace
}  // namespace buildlib
