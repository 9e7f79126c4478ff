// CFileRegistry: reads a registry file (see registry_format.h) in place.
//
// Nothing is parsed when a file is opened; every lookup checks each offset and
// length against the mapping before it reads, and walks a chain at most as many
// steps as the table has slots, so a damaged file gives "not found", never a
// read outside the mapping or an endless walk.
//
// A Section is a handle on one section node. The builders list the sections
// once (by slot) and then read every value through the handle, so filling a
// record never searches a section by name: with names that differ only in
// their digits the byte-sum hash puts thousands of them on one chain.
//
// Getters (field_getters.cpp) read a value by the type the column asks for.
// Values stored as texts are read as numbers or lists by their spelling:
//   integer  [+-]?[0-9]+ within int32
//   real     [+-]?([0-9]+\.?[0-9]*|\.[0-9]+)([eE][+-]?[0-9]+)?
//            (an integer spelling outside int32 counts as a real)
// after trimming white space; lists are the text cut at commas, each piece
// trimmed, empty pieces dropped.
#ifndef BAKE_BUILDLIB_FILE_REGISTRY_H_
#define BAKE_BUILDLIB_FILE_REGISTRY_H_

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "buildlib/mapped_registry_file.h"
#include "buildlib/registry_format.h"

namespace buildlib {

class CFileRegistry {
 public:
  // One section of an open registry file; valid while the registry stays open.
  class Section {
   public:
    Section() = default;
    std::string_view name() const { return name_; }
    bool valid() const { return node_ != nullptr; }

   private:
    friend class CFileRegistry;
    const uint8_t* node_ = nullptr;  // the section node
    size_t room_ = 0;                // bytes of the file from node_ on
    std::string_view name_;
  };

  CFileRegistry() = default;
  ~CFileRegistry() { Close(); }
  CFileRegistry(const CFileRegistry&) = delete;
  CFileRegistry& operator=(const CFileRegistry&) = delete;

  // Maps the file and checks its magic number: 1 if it is a registry file, else 0.
  int Open(const std::string& path);
  // 1 if the first four bytes are the magic number; else closes and returns 0.
  int IsValid();
  void Close();
  bool is_open() const { return data_ != nullptr; }

  // Points at the value data of `key` in `section` stored as `type`, or null.
  // A single value of the element type satisfies a list type; *single is then
  // 1 (it is set to 1 for non-list requests, 0 for lists, before the match).
  // With a null key, points at the section node when the section exists.
  const uint8_t* FindData(const char* section, const char* key, uint8_t type,
                          int* single = nullptr) const;
  const uint8_t* FindData(const Section& section, const char* key, uint8_t type,
                          int* single = nullptr) const;

  // The section with this name (case-insensitive), or an invalid handle.
  Section FindSection(std::string_view name) const;

  // All sections in slot order (slot 0 first). A slot whose node lies outside
  // the file yields an invalid handle with an empty name.
  std::vector<Section> Sections() const;
  // Names of all sections in slot order; returns 1.
  int GetSectionNames(std::vector<std::string>* names) const;

  // Field getters; they never report. Defaults apply to a missing section or
  // key and to a value of an unusable type or spelling.
  int32_t GetInt(const Section& section, const char* key, int32_t def) const;
  uint8_t GetByte(const Section& section, const char* key, uint8_t def) const;
  float GetFloat(const Section& section, const char* key, float def) const;
  std::string GetString(const Section& section, const char* key, const std::string& def) const;
  // The list getters return 1 when the cell was found, else 0 with the output emptied.
  int GetIntList(const Section& section, const char* key, std::vector<int32_t>* out) const;
  int GetFloatList(const Section& section, const char* key, std::vector<float>* out) const;
  int GetStringList(const Section& section, const char* key, std::vector<std::string>* out) const;

  // The same getters by section name.
  int32_t GetInt(const char* section, const char* key, int32_t def) const;
  uint8_t GetByte(const char* section, const char* key, uint8_t def) const;
  float GetFloat(const char* section, const char* key, float def) const;
  std::string GetString(const char* section, const char* key, const std::string& def) const;
  int GetIntList(const char* section, const char* key, std::vector<int32_t>* out) const;
  int GetFloatList(const char* section, const char* key, std::vector<float>* out) const;
  int GetStringList(const char* section, const char* key, std::vector<std::string>* out) const;

 private:
  // A value found for a getter: its stored type and a bounds-checked view of its data.
  struct Value {
    uint8_t type = 0;
    const uint8_t* data = nullptr;
    size_t room = 0;  // bytes of the file from data on
  };
  // Finds `key` in `section` whatever its type.
  bool FindValue(const Section& section, const char* key, Value* value) const;
  Section SectionAtSlot(size_t slot) const;
  uint16_t SectionCount() const;

  CMappedFile file_;
  const uint8_t* data_ = nullptr;
};

}  // namespace buildlib

#endif  // BAKE_BUILDLIB_FILE_REGISTRY_H_
