// For tests: the chunks of a database file taken apart again, so a test can
// look at one record of a large file instead of spelling out every byte.
#ifndef BAKE_DIRECTTABLE_TEST_CHUNKS_H_
#define BAKE_DIRECTTABLE_TEST_CHUNKS_H_

#include <cstdint>
#include <string>
#include <vector>

namespace directtable::testing {

// One chunk: its id and its data bytes.
struct Chunk {
  uint8_t id;
  std::string data;
};

// The chunks lying one after the other in `bytes`; a malformed sequence is a
// test failure.
std::vector<Chunk> Chunks(const std::string& bytes);

// The data of the only chunk with `id` among `chunks` (a failure when there
// is not exactly one).
std::string Find(const std::vector<Chunk>& chunks, uint8_t id);

// The text a text chunk's data holds (its bytes without the closing zero).
std::string Text(const std::string& data);

// The data of each chunk with id 1 in the list chunk `list_id` of the file's
// main chunk: the records of one list.
std::vector<std::string> ListRecords(const std::string& database, uint8_t list_id);

}  // namespace directtable::testing

#endif  // BAKE_DIRECTTABLE_TEST_CHUNKS_H_
