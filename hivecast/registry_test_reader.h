// A small, independent reader of registry files for the converter's tests.
//
// It decodes a whole file with every offset and length checked, computes the
// name hash on its own (so a writer using a wrong hash is caught), and finds
// names only by walking the chain from their home slot, as a real lookup
// does.
#ifndef BAKE_HIVECAST_REGISTRY_TEST_READER_H_
#define BAKE_HIVECAST_REGISTRY_TEST_READER_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace hivecast_test {

struct TestValue {
  std::string name;
  uint8_t type = 0;
  uint32_t offset = 0;  // of the value node, from its section node
  int32_t integer = 0;
  float real = 0;
  std::string text;
  std::vector<int32_t> integers;
  std::vector<float> reals;
  std::vector<std::string> texts;
};

struct TestSection {
  std::string name;
  uint32_t offset = 0;            // of the section node, from the file start
  std::vector<uint16_t> next;     // key slot chain links
  std::vector<TestValue> values;  // in key slot order
};

class TestRegistry {
 public:
  // False with *error naming the first bad field.
  bool Decode(std::string_view bytes, std::string* error);

  const std::vector<TestSection>& sections() const { return sections_; }  // slot order
  const std::vector<uint16_t>& next() const { return next_; }

  // Walks the chain from the name's home slot; null when absent.
  const TestSection* FindSection(std::string_view name) const;
  static const TestValue* FindValue(const TestSection& section, std::string_view key);

  // Every section and key found through its own chain; false with *error.
  bool AllReachable(std::string* error) const;

  // Sections and values in file layout order, one per line:
  //   [name]   key=text   key:i=12   key:r=1.5   key:I=1,2   key:R=0.5   key:T=a|b
  std::string Dump() const;

 private:
  std::vector<TestSection> sections_;
  std::vector<uint16_t> next_;
};

// The name hash computed independently of the writer's.
uint32_t TestHash(std::string_view name);

}  // namespace hivecast_test

#endif  // BAKE_HIVECAST_REGISTRY_TEST_READER_H_
