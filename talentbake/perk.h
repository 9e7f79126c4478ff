// Perk: one perk of the perks database, as one element chunk of list 2 in
// perks.pdb.
//
// Element chunk layout (value chunk ids, in the order they are written):
//   0 name (text)   1 code (text)   2 textureTypeIndex (int32)
//   10 perk (text)   11 skill (text, as the table spells it)
//   12 eightSkillIndex (int32)   13 threeSkillIndex (int32)
//   14 sl (int32)   15 strValue   16 dexValue   17 intValue (float32 each)
//   18 cost   19 modifier   20 mult   21 add (int32 each)
//   22 active (1 byte, 0 or 1)   23 perkExclusive (int32)
// The skill's position in a skill block is kNoSkill when the skill is not in
// that block; a skill lies in at most one of the two blocks.
#ifndef BAKE_TALENTBAKE_PERK_H_
#define BAKE_TALENTBAKE_PERK_H_

#include <cstdint>
#include <string>
#include <string_view>

#include "buildlib/chunk_archive.h"

namespace talentbake {

// The position stored for a skill that is not in a block.
inline constexpr int32_t kNoSkill = 0x7FFFFFFF;

struct Perk {
  std::string name;
  std::string code;
  int32_t textureTypeIndex = 0;
  std::string perk;
  int32_t perkExclusive = 0;
  std::string skill;
  int32_t eightSkillIndex = kNoSkill;
  int32_t threeSkillIndex = kNoSkill;
  int32_t sl = 0;
  float strValue = 0.0f;
  float dexValue = 0.0f;
  float intValue = 0.0f;
  int32_t cost = 0;
  int32_t modifier = 0;
  int32_t mult = 0;
  int32_t add = 0;
  uint8_t active = 0;

  // Sets skill and both block positions from the table's skill text, which is
  // matched without regard to the case of its letters.
  void SetSkill(std::string_view text);
  void Serialize(buildlib::ChunkArchive& archive);
};

}  // namespace talentbake

#endif  // BAKE_TALENTBAKE_PERK_H_
