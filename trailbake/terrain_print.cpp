#include "trailbake/terrain_print.h"

#include <string_view>

#include "buildlib/game_vocabulary.h"

namespace trailbake {

static_assert(std::string_view(buildlib::kTerrainTypes[kUndefinedTerrain].text) == "undefined",
              "unknown terrain names share the entry of the undefined terrain type");

namespace {

// Chunk ids inside an element chunk.
constexpr uint8_t kNameChunk = 1;
constexpr uint8_t kClearWeatherChunk = 2;
constexpr uint8_t kPrecipitationChunk = 3;
constexpr uint8_t kBloodyPrecipitationChunk = 10;

// Chunk ids inside a phase chunk.
constexpr uint8_t kOpacityChunk = 1;
constexpr uint8_t kLifetimeChunk = 2;
constexpr uint8_t kFadeoutChunk = 3;

}  // namespace

void PrintPhase::Serialize(buildlib::ChunkArchive& archive, uint8_t id) {
  // A phase missing from a file being read keeps its values.
  if (!archive.BeginChunk(id)) return;
  archive.SerializeValue(kOpacityChunk, opacity);
  archive.SerializeValue(kLifetimeChunk, lifetime);
  archive.SerializeValue(kFadeoutChunk, fadeout);
  archive.EndChunk();
}

void TerrainPrint::Serialize(buildlib::ChunkArchive& archive) {
  archive.SerializeString(kNameChunk, name);
  clearWeather.Serialize(archive, kClearWeatherChunk);
  precipitation.Serialize(archive, kPrecipitationChunk);
}

void FootPrint::Serialize(buildlib::ChunkArchive& archive) {
  TerrainPrint::Serialize(archive);
  bloodyPrecipitation.Serialize(archive, kBloodyPrecipitationChunk);
}

int32_t TerrainTypeFromName(std::string& name) {
  name = buildlib::ToLowerAscii(name);
  return buildlib::LookupCode(buildlib::kTerrainTypes, name, kUndefinedTerrain);
}

}  // namespace trailbake
