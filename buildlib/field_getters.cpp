// The typed getters of CFileRegistry. Each reads the value the column asks
// for and falls back to the column's default; none ever reports.
//
// Stored integers and reals stand in for each other (a real read as an integer
// is truncated toward zero); a stored text is read by its spelling (see
// number_text.h); lists accept a single value of their element type.
#include <cstring>

#include "buildlib/file_registry.h"
#include "buildlib/number_text.h"

namespace buildlib {

namespace {

int32_t I32(const uint8_t* p) {
  uint32_t u = static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
               (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
  return static_cast<int32_t>(u);
}
float F32(const uint8_t* p) {
  uint32_t u = static_cast<uint32_t>(I32(p));
  float f;
  std::memcpy(&f, &u, sizeof f);
  return f;
}
uint16_t U16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }

// A stored text: u16 length and its bytes, if they lie within `room`.
bool TextAt(const uint8_t* data, size_t room, std::string_view* text, size_t* used) {
  if (room < 2) return false;
  size_t length = U16(data);
  if (room - 2 < length) return false;
  *text = std::string_view(reinterpret_cast<const char*>(data + 2), length);
  *used = 2 + length;
  return true;
}

// Number of list elements of 4 bytes each, if they lie within `room`.
bool FixedListAt(const uint8_t* data, size_t room, size_t* count) {
  if (room < 2) return false;
  *count = U16(data);
  return (room - 2) / 4 >= *count;
}

bool IntFromText(std::string_view text, int32_t* out) {
  ParsedNumber number = ParseNumber(text);
  if (number.kind == ParsedNumber::Kind::kInteger) {
    *out = number.integer;
    return true;
  }
  if (number.kind == ParsedNumber::Kind::kReal) {
    *out = TruncateToInt32(number.real, 0);
    return true;
  }
  return false;
}

bool FloatFromText(std::string_view text, float* out) {
  ParsedNumber number = ParseNumber(text);
  if (number.kind == ParsedNumber::Kind::kNone) return false;
  *out = number.kind == ParsedNumber::Kind::kInteger ? static_cast<float>(number.integer)
                                                    : number.real;
  return true;
}

// Fills `out` from a list text, each piece read by `read`; false (and `out`
// emptied) when one piece is not a number.
template <class T, class Read>
bool ListFromText(std::string_view text, std::vector<T>* out, Read read) {
  out->clear();
  for (std::string_view piece : SplitListText(text)) {
    T value;
    if (!read(piece, &value)) {
      out->clear();
      return false;
    }
    out->push_back(value);
  }
  return true;
}

// A list of 4-byte numbers: stored as a list of `list_type`, as one value of
// its element type, or as a text read piece by piece. 1 when found.
template <class T, class Element, class FromText>
int NumberList(uint8_t type, const uint8_t* data, size_t room, uint8_t list_type, Element element,
               FromText from_text, std::vector<T>* out) {
  if (type == list_type) {
    size_t count = 0;
    if (!FixedListAt(data, room, &count)) return 0;
    for (size_t i = 0; i < count; ++i) out->push_back(element(data + 2 + 4 * i));
    return 1;
  }
  if (type == (list_type & ~registry::kListFlag)) {
    if (room < 4) return 0;
    out->push_back(element(data));
    return 1;
  }
  if (type == registry::kText) {
    std::string_view text;
    size_t used;
    if (!TextAt(data, room, &text, &used)) return 0;
    return ListFromText(text, out, from_text) ? 1 : 0;
  }
  return 0;
}

}  // namespace

int32_t CFileRegistry::GetInt(const Section& section, const char* key, int32_t def) const {
  Value value;
  if (!FindValue(section, key, &value)) return def;
  switch (value.type) {
    case registry::kInteger:
      return value.room >= 4 ? I32(value.data) : def;
    case registry::kReal:
      return value.room >= 4 ? TruncateToInt32(F32(value.data), def) : def;
    case registry::kText: {
      std::string_view text;
      size_t used;
      int32_t result;
      if (TextAt(value.data, value.room, &text, &used) && IntFromText(text, &result)) return result;
      return def;
    }
    default:
      return def;
  }
}

uint8_t CFileRegistry::GetByte(const Section& section, const char* key, uint8_t def) const {
  // The low 8 bits of the integer reading (300 gives 44).
  return static_cast<uint8_t>(static_cast<uint32_t>(GetInt(section, key, def)) & 0xFF);
}

float CFileRegistry::GetFloat(const Section& section, const char* key, float def) const {
  Value value;
  if (!FindValue(section, key, &value)) return def;
  switch (value.type) {
    case registry::kReal:
      return value.room >= 4 ? F32(value.data) : def;
    case registry::kInteger:
      return value.room >= 4 ? static_cast<float>(I32(value.data)) : def;
    case registry::kText: {
      std::string_view text;
      size_t used;
      float result;
      if (TextAt(value.data, value.room, &text, &used) && FloatFromText(text, &result))
        return result;
      return def;
    }
    default:
      return def;
  }
}

std::string CFileRegistry::GetString(const Section& section, const char* key,
                                     const std::string& def) const {
  Value value;
  if (!FindValue(section, key, &value) || value.type != registry::kText) return def;
  std::string_view text;
  size_t used;
  if (!TextAt(value.data, value.room, &text, &used)) return def;
  return std::string(text);
}

int CFileRegistry::GetStringList(const Section& section, const char* key,
                                 std::vector<std::string>* out) const {
  out->clear();
  Value value;
  if (!FindValue(section, key, &value)) return 0;
  std::string_view text;
  size_t used;
  if (value.type == registry::kText) {
    if (!TextAt(value.data, value.room, &text, &used)) return 0;
    for (std::string_view piece : SplitListText(text)) out->emplace_back(piece);
    return 1;
  }
  if (value.type != registry::kTextList || value.room < 2) return 0;
  size_t count = U16(value.data);
  size_t at = 2;
  for (size_t i = 0; i < count; ++i) {
    if (!TextAt(value.data + at, value.room - at, &text, &used)) {
      out->clear();
      return 0;
    }
    out->emplace_back(text);
    at += used;
  }
  return 1;
}

int CFileRegistry::GetIntList(const Section& section, const char* key,
                              std::vector<int32_t>* out) const {
  out->clear();
  Value value;
  if (!FindValue(section, key, &value)) return 0;
  return NumberList(value.type, value.data, value.room, registry::kIntegerList, I32, IntFromText,
                    out);
}

int CFileRegistry::GetFloatList(const Section& section, const char* key,
                                std::vector<float>* out) const {
  out->clear();
  Value value;
  if (!FindValue(section, key, &value)) return 0;
  return NumberList(value.type, value.data, value.room, registry::kRealList, F32, FloatFromText,
                    out);
}

int32_t CFileRegistry::GetInt(const char* section, const char* key, int32_t def) const {
  return GetInt(FindSection(section), key, def);
}
uint8_t CFileRegistry::GetByte(const char* section, const char* key, uint8_t def) const {
  return GetByte(FindSection(section), key, def);
}
float CFileRegistry::GetFloat(const char* section, const char* key, float def) const {
  return GetFloat(FindSection(section), key, def);
}
std::string CFileRegistry::GetString(const char* section, const char* key,
                                     const std::string& def) const {
  return GetString(FindSection(section), key, def);
}
int CFileRegistry::GetIntList(const char* section, const char* key,
                              std::vector<int32_t>* out) const {
  return GetIntList(FindSection(section), key, out);
}
int CFileRegistry::GetFloatList(const char* section, const char* key,
                                std::vector<float>* out) const {
  return GetFloatList(FindSection(section), key, out);
}
int CFileRegistry::GetStringList(const char* section, const char* key,
                                 std::vector<std::string>* out) const {
  return GetStringList(FindSection(section), key, out);
}

}  // namespace buildlib
