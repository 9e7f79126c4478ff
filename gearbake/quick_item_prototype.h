// QuickItemPrototype: one usable item (picklock, trap, wand, scroll...), as
// one element chunk of list 4 in items.idb. Its type and damage kind are
// looked up silently: an unknown type is kNoSuchKind, an unknown damage kind
// counts as general.
//
// Element chunk layout: ItemPrototype's chunks 0-15, then
//   21 quickItemType (int32)   22 skill (int32)   23 damage (float32)
//   24 damageType (int32)   25 spell (text)
//   26 threeSkills (3 x int8)   27 eightSkills (8 x int8)
#ifndef BAKE_GEARBAKE_QUICK_ITEM_PROTOTYPE_H_
#define BAKE_GEARBAKE_QUICK_ITEM_PROTOTYPE_H_

#include <cstdint>
#include <string>

#include "buildlib/chunk_archive.h"
#include "buildlib/file_registry.h"
#include "gearbake/item_columns.h"
#include "gearbake/item_prototype.h"

namespace gearbake {

struct QuickItemPrototype : ItemPrototype {
  int32_t quickItemType = 0;
  int32_t skill = 0;
  float damage = 0.0f;
  int32_t damageType = 0;
  std::string spell;
  SkillEntries skills;

  void Serialize(buildlib::ChunkArchive& archive);
};

void ReadQuickItem(const buildlib::CFileRegistry& registry,
                   const buildlib::CFileRegistry::Section& row, QuickItemPrototype* item);

}  // namespace gearbake

#endif  // BAKE_GEARBAKE_QUICK_ITEM_PROTOTYPE_H_
