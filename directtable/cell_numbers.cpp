#include "directtable/cell_numbers.h"

#include <cstdlib>
#include <string>

#include "platform/c_numbers.h"

namespace directtable {

int32_t ReadInt(std::string_view cell) { return platform::ReadCInt(cell); }

float ReadReal(std::string_view cell) {
  size_t start = 0;
  while (start < cell.size() && platform::IsCSpace(cell[start])) ++start;
  if (start == cell.size()) return 0.0f;
  // strtod needs a zero-terminated text; only this cell is copied, never the
  // table.
  std::string text(cell.substr(start));
  return platform::NarrowToFloat(std::strtod(text.c_str(), nullptr));
}

}  // namespace directtable
