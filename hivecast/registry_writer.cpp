#include "hivecast/registry_writer.h"

#include <cassert>
#include <cstring>
#include <limits>
#include <utility>

namespace hivecast {

namespace {

using registry::kEndOfChain;
using registry::kMaxCount;

// Names longer than this are shortened in messages; the full name may be
// tens of kilobytes.
constexpr size_t kNameShownInMessages = 60;

std::string Folded(std::string_view name) {
  std::string folded(name);
  for (char& c : folded) c = static_cast<char>(registry::FoldAscii(static_cast<unsigned char>(c)));
  return folded;
}

std::string Quoted(std::string_view name) {
  std::string quoted(1, '"');
  if (name.size() <= kNameShownInMessages) {
    quoted.append(name);
    quoted.push_back('"');
    return quoted;
  }
  quoted.append(name.substr(0, kNameShownInMessages));
  quoted.append("...\" (");
  quoted.append(std::to_string(name.size()));
  quoted.append(" bytes)");
  return quoted;
}

void PutU16(std::string* out, size_t v) {
  // Callers check the limits first; an over-long count is only ever written
  // into a value that Build refuses.
  out->push_back(static_cast<char>(v & 0xFF));
  out->push_back(static_cast<char>((v >> 8) & 0xFF));
}

void PutU32(std::string* out, uint32_t v) {
  for (int shift = 0; shift < 32; shift += 8) out->push_back(static_cast<char>((v >> shift) & 0xFF));
}

void PutText(std::string* out, std::string_view text) {
  PutU16(out, text.size());
  out->append(text);
}

uint32_t BitsOf(float v) {
  uint32_t bits;
  static_assert(sizeof bits == sizeof v);
  std::memcpy(&bits, &v, sizeof bits);
  return bits;
}

// Slot assignment of one hash table; see the header for the rule.
struct SlotTable {
  std::vector<uint32_t> entry_of_slot;  // which name each slot holds
  std::vector<uint16_t> next;           // chain link of each slot
};

template <typename NameOf>
SlotTable PlaceNames(size_t n, NameOf name_of) {
  assert(n <= kMaxCount);  // slot indices must stay below kEndOfChain
  constexpr uint32_t kFree = std::numeric_limits<uint32_t>::max();
  SlotTable table;
  table.entry_of_slot.assign(n, kFree);
  table.next.assign(n, kEndOfChain);
  std::vector<uint32_t> home(n);
  // tail[h]: the last slot of the chain that starts at home slot h.
  std::vector<uint16_t> tail(n, kEndOfChain);
  std::vector<uint32_t> displaced;

  for (uint32_t i = 0; i < n; ++i) {
    home[i] = registry::Hash(name_of(i)) % static_cast<uint32_t>(n);
    if (table.entry_of_slot[home[i]] == kFree) {
      table.entry_of_slot[home[i]] = i;
      tail[home[i]] = static_cast<uint16_t>(home[i]);
    } else {
      displaced.push_back(i);
    }
  }
  // Every slot left free is nobody's home (the first name of each home took
  // it above), so a displaced name never pushes another from its home.
  size_t free_slot = 0;
  for (uint32_t i : displaced) {
    while (table.entry_of_slot[free_slot] != kFree) ++free_slot;
    table.entry_of_slot[free_slot] = i;
    assert(tail[home[i]] != kEndOfChain);
    table.next[tail[home[i]]] = static_cast<uint16_t>(free_slot);
    tail[home[i]] = static_cast<uint16_t>(free_slot);
  }
  return table;
}

}  // namespace

bool RegistryWriter::AddSection(std::string_view name) {
  key_index_.clear();
  auto [it, inserted] = section_index_.try_emplace(Folded(name), sections_.size());
  if (inserted) {
    sections_.push_back(Section{std::string(name), values_.size(), 0});
  } else {
    sections_[it->second] = Section{std::string(name), values_.size(), 0};
  }
  current_ = it->second;
  return !inserted;
}

RegistryWriter::Value RegistryWriter::StartValue(std::string_view key, registry::ValueType type) {
  Value value;
  value.type = type;
  value.name_at = bytes_.size();
  value.name_size = key.size();
  bytes_.append(key);
  return value;
}

void RegistryWriter::FinishValue(Value value, size_t count, size_t longest) {
  value.data_size = bytes_.size() - value.name_at - value.name_size;
  value.count = count;
  value.longest = longest;
  if (sections_.empty()) {
    value_without_section_ = true;
    bytes_.resize(value.name_at);
    return;
  }
  // Most sections hold a handful of keys, where a linear search beats
  // hashing; a section with many keys gets an index so that adding stays
  // linear overall.
  constexpr size_t kLinearSearchLimit = 16;
  constexpr size_t kNone = std::numeric_limits<size_t>::max();
  Section& section = sections_[current_];
  assert(section.first + section.count == values_.size());
  std::span<Value> values = std::span<Value>(values_).subspan(section.first, section.count);
  const std::string_view name = NameOf(value);
  size_t existing = kNone;
  if (key_index_.empty() && values.size() < kLinearSearchLimit) {
    for (size_t i = 0; i < values.size(); ++i) {
      if (registry::NamesEqual(NameOf(values[i]), name)) {
        existing = i;
        break;
      }
    }
  } else {
    if (key_index_.empty()) {
      for (size_t i = 0; i < values.size(); ++i) key_index_.emplace(Folded(NameOf(values[i])), i);
    }
    auto [it, inserted] = key_index_.try_emplace(Folded(name), values.size());
    if (!inserted) existing = it->second;
  }
  if (existing == kNone) {
    values_.push_back(value);
    ++section.count;
  } else {
    values[existing] = value;  // the earlier bytes stay unused in bytes_
  }
}

void RegistryWriter::AddInt(std::string_view key, int32_t v) {
  Value value = StartValue(key, registry::kInteger);
  PutU32(&bytes_, static_cast<uint32_t>(v));
  FinishValue(value, 0, 0);
}

void RegistryWriter::AddReal(std::string_view key, float v) {
  Value value = StartValue(key, registry::kReal);
  PutU32(&bytes_, BitsOf(v));
  FinishValue(value, 0, 0);
}

void RegistryWriter::AddText(std::string_view key, std::string_view v) {
  Value value = StartValue(key, registry::kText);
  PutText(&bytes_, v);
  FinishValue(value, v.size(), 0);
}

void RegistryWriter::AddIntList(std::string_view key, const std::vector<int32_t>& v) {
  Value value = StartValue(key, registry::kIntegerList);
  PutU16(&bytes_, v.size());
  for (int32_t x : v) PutU32(&bytes_, static_cast<uint32_t>(x));
  FinishValue(value, v.size(), 0);
}

void RegistryWriter::AddRealList(std::string_view key, const std::vector<float>& v) {
  Value value = StartValue(key, registry::kRealList);
  PutU16(&bytes_, v.size());
  for (float x : v) PutU32(&bytes_, BitsOf(x));
  FinishValue(value, v.size(), 0);
}

void RegistryWriter::AddTextList(std::string_view key, const std::vector<std::string>& v) {
  Value value = StartValue(key, registry::kTextList);
  PutU16(&bytes_, v.size());
  size_t longest = 0;
  for (const std::string& x : v) {
    PutText(&bytes_, x);
    if (x.size() > longest) longest = x.size();
  }
  FinishValue(value, v.size(), longest);
}

bool RegistryWriter::CheckLimits(std::string* error) const {
  const std::string limit = std::to_string(kMaxCount);
  if (value_without_section_) {
    *error = "a value was given before any section";
    return false;
  }
  if (sections_.size() > kMaxCount) {
    *error = std::to_string(sections_.size()) + " sections; a registry file holds at most " +
             limit + " sections";
    return false;
  }
  // Texts are made only for a failure: this runs over every value.
  auto section_problem = [&](const Section& section) -> std::string {
    if (section.name.size() > kMaxCount) return "the name is longer than " + limit + " bytes";
    if (section.count > kMaxCount) {
      return std::to_string(section.count) + " keys; a section holds at most " + limit +
             " keys";
    }
    return {};
  };
  auto value_problem = [&](const Value& value) -> std::string {
    if (value.name_size > kMaxCount) return "the key name is longer than " + limit + " bytes";
    if (value.type == registry::kText && value.count > kMaxCount) {
      return "the text is " + std::to_string(value.count) + " bytes long; a text holds at most " +
             limit + " bytes";
    }
    if ((value.type & registry::kListFlag) && value.count > kMaxCount) {
      return "the list has " + std::to_string(value.count) + " elements; a list holds at most " +
             limit + " elements";
    }
    if (value.longest > kMaxCount) {
      return "a text in the list is " + std::to_string(value.longest) +
             " bytes long; a text holds at most " + limit + " bytes";
    }
    return {};
  };
  for (const Section& section : sections_) {
    if (std::string problem = section_problem(section); !problem.empty()) {
      *error = "section " + Quoted(section.name) + ": " + problem;
      return false;
    }
    for (const Value& value : ValuesOf(section)) {
      if (std::string problem = value_problem(value); !problem.empty()) {
        *error = "section " + Quoted(section.name) + ", key " + Quoted(NameOf(value)) + ": " + problem;
        return false;
      }
    }
  }
  return true;
}

bool RegistryWriter::Build(std::string* bytes, std::string* error) const {
  if (!CheckLimits(error)) return false;

  // Sizes first, so that offsets can be checked before anything is written
  // and the output is allocated once.
  constexpr size_t kMaxOffset = std::numeric_limits<uint32_t>::max();
  const size_t section_count = sections_.size();
  std::vector<size_t> node_offset(section_count);
  size_t total = registry::kHeaderSize + registry::kSlotSize * section_count;
  for (size_t s = 0; s < section_count; ++s) {
    const Section& section = sections_[s];
    node_offset[s] = total;
    size_t node_size = registry::kSectionNodeHeader + section.name.size() +
                       registry::kSlotSize * section.count;
    for (const Value& value : ValuesOf(section)) {
      if (node_size > kMaxOffset) break;  // reported below
      node_size += registry::kValueNodeHeader + value.name_size + value.data_size;
    }
    // The last value node's offset is below node_size; the section node's
    // own offset must fit as well.
    if (total > kMaxOffset || node_size > kMaxOffset) {
      *error = "the registry file would exceed the 4 GiB that 32-bit offsets can address";
      return false;
    }
    total += node_size;
  }

  std::string out;
  out.reserve(total);
  PutU32(&out, registry::kMagic);
  PutU16(&out, section_count);

  const SlotTable sections =
      PlaceNames(section_count, [&](uint32_t i) -> std::string_view { return sections_[i].name; });
  for (size_t slot = 0; slot < section_count; ++slot) {
    PutU16(&out, sections.next[slot]);
    PutU32(&out, static_cast<uint32_t>(node_offset[sections.entry_of_slot[slot]]));
  }

  for (size_t s = 0; s < section_count; ++s) {
    const Section& section = sections_[s];
    assert(out.size() == node_offset[s]);
    const size_t key_count = section.count;
    const std::span<const Value> values = ValuesOf(section);
    PutU16(&out, key_count);
    PutU16(&out, section.name.size());
    out.append(section.name);

    // Value nodes follow the key slot table in the order the keys were added.
    std::vector<uint32_t> value_offset(key_count);
    size_t offset = registry::kSectionNodeHeader + section.name.size() +
                    registry::kSlotSize * key_count;
    for (size_t k = 0; k < key_count; ++k) {
      value_offset[k] = static_cast<uint32_t>(offset);
      offset += registry::kValueNodeHeader + values[k].name_size + values[k].data_size;
    }
    const SlotTable keys = PlaceNames(
        key_count, [&](uint32_t i) { return NameOf(values[i]); });
    for (size_t slot = 0; slot < key_count; ++slot) {
      PutU16(&out, keys.next[slot]);
      PutU32(&out, value_offset[keys.entry_of_slot[slot]]);
    }
    for (const Value& value : values) {
      out.push_back(static_cast<char>(value.type));
      PutU16(&out, value.name_size);
      out.append(bytes_, value.name_at, value.name_size + value.data_size);
    }
  }
  assert(out.size() == total);
  *bytes = std::move(out);
  return true;
}

}  // namespace hivecast
