#include "hivecast/ini_reader.h"

#include <algorithm>

namespace hivecast {

bool ReadIni(std::string_view text, RegistryWriter* writer, std::vector<RepeatedSection>* repeated,
             std::string* error) {
  // No more values than lines, and their names and data take no more room
  // than the text they come from.
  writer->Reserve(static_cast<size_t>(std::count(text.begin(), text.end(), '\n')) + 1, text.size());
  bool in_section = false;
  size_t line_number = 0;
  size_t start = 0;
  while (start < text.size()) {
    ++line_number;
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    start = end + 1;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);

    if (!line.empty() && line.front() == '[') {
      size_t close = line.rfind(']');
      if (close == std::string_view::npos) {
        *error = "line " + std::to_string(line_number) + ": the section line has no closing ']'";
        return false;
      }
      std::string_view name = line.substr(1, close - 1);
      if (writer->AddSection(name)) repeated->push_back(RepeatedSection{line_number, std::string(name)});
      in_section = true;
      continue;
    }
    size_t equals = line.find('=');
    if (!in_section || equals == std::string_view::npos) continue;
    writer->AddText(line.substr(0, equals), line.substr(equals + 1));
  }
  return true;
}

}  // namespace hivecast
