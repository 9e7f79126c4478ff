#include "talentbake/perk.h"

#include <cassert>

#include "buildlib/game_vocabulary.h"

namespace talentbake {

void Perk::SetSkill(std::string_view text) {
  skill = std::string(text);
  const std::string lowered = buildlib::ToLowerAscii(text);
  threeSkillIndex = buildlib::LookupCode(buildlib::kThreeSkillBlock, lowered, kNoSkill);
  eightSkillIndex = buildlib::LookupCode(buildlib::kEightSkillBlock, lowered, kNoSkill);
  // The blocks share no word, so a perk belongs to one block at the most.
  assert(threeSkillIndex == kNoSkill || eightSkillIndex == kNoSkill);
}

void Perk::Serialize(buildlib::ChunkArchive& archive) {
  archive.SerializeString(0, name);
  archive.SerializeString(1, code);
  archive.SerializeValue(2, textureTypeIndex);
  archive.SerializeString(10, perk);
  archive.SerializeString(11, skill);
  archive.SerializeValue(12, eightSkillIndex);
  archive.SerializeValue(13, threeSkillIndex);
  archive.SerializeValue(14, sl);
  archive.SerializeValue(15, strValue);
  archive.SerializeValue(16, dexValue);
  archive.SerializeValue(17, intValue);
  archive.SerializeValue(18, cost);
  archive.SerializeValue(19, modifier);
  archive.SerializeValue(20, mult);
  archive.SerializeValue(21, add);
  archive.SerializeValue(22, active);
  archive.SerializeValue(23, perkExclusive);
}

}  // namespace talentbake
