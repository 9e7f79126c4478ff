// What the user asked tabscrub to do.
//
// Without arguments the banner is shown. Otherwise the first argument is the
// file to clean; the backup is deleted afterwards only when there are exactly
// two arguments and the second is "-nobak" or "-bak" in any letter case. Any
// other second word, and any third argument, is ignored, so a mistyped option
// never costs the user the backup.
#ifndef BAKE_TABSCRUB_COMMAND_LINE_H_
#define BAKE_TABSCRUB_COMMAND_LINE_H_

#include <span>
#include <string>

namespace tabscrub {

struct CommandLine {
  bool show_banner = false;
  std::string input;
  bool delete_backup = false;
};

// `args` are the arguments after the program name.
CommandLine ParseCommandLine(std::span<const char* const> args);

}  // namespace tabscrub

#endif  // BAKE_TABSCRUB_COMMAND_LINE_H_
