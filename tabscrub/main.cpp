// tabscrub: removes the quotation marks a spreadsheet puts around cells from
// one table file, in place, keeping a backup.
//
// Errors and the empty-file notice go to standard error exactly as the
// desktop build shows them in its message boxes (every error text ends in a
// line feed, the notice does not); the exit status is 1 for them and 0
// otherwise.
#include <cstddef>
#include <cstdio>
#include <span>

#include "platform/console.h"
#include "tabscrub/banner.h"
#include "tabscrub/command_line.h"
#include "tabscrub/scrub.h"

int main(int argc, char** argv) {
  // A program started with no argument vector at all (argc 0) is treated as
  // one started without arguments.
  const size_t count = argc > 1 ? static_cast<size_t>(argc - 1) : 0;
  const char* const* args = argc > 1 ? argv + 1 : nullptr;
  const tabscrub::CommandLine line =
      tabscrub::ParseCommandLine(std::span<const char* const>(args, count));
  if (line.show_banner) {
    const std::string banner = tabscrub::BannerText();
    std::fwrite(banner.data(), 1, banner.size(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
  }
  const tabscrub::ScrubResult result = tabscrub::ScrubFile(line.input, line.delete_backup);
  if (result.outcome != tabscrub::ScrubResult::Outcome::kDone) {
    platform::WriteError(result.message);
    return 1;
  }
  return 0;
}
