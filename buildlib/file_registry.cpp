#include "buildlib/file_registry.h"

#include "buildlib/report_error.h"

namespace buildlib {

namespace {

uint16_t U16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }
uint32_t U32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
         (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

std::string_view NameAt(const uint8_t* p, size_t length) {
  return std::string_view(reinterpret_cast<const char*>(p), length);
}

}  // namespace

int CFileRegistry::Open(const std::string& path) {
  Close();
  if (!file_.Open(path)) return 0;
  data_ = file_.view();
  return IsValid();
}

int CFileRegistry::IsValid() {
  if (data_ != nullptr && file_.size() >= 4 && U32(data_) == registry::kMagic) return 1;
  Trace("CFileRegistry::IsValid().\nThat is not registry file.\n");
  Close();
  return 0;
}

void CFileRegistry::Close() {
  file_.Close();
  data_ = nullptr;
}

uint16_t CFileRegistry::SectionCount() const {
  if (data_ == nullptr || file_.size() < registry::kHeaderSize) return 0;
  return U16(data_ + 4);
}

CFileRegistry::Section CFileRegistry::SectionAtSlot(size_t slot) const {
  Section section;
  const size_t size = file_.size();
  size_t slot_at = registry::kHeaderSize + slot * registry::kSlotSize;
  if (slot_at + registry::kSlotSize > size) return section;
  size_t node = U32(data_ + slot_at + 2);
  if (node > size || size - node < registry::kSectionNodeHeader) return section;
  size_t name_length = U16(data_ + node + 2);
  if (size - node - registry::kSectionNodeHeader < name_length) return section;
  section.node_ = data_ + node;
  section.room_ = size - node;
  section.name_ = NameAt(section.node_ + registry::kSectionNodeHeader, name_length);
  return section;
}

CFileRegistry::Section CFileRegistry::FindSection(std::string_view name) const {
  const size_t count = SectionCount();
  if (count == 0) return Section();
  size_t slot = registry::Hash(name) % count;
  // A chain visits each slot at most once; a longer walk means a damaged file.
  for (size_t steps = 0; steps < count; ++steps) {
    Section section = SectionAtSlot(slot);
    if (section.valid() && registry::NamesEqual(section.name(), name)) return section;
    size_t slot_at = registry::kHeaderSize + slot * registry::kSlotSize;
    if (slot_at + registry::kSlotSize > file_.size()) break;
    uint16_t next = U16(data_ + slot_at);
    if (next == registry::kEndOfChain || next >= count) break;
    slot = next;
  }
  return Section();
}

bool CFileRegistry::FindValue(const Section& section, const char* key, Value* value) const {
  if (!section.valid() || key == nullptr) return false;
  const uint8_t* node = section.node_;
  const size_t room = section.room_;
  const size_t key_count = U16(node);
  const size_t table = registry::kSectionNodeHeader + section.name_.size();
  if (key_count == 0 || (room - table) / registry::kSlotSize < key_count) return false;
  std::string_view wanted(key);
  size_t slot = registry::Hash(wanted) % key_count;
  for (size_t steps = 0; steps < key_count; ++steps) {
    const uint8_t* slot_at = node + table + slot * registry::kSlotSize;
    size_t offset = U32(slot_at + 2);
    if (offset <= room && room - offset >= registry::kValueNodeHeader) {
      size_t name_length = U16(node + offset + 1);
      size_t data_at = offset + registry::kValueNodeHeader + name_length;
      if (data_at <= room &&
          registry::NamesEqual(NameAt(node + offset + registry::kValueNodeHeader, name_length),
                               wanted)) {
        value->type = node[offset];
        value->data = node + data_at;
        value->room = room - data_at;
        return true;
      }
    }
    uint16_t next = U16(slot_at);
    if (next == registry::kEndOfChain || next >= key_count) break;
    slot = next;
  }
  return false;
}

const uint8_t* CFileRegistry::FindData(const Section& section, const char* key, uint8_t type,
                                       int* single) const {
  if (!is_open() || !section.valid()) return nullptr;
  if (key == nullptr) return section.node_;
  Value value;
  if (!FindValue(section, key, &value)) return nullptr;
  if (single != nullptr) *single = (type & registry::kListFlag) ? 0 : 1;
  if (value.type == type) return value.data;
  if (value.type == (type & ~registry::kListFlag)) {
    if (single != nullptr) *single = 1;
    return value.data;
  }
  Trace("CFileRegistry::FindData().\nWrong type of entry.\n");
  return nullptr;
}

const uint8_t* CFileRegistry::FindData(const char* section, const char* key, uint8_t type,
                                       int* single) const {
  if (!is_open() || section == nullptr) return nullptr;
  return FindData(FindSection(section), key, type, single);
}

std::vector<CFileRegistry::Section> CFileRegistry::Sections() const {
  std::vector<Section> sections;
  const size_t count = SectionCount();
  sections.reserve(count);
  for (size_t slot = 0; slot < count; ++slot) sections.push_back(SectionAtSlot(slot));
  return sections;
}

int CFileRegistry::GetSectionNames(std::vector<std::string>* names) const {
  names->clear();
  for (const Section& section : Sections()) names->emplace_back(section.name());
  return 1;
}

}  // namespace buildlib
