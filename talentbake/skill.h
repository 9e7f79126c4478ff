// Skill: one skill of the perks database, as one element chunk of list 1 in
// perks.pdb.
//
// Element chunk layout (value chunk ids):
//   0 name (text)   1 code (text)   2 textureTypeIndex (int32)
//   10 baseAttributes (list of texts: one text chunk with id 1 per attribute)
#ifndef BAKE_TALENTBAKE_SKILL_H_
#define BAKE_TALENTBAKE_SKILL_H_

#include <cstdint>
#include <string>
#include <vector>

#include "buildlib/chunk_archive.h"

namespace talentbake {

struct Skill {
  std::string name;
  std::string code;
  int32_t textureTypeIndex = 0;
  std::vector<std::string> baseAttributes;

  void Serialize(buildlib::ChunkArchive& archive);
};

}  // namespace talentbake

#endif  // BAKE_TALENTBAKE_SKILL_H_
