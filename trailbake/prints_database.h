// PrintsDatabase: builds prints.db from "BloodPrints.txt", "FootPrints.txt"
// and "FirePrints.txt".
//
// prints.db holds three lists in its main chunk: 1 blood prints, 2 foot
// prints, 3 fire prints. A list whose table was read has exactly one entry per
// terrain type, entry i for terrain index i, filled by the last row naming
// that terrain (every unknown terrain name fills the undefined terrain's
// entry); an entry no row names stays new: empty name, every number 0. A list
// whose table could not be read is empty.
//
// The tables have two header rows: column groups ("Clear Weather", "Weather
// Precipitation", "Bloody Precipitation") over their columns ("Opacity",
// "Lifetime", "Fadeout"), and a one-column group "TerrainType".
#ifndef BAKE_TRAILBAKE_PRINTS_DATABASE_H_
#define BAKE_TRAILBAKE_PRINTS_DATABASE_H_

#include <string>
#include <vector>

#include "buildlib/table_file.h"
#include "trailbake/terrain_print.h"

namespace trailbake {

inline constexpr char kBloodPrintsTable[] = "BloodPrints.txt";
inline constexpr char kFootPrintsTable[] = "FootPrints.txt";
inline constexpr char kFirePrintsTable[] = "FirePrints.txt";
inline constexpr char kPrintsDatabase[] = "prints.db";

class PrintsDatabase : public buildlib::TableFile {
 public:
  // True when the table was read; false leaves the list empty.
  bool BuildBloodPrints(const std::string& file_name);
  bool BuildFootPrints(const std::string& file_name);
  bool BuildFirePrints(const std::string& file_name);
  int Save(const std::string& output_directory) override;

  const std::vector<TerrainPrint>& blood_prints() const { return blood_prints_; }
  const std::vector<FootPrint>& foot_prints() const { return foot_prints_; }
  const std::vector<TerrainPrint>& fire_prints() const { return fire_prints_; }

 private:
  // Fills `list` with one entry per terrain type from the table `file_name`.
  template <class Print>
  bool BuildPrints(const char* title, const std::string& file_name, std::vector<Print>* list);

  std::vector<TerrainPrint> blood_prints_;
  std::vector<FootPrint> foot_prints_;
  std::vector<TerrainPrint> fire_prints_;
};

}  // namespace trailbake

#endif  // BAKE_TRAILBAKE_PRINTS_DATABASE_H_
