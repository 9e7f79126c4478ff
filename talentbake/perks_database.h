// PerksDatabase: builds perks.pdb from "Skills.txt" and "Perks.txt".
//
// perks.pdb holds two lists in its main chunk: list 1 the skills, list 2 the
// perks, each in the row order of its table. A table that cannot be read
// leaves its list empty and the database is still written.
#ifndef BAKE_TALENTBAKE_PERKS_DATABASE_H_
#define BAKE_TALENTBAKE_PERKS_DATABASE_H_

#include <string>
#include <vector>

#include "buildlib/table_file.h"
#include "talentbake/perk.h"
#include "talentbake/skill.h"

namespace talentbake {

inline constexpr char kSkillsTable[] = "Skills.txt";
inline constexpr char kPerksTable[] = "Perks.txt";
inline constexpr char kPerksDatabase[] = "perks.pdb";

class PerksDatabase : public buildlib::TableFile {
 public:
  // True when the table was read; false leaves the list empty.
  bool BuildSkills(const std::string& file_name);
  bool BuildPerks(const std::string& file_name);
  int Save(const std::string& output_directory) override;

  const std::vector<Skill>& skills() const { return skills_; }
  const std::vector<Perk>& perks() const { return perks_; }

 private:
  std::vector<Skill> skills_;
  std::vector<Perk> perks_;
};

}  // namespace talentbake

#endif  // BAKE_TALENTBAKE_PERKS_DATABASE_H_
