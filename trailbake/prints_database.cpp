#include "trailbake/prints_database.h"

#include <cassert>
#include <cstdint>
#include <limits>
#include <type_traits>

#include "buildlib/builder_frame.h"
#include "buildlib/game_vocabulary.h"
#include "buildlib/report_error.h"

namespace trailbake {

namespace {

using buildlib::CFileRegistry;

// Opacities are percentages in the tables; the game wants fractions,
// computed in single precision.
constexpr float kPercent = 0.01f;
// Lifetimes and fade-outs are whole seconds in the tables; the game counts
// ticks, fifteen to the second.
constexpr int64_t kTicksPerSecond = 15;

constexpr float kDefaultOpacity = 100.0f;
constexpr int32_t kDefaultLifetime = 60;
constexpr int32_t kDefaultFadeout = 1;

// Reads the phases of one table row.
class PhaseReader {
 public:
  PhaseReader(const CFileRegistry& registry, const CFileRegistry::Section& row,
              const std::string& file_name)
      : registry_(registry), row_(row), file_name_(file_name) {}

  // The phase in the columns "<group> Opacity", "<group> Lifetime" and
  // "<group> Fadeout".
  PrintPhase Read(const std::string& group) const {
    PrintPhase phase;
    float percent = registry_.GetFloat(row_, (group + " Opacity").c_str(), kDefaultOpacity);
    phase.opacity = percent * kPercent;
    phase.lifetime = Ticks(group + " Lifetime", kDefaultLifetime);
    phase.fadeout = Ticks(group + " Fadeout", kDefaultFadeout);
    return phase;
  }

 private:
  // A number of seconds in ticks. A product beyond the int32 range is
  // reported and stored as the nearest int32, rather than wrapping around
  // into a time of the opposite sign.
  int32_t Ticks(const std::string& column, int32_t def) const {
    int32_t seconds = registry_.GetInt(row_, column.c_str(), def);
    int64_t ticks = int64_t{seconds} * kTicksPerSecond;
    constexpr int64_t kLow = std::numeric_limits<int32_t>::min();
    constexpr int64_t kHigh = std::numeric_limits<int32_t>::max();
    if (ticks >= kLow && ticks <= kHigh) return static_cast<int32_t>(ticks);
    int32_t stored = static_cast<int32_t>(ticks < kLow ? kLow : kHigh);
    std::string row_name(row_.name());
    buildlib::ReportError(
        "\"%s\", row \"%s\": \"%s\" %d seconds is out of range (%d to %d); stored as %d "
        "ticks.\n",
        file_name_.c_str(), row_name.c_str(), column.c_str(), seconds,
        static_cast<int32_t>(kLow / kTicksPerSecond), static_cast<int32_t>(kHigh / kTicksPerSecond),
        stored);
    return stored;
  }

  const CFileRegistry& registry_;
  const CFileRegistry::Section& row_;
  const std::string& file_name_;
};

void FillPhases(const PhaseReader& reader, TerrainPrint* print) {
  print->clearWeather = reader.Read("Clear Weather");
  print->precipitation = reader.Read("Weather Precipitation");
}

void FillPhases(const PhaseReader& reader, FootPrint* print) {
  FillPhases(reader, static_cast<TerrainPrint*>(print));
  print->bloodyPrecipitation = reader.Read("Bloody Precipitation");
}

}  // namespace

template <class Print>
bool PrintsDatabase::BuildPrints(const char* title, const std::string& file_name,
                                 std::vector<Print>* list) {
  std::vector<Print> prints(buildlib::kTerrainTypeCount);
  int ok = BuildTable(title, file_name, buildlib::HeaderKind::kTwoRow,
                      [&](const CFileRegistry& registry, const CFileRegistry::Section& row) {
                        // A row without a terrain type says nothing.
                        std::string terrain = registry.GetString(row, "TerrainType", "");
                        if (terrain.empty()) return;
                        int32_t index = TerrainTypeFromName(terrain);
                        assert(index >= 0 && index < buildlib::kTerrainTypeCount);
                        // A later row for the same terrain replaces the earlier one.
                        Print& print = prints[static_cast<size_t>(index)];
                        print.name = terrain;
                        FillPhases(PhaseReader(registry, row, file_name), &print);
                      });
  if (ok) *list = std::move(prints);
  return ok != 0;
}

bool PrintsDatabase::BuildBloodPrints(const std::string& file_name) {
  return BuildPrints("Building blood prints list:", file_name, &blood_prints_);
}

bool PrintsDatabase::BuildFootPrints(const std::string& file_name) {
  return BuildPrints("Building foot prints list:", file_name, &foot_prints_);
}

bool PrintsDatabase::BuildFirePrints(const std::string& file_name) {
  return BuildPrints("Building fire prints list:", file_name, &fire_prints_);
}

int PrintsDatabase::Save(const std::string& output_directory) {
  return buildlib::SaveDatabase(output_directory, kPrintsDatabase,
                                [this](buildlib::ChunkArchive& archive) {
                                  archive.SerializeList(1, blood_prints_);
                                  archive.SerializeList(2, foot_prints_);
                                  archive.SerializeList(3, fire_prints_);
                                });
}

}  // namespace trailbake
