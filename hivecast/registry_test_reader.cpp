#include "hivecast/registry_test_reader.h"

#include <algorithm>
#include <cstring>
#include <set>
#include <sstream>

namespace hivecast_test {

namespace {

// Reads little-endian fields at given positions, remembering the first
// position that ran past the end.
class Bytes {
 public:
  explicit Bytes(std::string_view data) : data_(data) {}
  bool ok() const { return ok_; }

  uint32_t U(size_t at, size_t width) {
    if (at > data_.size() || data_.size() - at < width) {
      ok_ = false;
      return 0;
    }
    uint32_t v = 0;
    for (size_t i = 0; i < width; ++i) v |= uint32_t{static_cast<uint8_t>(data_[at + i])} << (8 * i);
    return v;
  }
  std::string Str(size_t at, size_t n) {
    if (at > data_.size() || data_.size() - at < n) {
      ok_ = false;
      return {};
    }
    return std::string(data_.substr(at, n));
  }

 private:
  std::string_view data_;
  bool ok_ = true;
};

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; }

bool SameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return Lower(x) == Lower(y); });
}

float RealOf(uint32_t bits) {
  float f;
  std::memcpy(&f, &bits, sizeof f);
  return f;
}

// Decodes a value's data at `at`; returns the position after it.
size_t DecodeData(Bytes& b, size_t at, TestValue* v) {
  const uint8_t element = v->type & 0x7F;
  const bool list = (v->type & 0x80) != 0;
  size_t count = 1;
  if (list) {
    count = b.U(at, 2);
    at += 2;
  }
  for (size_t i = 0; i < count && b.ok(); ++i) {
    if (element == 0x00) {
      int32_t x = static_cast<int32_t>(b.U(at, 4));
      at += 4;
      list ? v->integers.push_back(x) : void(v->integer = x);
    } else if (element == 0x01) {
      float x = RealOf(b.U(at, 4));
      at += 4;
      list ? v->reals.push_back(x) : void(v->real = x);
    } else {
      size_t n = b.U(at, 2);
      std::string x = b.Str(at + 2, n);
      at += 2 + n;
      list ? v->texts.push_back(x) : void(v->text = x);
    }
  }
  return at;
}

template <typename Named>
const Named* Walk(const std::vector<Named>& slots, const std::vector<uint16_t>& next,
                  std::string_view name) {
  if (slots.empty()) return nullptr;
  size_t slot = TestHash(name) % slots.size();
  // A chain can hold every slot at most once; a longer walk is a loop.
  for (size_t steps = 0; steps <= slots.size(); ++steps) {
    if (SameName(slots[slot].name, name)) return &slots[slot];
    if (next[slot] == 0xFFFF) return nullptr;
    slot = next[slot];
  }
  return nullptr;
}

}  // namespace

uint32_t TestHash(std::string_view name) {
  uint32_t h = 0;
  for (char c : name) {
    int value = static_cast<unsigned char>(Lower(c));
    if (value >= 0x80) value -= 0x100;
    h += static_cast<uint32_t>(value);
  }
  return h;
}

bool TestRegistry::Decode(std::string_view data, std::string* error) {
  sections_.clear();
  next_.clear();
  Bytes b(data);
  if (b.U(0, 4) != 0x45AB3EFB) {
    *error = "bad magic";
    return false;
  }
  const size_t count = b.U(4, 2);
  for (size_t slot = 0; slot < count; ++slot) {
    const size_t at = 6 + 6 * slot;
    TestSection section;
    next_.push_back(static_cast<uint16_t>(b.U(at, 2)));
    section.offset = b.U(at + 2, 4);
    const size_t node = section.offset;
    const size_t keys = b.U(node, 2);
    const size_t name_length = b.U(node + 2, 2);
    section.name = b.Str(node + 4, name_length);
    for (size_t k = 0; k < keys && b.ok(); ++k) {
      const size_t key_slot = node + 4 + name_length + 6 * k;
      section.next.push_back(static_cast<uint16_t>(b.U(key_slot, 2)));
      TestValue value;
      value.offset = b.U(key_slot + 2, 4);
      const size_t value_node = node + value.offset;
      value.type = static_cast<uint8_t>(b.U(value_node, 1));
      const size_t key_length = b.U(value_node + 1, 2);
      value.name = b.Str(value_node + 3, key_length);
      if ((value.type & 0x7F) > 0x02) {
        *error = "section slot " + std::to_string(slot) + ": unknown value type";
        return false;
      }
      DecodeData(b, value_node + 3 + key_length, &value);
      section.values.push_back(std::move(value));
    }
    if (!b.ok()) {
      *error = "section slot " + std::to_string(slot) + " runs past the end of the file";
      return false;
    }
    for (uint16_t n : section.next) {
      if (n != 0xFFFF && n >= keys) {
        *error = "section " + section.name + ": a key slot links outside its table";
        return false;
      }
    }
    sections_.push_back(std::move(section));
  }
  if (!b.ok()) {
    *error = "the section slot table runs past the end of the file";
    return false;
  }
  for (uint16_t n : next_) {
    if (n != 0xFFFF && n >= count) {
      *error = "a section slot links outside the table";
      return false;
    }
  }
  return true;
}

const TestSection* TestRegistry::FindSection(std::string_view name) const {
  return Walk(sections_, next_, name);
}

const TestValue* TestRegistry::FindValue(const TestSection& section, std::string_view key) {
  return Walk(section.values, section.next, key);
}

// Every name must lie on the chain that starts at its home slot, and no two
// names of a table may be equal (a lookup stops at the first). One walk per
// home keeps this linear when thousands of names share a home.
template <typename Named>
bool EveryNameOnItsHomeChain(const std::vector<Named>& slots, const std::vector<uint16_t>& next,
                             std::string* error) {
  const size_t n = slots.size();
  std::vector<size_t> home(n);
  std::set<std::string> folded;
  for (size_t i = 0; i < n; ++i) {
    home[i] = TestHash(slots[i].name) % n;
    std::string f = slots[i].name;
    for (char& c : f) c = Lower(c);
    if (!folded.insert(f).second) {
      *error = "the name \"" + slots[i].name + "\" occurs twice";
      return false;
    }
  }
  std::vector<bool> reached(n, false), walked(n, false);
  for (size_t i = 0; i < n; ++i) {
    const size_t h = home[i];
    if (walked[h]) continue;
    walked[h] = true;
    size_t slot = h;
    for (size_t steps = 0; steps < n; ++steps) {
      if (home[slot] == h) reached[slot] = true;
      if (next[slot] == 0xFFFF) break;
      slot = next[slot];
    }
  }
  for (size_t i = 0; i < n; ++i) {
    if (!reached[i]) {
      *error = "the name \"" + slots[i].name + "\" is not reached from its home slot";
      return false;
    }
  }
  return true;
}

bool TestRegistry::AllReachable(std::string* error) const {
  if (!EveryNameOnItsHomeChain(sections_, next_, error)) return false;
  for (const TestSection& section : sections_) {
    if (!EveryNameOnItsHomeChain(section.values, section.next, error)) {
      *error = "section \"" + section.name + "\": " + *error;
      return false;
    }
  }
  return true;
}

std::string TestRegistry::Dump() const {
  std::vector<const TestSection*> by_offset;
  for (const TestSection& s : sections_) by_offset.push_back(&s);
  std::sort(by_offset.begin(), by_offset.end(),
            [](const TestSection* a, const TestSection* b) { return a->offset < b->offset; });
  std::ostringstream out;
  for (const TestSection* s : by_offset) {
    out << "[" << s->name << "]\n";
    std::vector<const TestValue*> values;
    for (const TestValue& v : s->values) values.push_back(&v);
    std::sort(values.begin(), values.end(),
              [](const TestValue* a, const TestValue* b) { return a->offset < b->offset; });
    for (const TestValue* v : values) {
      out << v->name;
      auto join = [&](const auto& items, const char* sep) {
        for (size_t i = 0; i < items.size(); ++i) out << (i ? sep : "") << items[i];
      };
      switch (v->type) {
        case 0x00: out << ":i=" << v->integer; break;
        case 0x01: out << ":r=" << v->real; break;
        case 0x02: out << "=" << v->text; break;
        case 0x80: out << ":I="; join(v->integers, ","); break;
        case 0x81: out << ":R="; join(v->reals, ","); break;
        default: out << ":T="; join(v->texts, "|"); break;
      }
      out << "\n";
    }
  }
  return out.str();
}

}  // namespace hivecast_test
