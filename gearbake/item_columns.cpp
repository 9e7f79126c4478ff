#include "gearbake/item_columns.h"

#include "buildlib/number_text.h"
#include "gearbake/leading_number.h"

namespace gearbake {

namespace {

using buildlib::CFileRegistry;

// Shop n is bit (n - 1) of the mask.
constexpr std::array<const char*, 5> kShopColumns{
    "Available In Shop 1", "Available In Shop 2", "Available In Shop 3",
    "Available In Shop 4", "Available In Shop 5",
};

constexpr char kSkillListColumn[] = "Lists";
constexpr int32_t kNoSkill = -1;

// The low 8 bits of a value, as the signed byte a skill slot holds.
int8_t LowByte(int32_t value) {
  return static_cast<int8_t>(static_cast<uint8_t>(static_cast<uint32_t>(value) & 0xFF));
}

}  // namespace

std::array<std::string, buildlib::kDamageKindCount> DamageColumns(const std::string& prefix) {
  std::array<std::string, buildlib::kDamageKindCount> columns;
  for (size_t i = 0; i < columns.size(); ++i) columns[i] = prefix + " " + kDamageColumnNames[i];
  return columns;
}

uint32_t ShopMask(const CFileRegistry& registry, const CFileRegistry::Section& row) {
  uint32_t mask = 0;
  for (size_t shop = 0; shop < kShopColumns.size(); ++shop) {
    mask |= static_cast<uint32_t>(registry.GetInt(row, kShopColumns[shop], 0)) << shop;
  }
  return mask;
}

uint32_t CrippledMask(const std::vector<std::string>& parts) {
  uint32_t mask = 0;
  for (const std::string& part : parts) {
    mask |= uint32_t{1} << (static_cast<uint32_t>(LeadingInt(part)) & 31);
  }
  return mask;
}

uint32_t ReadCrippledMask(const CFileRegistry& registry, const CFileRegistry::Section& row,
                          const char* key) {
  std::vector<std::string> parts;
  registry.GetStringList(row, key, &parts);
  return CrippledMask(parts);
}

void ApplySkillEntries(const std::vector<std::string>& entries, SkillEntries* skills,
                       const OtherSkillEntry& other) {
  for (const std::string& entry : entries) {
    size_t space = entry.find(' ');
    if (space == std::string::npos) continue;
    std::string_view text(entry);
    std::string_view name = buildlib::TrimSpace(text.substr(0, space));
    std::string_view value = buildlib::TrimSpace(text.substr(space + 1));

    const std::string lowered = buildlib::ToLowerAscii(name);
    int32_t slot = buildlib::LookupCode(buildlib::kEightSkillBlock, lowered, kNoSkill);
    if (slot != kNoSkill) {
      skills->eightSkills[static_cast<size_t>(slot)] = LowByte(LeadingInt(value));
      continue;
    }
    slot = buildlib::LookupCode(buildlib::kThreeSkillBlock, lowered, kNoSkill);
    if (slot != kNoSkill) {
      skills->threeSkills[static_cast<size_t>(slot)] = LowByte(LeadingInt(value));
      continue;
    }
    if (other) other(name, value);
  }
}

void ReadSkillEntries(const CFileRegistry& registry, const CFileRegistry::Section& row,
                      SkillEntries* skills, const OtherSkillEntry& other) {
  *skills = SkillEntries{};
  std::vector<std::string> entries;
  registry.GetStringList(row, kSkillListColumn, &entries);
  ApplySkillEntries(entries, skills, other);
}

}  // namespace gearbake
