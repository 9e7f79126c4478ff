// The quest journal: mission briefings and quests, and their quests.qdb main
// payload.
//
// Records are not kept: each data line becomes its record chunk as soon as it
// is read, appended to its table's list; the two lists are the main payload.
// Every data line gives a record, however few cells it has; a missing cell is
// an empty text, 0, 0.0 or an empty list. A line that begins with a TAB gives
// a record with an empty name and every other field at its default.
#ifndef BAKE_JOURNALBAKE_QUEST_DATABASE_H_
#define BAKE_JOURNALBAKE_QUEST_DATABASE_H_

#include <cstdint>
#include <string_view>

#include "directtable/chunk_buffer.h"
#include "directtable/program_frame.h"
#include "directtable/table_text.h"

namespace journalbake {

// What a quest table holds; the tag of its build step.
enum QuestTableKind : int {
  kBriefingTable,
  kQuestTable,
};

class QuestDatabase : public directtable::Database {
 public:
  bool ParseTable(const directtable::TableStep& step, directtable::TableText* text) override;
  void WriteMainPayload(directtable::ChunkBuffer* payload) override;

  // Each fills its table's list; table contents are never an error.
  void ParseBriefings(directtable::TableText* text);
  void ParseQuests(directtable::TableText* text);

  // Appends to `record` a list-of-texts chunk made of the comma-separated
  // pieces of `text`. Pieces are kept as written: not trimmed, empty ones
  // included (a trailing comma gives an empty last piece). An empty text gives
  // no pieces, and a text that begins with a comma is a single piece.
  static void WriteList(directtable::ChunkBuffer* record, uint8_t id, std::string_view text);

 private:
  directtable::ChunkBuffer briefings_;  // one record chunk per briefing line
  directtable::ChunkBuffer quests_;     // one record chunk per quest line
};

}  // namespace journalbake

#endif  // BAKE_JOURNALBAKE_QUEST_DATABASE_H_
