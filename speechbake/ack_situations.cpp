#include "speechbake/ack_situations.h"

#include <cassert>

namespace speechbake {

namespace {

constexpr Situation kHeroSituations[] = {
    {"Selection", 0, false},
    {"Move", 1, false},
    {"Attack", 2, false},
    {"Cast", 3, false},
    {"Loot", 4, false},
    {"Use Object", 5, false},
    {"Steal From Unit", 6, false},
    {"Follow", 7, false},
    {"Use Potion", 8, false},
    {"Change Position", 9, false},
    {"No Way To Attack", 10, false},
    {"Cannot Change Position", 11, false},
    {"Path Not Found", 12, false},
    {"Cannot Cast", 13, false},
    {"Cannot Teleport", 14, false},
    {"Science Failed", 15, false},
    {"Don't See Target", 16, false},
    {"Too Complex Spell To Cast", 17, false},
    {"Decied To Attack Unit", 18, false},
    {"Out Of Stamina", 19, false},
    {"Arm Crippled", 20, false},
    {"Leg Crippled", 21, false},
    {"Bored", 22, true},
    {"Target Too High", 23, false},
    {"Can't Run Overloaded", 24, false},
    {"Can't Run Injured", 25, false},
    {"Attack Too Big", 26, false},
    {"Armor Crippled", 27, false},
    {"Weapon Crippled", 28, false},
    {"Attack In Defence", 29, false},
    {"Waiting Followers", 30, false},
    {"Scenario", 31, false},
    {"Steal Empty", 32, false},
    {"ShopotYes", 33, false},
    {"ShopotNo", 34, false},
};

constexpr Situation kUnitStates[] = {
    {"Become Aggressive", 0, false},
    {"Became Suspectious", 1, false},
    {"Become Killer", 2, false},
    {"While In Rest State", 3, false},
    {"While In Aggressive State", 4, false},
};

constexpr Situation kNpcSituations[] = {
    {"Selected For Talking", 0, false},
    {"While In Rest State", 1, false},
};

// Codes are positions: the writer walks a vocabulary by index.
constexpr bool CodesArePositions(std::span<const Situation> vocabulary) {
  for (size_t i = 0; i < vocabulary.size(); ++i) {
    if (vocabulary[i].code != static_cast<int>(i)) return false;
  }
  return true;
}
static_assert(CodesArePositions(kHeroSituations) && std::size(kHeroSituations) == 35);
static_assert(CodesArePositions(kUnitStates) && std::size(kUnitStates) == 5);
static_assert(CodesArePositions(kNpcSituations) && std::size(kNpcSituations) == 2);

}  // namespace

std::span<const Situation> HeroSituations() { return kHeroSituations; }
std::span<const Situation> UnitStates() { return kUnitStates; }
std::span<const Situation> NpcSituations() { return kNpcSituations; }

int FindSituation(std::span<const Situation> vocabulary, std::string_view text) {
  for (const Situation& situation : vocabulary) {
    if (situation.text == text) return situation.code;
  }
  return -1;
}

}  // namespace speechbake
