// The text printed when tabscrub is started without arguments.
//
// The title line is padded so that the version ends in the last column of an
// 80-column console; the usage lines name the program as users type it.
#ifndef BAKE_TABSCRUB_BANNER_H_
#define BAKE_TABSCRUB_BANNER_H_

#include <string>

namespace tabscrub {

// The whole banner, every line ended by a line feed.
std::string BannerText();

}  // namespace tabscrub

#endif  // BAKE_TABSCRUB_BANNER_H_
