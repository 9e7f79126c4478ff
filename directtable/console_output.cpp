#include "directtable/console_output.h"

#include <cstdio>

namespace directtable {

void PrintText(std::string_view text) { std::fwrite(text.data(), 1, text.size(), stdout); }

void EndLine() {
  std::fputc('\n', stdout);
  std::fflush(stdout);
}

void PrintLine(std::string_view text) {
  PrintText(text);
  EndLine();
}

}  // namespace directtable
