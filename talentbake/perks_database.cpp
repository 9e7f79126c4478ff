#include "talentbake/perks_database.h"

#include "buildlib/builder_frame.h"

namespace talentbake {

namespace {

using buildlib::CFileRegistry;

// Every text column of both tables reads as this when its cell is empty.
constexpr char kNoText[] = "none";

// The columns both tables share.
template <class Record>
void FillCommon(const CFileRegistry& registry, const CFileRegistry::Section& row, Record* record) {
  record->name = registry.GetString(row, "Name", kNoText);
  record->code = registry.GetString(row, "Code", kNoText);
  record->textureTypeIndex = registry.GetInt(row, "Texture Type Index", -1);
}

void FillSkill(const CFileRegistry& registry, const CFileRegistry::Section& row, Skill* skill) {
  FillCommon(registry, row, skill);
  // An empty cell gives an empty list.
  registry.GetStringList(row, "Base Attributes", &skill->baseAttributes);
}

void FillPerk(const CFileRegistry& registry, const CFileRegistry::Section& row, Perk* perk) {
  FillCommon(registry, row, perk);
  perk->perk = registry.GetString(row, "Perk", kNoText);
  perk->perkExclusive = registry.GetInt(row, "Perk Exclusive", 0);
  perk->SetSkill(registry.GetString(row, "Skill", kNoText));
  perk->sl = registry.GetInt(row, "SL", 0);
  perk->strValue = registry.GetFloat(row, "Str", 0.0f);
  perk->dexValue = registry.GetFloat(row, "Dex", 0.0f);
  perk->intValue = registry.GetFloat(row, "Int", 0.0f);
  perk->cost = registry.GetInt(row, "Cost", 1);
  perk->modifier = registry.GetInt(row, "Modifier", 0);
  perk->mult = registry.GetInt(row, "Mult", 0);
  perk->add = registry.GetInt(row, "Add", 0);
  perk->active = registry.GetInt(row, "Active", 1) != 0 ? 1 : 0;
}

}  // namespace

bool PerksDatabase::BuildSkills(const std::string& file_name) {
  return BuildList<Skill>("Building skills list:", file_name, buildlib::HeaderKind::kOneRow,
                          &skills_, FillSkill) != 0;
}

bool PerksDatabase::BuildPerks(const std::string& file_name) {
  return BuildList<Perk>("Building perks list:", file_name, buildlib::HeaderKind::kOneRow,
                         &perks_, FillPerk) != 0;
}

int PerksDatabase::Save(const std::string& output_directory) {
  return buildlib::SaveDatabase(output_directory, kPerksDatabase,
                                [this](buildlib::ChunkArchive& archive) {
                                  archive.SerializeList(1, skills_);
                                  archive.SerializeList(2, perks_);
                                });
}

}  // namespace talentbake
