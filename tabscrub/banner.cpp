#include "tabscrub/banner.h"

#include <cassert>
#include <string_view>

namespace tabscrub {
namespace {

constexpr std::string_view kTitle = "tabscrub - removes quotation marks from tab-separated tables";
constexpr std::string_view kVersion = "v 1.2";
// The column (counted from 1) in which the version's last character stands.
constexpr size_t kVersionEndColumn = 79;

constexpr std::string_view kNotesAndUsage =
    " Removes every double quotation mark (hex 22) from one file, in place.\n"
    " The old content is kept as \"<input file>.bak\" unless -nobak is given.\n"
    " The rewritten file keeps its access and modification times.\n"
    "\n"
    "Usage:\n"
    "tabscrub[.exe] <input file> [-nobak]\n"
    "\n";

}  // namespace

std::string BannerText() {
  static_assert(kTitle.size() + 1 + kVersion.size() <= kVersionEndColumn,
                "the title must leave room for the version");
  std::string text(kTitle);
  text.append(kVersionEndColumn - kVersion.size() - kTitle.size(), ' ');
  text.append(kVersion);
  assert(text.size() == kVersionEndColumn);
  text.push_back('\n');
  text.append(kNotesAndUsage);
  return text;
}

}  // namespace tabscrub
