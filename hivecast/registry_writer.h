// RegistryWriter collects sections of typed values in memory and serialises
// them as one registry file (the layout is described in
// buildlib/registry_format.h).
//
// Names are matched as the reader matches them, ASCII letters without case:
// a section added again replaces the earlier one wholly, and a key given
// again in a section replaces the earlier value. The replacing entry keeps
// the place of the first one and carries the later spelling and contents.
//
// Output is a pure function of the calls made, so the same input gives the
// same bytes on every run. The file is laid out as
//   header, section slot table,
//   then for each section in the order first added: its section node (with
//   its key slot table) followed directly by its value nodes, in the order
//   their keys were first added.
// Slots are assigned per table in two passes over the names in that same
// order: a name whose home slot is still free takes it; every other name
// takes the lowest free slot left and is appended to the end of its home
// slot's chain. A chain therefore holds only names of one home, starts at
// that home, and lists them in the order added. A tail index per home keeps
// the placement linear even when thousands of names share a home (the hash is
// a byte sum, so names differing only in their digits crowd a few homes).
#ifndef BAKE_HIVECAST_REGISTRY_WRITER_H_
#define BAKE_HIVECAST_REGISTRY_WRITER_H_

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "buildlib/registry_format.h"

namespace hivecast {

class RegistryWriter {
 public:
  RegistryWriter() = default;
  RegistryWriter(const RegistryWriter&) = delete;
  RegistryWriter& operator=(const RegistryWriter&) = delete;

  // Starts a new section (a later section with the same name, ASCII
  // case-insensitive, replaces the earlier one wholly; the return says
  // whether it replaced one). Values go to the newest section.
  bool AddSection(std::string_view name);
  // A key that occurs again in the current section replaces its earlier value.
  // A value added before any section makes Build fail.
  void AddInt(std::string_view key, int32_t v);
  void AddReal(std::string_view key, float v);
  void AddText(std::string_view key, std::string_view v);
  void AddIntList(std::string_view key, const std::vector<int32_t>& v);
  void AddRealList(std::string_view key, const std::vector<float>& v);
  void AddTextList(std::string_view key, const std::vector<std::string>& v);

  // Serialises; false with *error set (clear text) when a limit of the
  // format is exceeded (more than 65,535 sections or keys in a section,
  // names/texts over 65,535 bytes, lists over 65,535, or a file so large
  // that an offset no longer fits in 32 bits).
  bool Build(std::string* bytes, std::string* error) const;

  size_t section_count() const { return sections_.size(); }
  // Room for about this many values and bytes of key names and value data,
  // so that a large table does not grow its stores step by step.
  void Reserve(size_t values, size_t bytes) {
    values_.reserve(values);
    bytes_.reserve(bytes);
  }

 private:
  // One value. Its key name, and right after it its data exactly as stored
  // (including any u16 length or count prefix), lie in `bytes_`; keeping
  // them there rather than in strings of their own spares a full table
  // hundreds of thousands of small allocations.
  struct Value {
    size_t name_at = 0;
    size_t name_size = 0;
    size_t data_size = 0;
    registry::ValueType type = registry::kInteger;
    // Text length or list element count, and the longest text of a list of
    // texts. Prefixes hold only their low 16 bits; Build refuses a value
    // whose counts exceed the format before its bytes are used.
    size_t count = 0;
    size_t longest = 0;
  };
  // A section's values are values_[first, first + count). Only the newest
  // section takes values, so its range always ends at the end of values_;
  // the values of a replaced section stay behind unused.
  struct Section {
    std::string name;
    size_t first = 0;
    size_t count = 0;
  };

  std::span<const Value> ValuesOf(const Section& section) const {
    return std::span<const Value>(values_).subspan(section.first, section.count);
  }

  std::string_view NameOf(const Value& value) const {
    return std::string_view(bytes_).substr(value.name_at, value.name_size);
  }
  // Appends the key name to bytes_ and returns the value to fill in.
  Value StartValue(std::string_view key, registry::ValueType type);
  void FinishValue(Value value, size_t count, size_t longest);
  bool CheckLimits(std::string* error) const;

  std::vector<Section> sections_;
  std::vector<Value> values_;
  std::string bytes_;  // key names and value data of every value ever added
  // Folded section name -> index in sections_.
  std::unordered_map<std::string, size_t> section_index_;
  // Folded key name -> index in the current section's values, built only
  // once a section outgrows a short linear search. Only the newest section
  // takes values, so one index serves; AddSection clears it.
  std::unordered_map<std::string, size_t> key_index_;
  size_t current_ = 0;  // index of the section taking values
  bool value_without_section_ = false;
};

}  // namespace hivecast

#endif  // BAKE_HIVECAST_REGISTRY_WRITER_H_
