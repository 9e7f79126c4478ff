#include "tabscrub/command_line.h"

#include <string_view>

namespace tabscrub {
namespace {

// Either word asks for the backup to be removed after a successful run.
constexpr std::string_view kDeleteBackupOptions[] = {"-nobak", "-bak"};

// Compares folding only the ASCII letters, as table texts are in an 8-bit
// code page that must not be reinterpreted.
bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    char x = a[i] >= 'A' && a[i] <= 'Z' ? static_cast<char>(a[i] - 'A' + 'a') : a[i];
    char y = b[i] >= 'A' && b[i] <= 'Z' ? static_cast<char>(b[i] - 'A' + 'a') : b[i];
    if (x != y) return false;
  }
  return true;
}

}  // namespace

CommandLine ParseCommandLine(std::span<const char* const> args) {
  CommandLine line;
  if (args.empty()) {
    line.show_banner = true;
    return line;
  }
  line.input = args[0];
  if (args.size() == 2) {
    for (std::string_view option : kDeleteBackupOptions) {
      if (EqualsIgnoringAsciiCase(args[1], option)) line.delete_backup = true;
    }
  }
  return line;
}

}  // namespace tabscrub
