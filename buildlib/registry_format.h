// The registry file: the binary image of one table that the converter
// (hivecast) writes and CFileRegistry reads in place through a mapping.
//
// Layout shared by writer and reader (little-endian, no padding anywhere):
//   file header   u32 magic, u16 section count S, then S slots
//   slot (6 B)    u16 next slot of the same chain (kEndOfChain ends it),
//                 u32 node offset
//   section node  u16 key count K, u16 name length N, N name bytes, K slots
//                 (a section slot's offset counts from the start of the file,
//                 a key slot's offset from the start of its section node)
//   value node    u8 type, u16 key name length N, N name bytes, value data
//   value data    integer: i32; real: f32; text: u16 length L, L bytes;
//                 lists: u16 count C, then C elements of the element type
//
// A name's home slot in a table of n slots is RegistryHash(name) mod n; the
// chain from the home slot reaches every name with that home. Names compare
// with ASCII letters folded to lower case. Every slot of a table is in use.
#ifndef BAKE_BUILDLIB_REGISTRY_FORMAT_H_
#define BAKE_BUILDLIB_REGISTRY_FORMAT_H_

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace registry {

constexpr uint32_t kMagic = 0x45AB3EFB;
constexpr size_t kHeaderSize = 6;       // magic + section count
constexpr size_t kSlotSize = 6;         // next + node offset
constexpr size_t kSectionNodeHeader = 4;  // key count + name length
constexpr size_t kValueNodeHeader = 3;    // type + name length
constexpr uint16_t kEndOfChain = 0xFFFF;
// Counts and lengths are 16-bit: at most this many sections, keys, bytes in a
// name or text, or elements in a list.
constexpr size_t kMaxCount = 0xFFFF;

enum ValueType : uint8_t {
  kInteger = 0x00,
  kReal = 0x01,
  kText = 0x02,
  kListFlag = 0x80,
  kIntegerList = 0x80,
  kRealList = 0x81,
  kTextList = 0x82,
};

// ASCII letters fold to lower case; every other byte counts as a signed
// 8-bit number, so bytes from 0x80 add -128 to -1. The sum wraps at 32 bits.
inline uint32_t Hash(std::string_view name) {
  uint32_t h = 0;
  for (char c : name) {
    unsigned char b = static_cast<unsigned char>(c);
    if (b >= 'A' && b <= 'Z') {
      h += static_cast<uint32_t>(b - 'A' + 'a');
    } else {
      h += static_cast<uint32_t>(static_cast<int32_t>(static_cast<int8_t>(b)));
    }
  }
  return h;
}

inline unsigned char FoldAscii(unsigned char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c - 'A' + 'a') : c;
}

// True when the names are equal with ASCII letters compared without case.
inline bool NamesEqual(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (FoldAscii(static_cast<unsigned char>(a[i])) != FoldAscii(static_cast<unsigned char>(b[i])))
      return false;
  }
  return true;
}

}  // namespace registry

#endif  // BAKE_BUILDLIB_REGISTRY_FORMAT_H_
