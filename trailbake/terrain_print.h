// TerrainPrint and FootPrint: how the marks of one kind (blood, feet, fire)
// look and last on one terrain type, as one element chunk of a list in
// prints.db. Every list holds one entry per terrain type, by terrain index.
//
// Element chunk layout (chunk ids):
//   1 name (text: the terrain type, lower case; empty for an entry no row filled)
//   2 clearWeather    nested PrintPhase
//   3 precipitation   nested PrintPhase
//   10 bloodyPrecipitation  nested PrintPhase (FootPrint only)
// PrintPhase chunk layout:
//   1 opacity (float32, 0..1)   2 lifetime (int32)   3 fadeout (int32)
// Lifetime and fade-out are in fifteenths of a second, the game's tick.
#ifndef BAKE_TRAILBAKE_TERRAIN_PRINT_H_
#define BAKE_TRAILBAKE_TERRAIN_PRINT_H_

#include <cstdint>
#include <string>

#include "buildlib/chunk_archive.h"

namespace trailbake {

// The values of a print under one kind of weather.
struct PrintPhase {
  float opacity = 0.0f;
  int32_t lifetime = 0;
  int32_t fadeout = 0;

  // Writes (or reads) the phase as the nested chunk `id`.
  void Serialize(buildlib::ChunkArchive& archive, uint8_t id);
};

class TerrainPrint {
 public:
  virtual ~TerrainPrint() = default;

  std::string name;
  PrintPhase clearWeather;
  PrintPhase precipitation;

  virtual void Serialize(buildlib::ChunkArchive& archive);
};

// Foot prints also know how they look when it rains blood.
class FootPrint : public TerrainPrint {
 public:
  PrintPhase bloodyPrecipitation;

  void Serialize(buildlib::ChunkArchive& archive) override;
};

// The terrain index of a terrain type name, matched without regard to the case
// of its letters; a name that is no terrain type gives the undefined terrain.
// `name` is lower-cased in place, as the entry stores it.
int32_t TerrainTypeFromName(std::string& name);

// The index every unknown terrain name shares.
inline constexpr int32_t kUndefinedTerrain = 8;

}  // namespace trailbake

#endif  // BAKE_TRAILBAKE_TERRAIN_PRINT_H_
