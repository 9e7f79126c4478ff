#include "talentbake/skill.h"

namespace talentbake {

void Skill::Serialize(buildlib::ChunkArchive& archive) {
  archive.SerializeString(0, name);
  archive.SerializeString(1, code);
  archive.SerializeValue(2, textureTypeIndex);
  archive.SerializeStringList(10, baseAttributes);
}

}  // namespace talentbake
