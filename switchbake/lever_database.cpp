#include "switchbake/lever_database.h"

#include "buildlib/builder_frame.h"
#include "buildlib/number_text.h"

namespace switchbake {

namespace {

using buildlib::CFileRegistry;

// "Switch Time" is in time units; the game counts fifteenths of one.
constexpr float kDefaultSwitchTime = 0.6666667f;
constexpr double kTicksPerTimeUnit = 15.0;

// A place column counts only when it holds exactly one x, y pair.
void ReadPlace(const CFileRegistry& registry, const CFileRegistry::Section& row, const char* key,
               LeverPrototype* lever) {
  std::vector<float> pair;
  registry.GetFloatList(row, key, &pair);
  if (pair.size() == 2) lever->AddPlace(pair[0], pair[1]);
}

void FillLever(const CFileRegistry& registry, const CFileRegistry::Section& row,
               LeverPrototype* lever) {
  lever->placeCount = 0;
  lever->name = registry.GetString(row, "Name", "none");
  ReadPlace(registry, row, "Place1", lever);
  ReadPlace(registry, row, "Place2", lever);
  lever->scale = registry.GetFloat(row, "Scale", 1.0f);
  float switch_time = registry.GetFloat(row, "Switch Time", kDefaultSwitchTime);
  lever->switchTicks = buildlib::TruncateToInt32(switch_time * kTicksPerTimeUnit, 0);
  lever->material = registry.GetString(row, "Material", "Stone");
  lever->switchSound = registry.GetString(row, "Switch Sound", "");
  lever->description = registry.GetString(row, "Lever Description", "");
}

}  // namespace

bool LeverDatabase::BuildLevers(const std::string& file_name) {
  return BuildList<LeverPrototype>("Building levers list:", file_name,
                                   buildlib::HeaderKind::kOneRow, &levers_, FillLever) != 0;
}

int LeverDatabase::Save(const std::string& output_directory) {
  return buildlib::SaveDatabase(output_directory, kLeversDatabase,
                                [this](buildlib::ChunkArchive& archive) {
                                  archive.SerializeList(1, levers_);
                                });
}

}  // namespace switchbake
