// LeverPrototype: one switchable object of the levers database, as one
// element chunk of list 1 in levers.ldb.
//
// Element chunk layout (value chunk ids):
//   0 name (text)   1 places: x0 y0 x1 y1 (4 x float32)   2 placeCount (int32)
//   3 scale (float32)   4 switchTicks (int32)   5 material (text)
//   6 switchSound (text)   7 description (text)
// Places are packed from the front; entries beyond placeCount are written as 0.
#ifndef BAKE_SWITCHBAKE_LEVER_PROTOTYPE_H_
#define BAKE_SWITCHBAKE_LEVER_PROTOTYPE_H_

#include <array>
#include <cstdint>
#include <string>

#include "buildlib/chunk_archive.h"

namespace switchbake {

struct LeverPrototype {
  static constexpr int32_t kMaxPlaces = 2;

  std::string name;
  std::array<float, 2 * kMaxPlaces> places{};  // x, y of each place
  int32_t placeCount = 0;
  float scale = 0.0f;
  int32_t switchTicks = 0;
  std::string material;
  std::string switchSound;
  std::string description;

  // Stores a place at the next free position.
  void AddPlace(float x, float y);
  void Serialize(buildlib::ChunkArchive& archive);
};

}  // namespace switchbake

#endif  // BAKE_SWITCHBAKE_LEVER_PROTOTYPE_H_
