// LeverDatabase: builds levers.ldb from "LeverPrototypes.txt".
#ifndef BAKE_SWITCHBAKE_LEVER_DATABASE_H_
#define BAKE_SWITCHBAKE_LEVER_DATABASE_H_

#include <string>
#include <vector>

#include "buildlib/table_file.h"
#include "switchbake/lever_prototype.h"

namespace switchbake {

inline constexpr char kLeversTable[] = "LeverPrototypes.txt";
inline constexpr char kLeversDatabase[] = "levers.ldb";

class LeverDatabase : public buildlib::TableFile {
 public:
  // True when the table was read; false leaves the list empty.
  bool BuildLevers(const std::string& file_name);
  int Save(const std::string& output_directory) override;

  const std::vector<LeverPrototype>& levers() const { return levers_; }

 private:
  std::vector<LeverPrototype> levers_;
};

}  // namespace switchbake

#endif  // BAKE_SWITCHBAKE_LEVER_DATABASE_H_
