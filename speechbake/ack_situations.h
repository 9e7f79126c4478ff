// The situations in which speech lines are spoken, one closed vocabulary per
// group of speakers. A situation's code is its index in its vocabulary, which
// is also where its chunk lies in a speaker's record (chunk 10 + code).
//
// Names are matched exactly, case and spaces included, letter for letter as
// the game knows them (spellings such as "Decied" and "Suspectious" are the
// game's own and must stay).
#ifndef BAKE_SPEECHBAKE_ACK_SITUATIONS_H_
#define BAKE_SPEECHBAKE_ACK_SITUATIONS_H_

#include <span>
#include <string_view>

namespace speechbake {

struct Situation {
  std::string_view text;
  int code;
  // Whether a line's flags are stored; only the heroes' "Bored" lines use them.
  bool stores_flags;
};

std::span<const Situation> HeroSituations();  // 35
std::span<const Situation> UnitStates();      // 5
std::span<const Situation> NpcSituations();   // 2

// The code of `text` in `vocabulary`, or -1 when it is not there.
int FindSituation(std::span<const Situation> vocabulary, std::string_view text);

}  // namespace speechbake

#endif  // BAKE_SPEECHBAKE_ACK_SITUATIONS_H_
