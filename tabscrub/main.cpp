// tabscrub: removes the quotation marks a spreadsheet puts around cells from
// one table file, in place, keeping a backup.
//
// Errors and the empty-file notice go to standard error as complete texts,
// each ending in a line feed; the exit status is 1 for them and 0 otherwise.
#include <cstddef>
#include <cstdio>
#include <span>

#include "platform/console.h"
#include "tabscrub/banner.h"
#include "tabscrub/command_line.h"
#include "tabscrub/scrub.h"

int main(int argc, char** argv) {
  const char* const* args = argv + 1;
  const tabscrub::CommandLine line =
      tabscrub::ParseCommandLine(std::span<const char* const>(args, static_cast<size_t>(argc - 1)));
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
