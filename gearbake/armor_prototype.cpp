#include "gearbake/armor_prototype.h"

#include <string>

#include "buildlib/report_error.h"
#include "gearbake/item_vocabulary.h"

namespace gearbake {

namespace {

using buildlib::CFileRegistry;

// Absorption cells are in tenths, damage-kind cells in percent.
constexpr float kAbsorptionScale = 0.1f;
constexpr float kPercent = 0.01f;

// The nine column names of one protection block.
struct ProtectionColumns {
  explicit ProtectionColumns(const std::string& prefix)
      : absorption(prefix + " Absorption"),
        damage(DamageColumns(prefix)),
        crippled(prefix + " Crippled") {}
  std::string absorption;
  std::array<std::string, buildlib::kDamageKindCount> damage;
  std::string crippled;
};

ProtectionBlock ReadProtection(const CFileRegistry& registry, const CFileRegistry::Section& row,
                               const ProtectionColumns& columns) {
  ProtectionBlock block;
  block.absorption = registry.GetFloat(row, columns.absorption.c_str(), -1.0f) * kAbsorptionScale;
  for (size_t kind = 0; kind < columns.damage.size(); ++kind) {
    block.damage[kind] = registry.GetFloat(row, columns.damage[kind].c_str(), -1.0f) * kPercent;
  }
  block.crippledMask = ReadCrippledMask(registry, row, columns.crippled.c_str());
  return block;
}

}  // namespace

void ArmorPrototype::Serialize(buildlib::ChunkArchive& archive) {
  SerializeItem(archive);
  archive.SerializeValue(21, mainProtection);
  archive.SerializeValue(22, additionalProtection);
  archive.SerializeValue(23, applyWounds);
  archive.SerializeValue(24, wearOrder);
  archive.SerializeValue(25, skills.threeSkills);
  archive.SerializeValue(26, skills.eightSkills);
}

void ReadArmor(const CFileRegistry& registry, const CFileRegistry::Section& row,
               ArmorPrototype* armor) {
  static const ProtectionColumns kMainColumns("Main");
  static const ProtectionColumns kAdditionalColumns("Additional");

  ReadItemPrototype(registry, row, armor);
  armor->typeName = registry.GetString(row, "Armor Type", "none");
  armor->materialName = registry.GetString(row, "Armor Material Type", "none");
  armor->typeIndex = ArmorTypeFromName(&armor->typeName);
  if (armor->typeIndex == kUnknownArmorType) {
    buildlib::ReportError("Unknown armor name: \"%s\".\n", armor->typeName.c_str());
  }
  armor->wearOrder = registry.GetInt(row, "Graphics Data Wear Order", 0);
  ReadSkillEntries(registry, row, &armor->skills);
  armor->mainProtection = ReadProtection(registry, row, kMainColumns);
  armor->additionalProtection = ReadProtection(registry, row, kAdditionalColumns);
  armor->applyWounds = registry.GetInt(row, "Graphics Data Apply Wounds", 1) != 0 ? 1 : 0;
}

}  // namespace gearbake
