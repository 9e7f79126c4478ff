#include "switchbake/lever_prototype.h"

#include <cassert>

namespace switchbake {

void LeverPrototype::AddPlace(float x, float y) {
  assert(placeCount < kMaxPlaces);
  places[2 * placeCount] = x;
  places[2 * placeCount + 1] = y;
  ++placeCount;
}

void LeverPrototype::Serialize(buildlib::ChunkArchive& archive) {
  archive.SerializeString(0, name);
  archive.SerializeValue(1, places);
  archive.SerializeValue(2, placeCount);
  archive.SerializeValue(3, scale);
  archive.SerializeValue(4, switchTicks);
  archive.SerializeString(5, material);
  archive.SerializeString(6, switchSound);
  archive.SerializeString(7, description);
}

}  // namespace switchbake
