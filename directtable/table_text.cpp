#include "directtable/table_text.h"

#include <cassert>
#include <cstring>

namespace directtable {

namespace {

bool IsLineEnd(char c) { return c == '\n' || c == '\r'; }

}  // namespace

TableText::TableText(std::string_view file_name, const char* data, size_t size)
    : file_name_(file_name), data_(data), size_(size) {
  assert(data != nullptr || size == 0);
  // Leading line ends are not a line.
  while (position_ < size_ && IsLineEnd(data_[position_])) ++position_;
}

std::string_view TableText::CutLine() {
  size_t start = position_;
  while (position_ < size_ && !IsLineEnd(data_[position_])) ++position_;
  std::string_view line(data_ + start, position_ - start);
  while (position_ < size_ && IsLineEnd(data_[position_])) ++position_;
  return line;
}

bool TableText::NextLine(std::string_view* line) {
  if (position_ >= size_) return false;
  *line = CutLine();
  ++line_number_;
  // The line's text is what a C string of it holds.
  if (const void* zero = std::memchr(line->data(), '\0', line->size())) {
    *line = line->substr(0, static_cast<const char*>(zero) - line->data());
  }
  return true;
}

void TableText::SkipLine() {
  if (position_ < size_) CutLine();
}

size_t CutCells(std::string_view line, std::span<std::string_view> cells) {
  size_t count = 0;
  size_t position = 0;
  while (count < cells.size()) {
    size_t tab = line.find('\t', position);
    if (tab == std::string_view::npos) {
      cells[count++] = line.substr(position);
      break;
    }
    cells[count++] = line.substr(position, tab - position);
    // A line that begins with a TAB is a row without a key: it has only its
    // empty first cell, whatever follows.
    if (tab == 0) break;
    position = tab + 1;
  }
  for (size_t i = count; i < cells.size(); ++i) cells[i] = std::string_view();
  return count;
}

}  // namespace directtable
