#include "journalbake/quest_database.h"

#include <array>
#include <cassert>

#include "directtable/cell_numbers.h"
#include "directtable/console_output.h"

namespace journalbake {

namespace {

using directtable::ChunkBuffer;
using directtable::ReadInt;
using directtable::ReadReal;

// Chunk ids of the main payload and of its lists.
constexpr uint8_t kBriefingListId = 1;
constexpr uint8_t kQuestListId = 2;
constexpr uint8_t kRecordId = 1;     // one per data line, in a list
constexpr uint8_t kListPieceId = 1;  // one per piece, in a list of texts

// A briefing's cells and chunks: cells 0 to 5 give chunks 0 to 5, then its
// running index and an empty closing chunk.
constexpr size_t kBriefingCells = 6;
constexpr uint8_t kBriefingIndexId = 6;
constexpr uint8_t kBriefingEndId = 7;

// A quest's cells 0 to 10 give its chunks 0 to 10.
constexpr size_t kQuestCells = 11;

// How one cell of a quest is stored; chunk id = cell number.
enum class QuestField { kText, kWholeReal, kList, kInt };
constexpr QuestField kQuestFields[kQuestCells] = {
    QuestField::kText,  // 0 name
    QuestField::kWholeReal, QuestField::kWholeReal,  // 1, 2: whole numbers stored as reals
    QuestField::kList,  // 3
    QuestField::kText,  // 4
    QuestField::kList, QuestField::kList, QuestField::kList, QuestField::kList, QuestField::kList,  // 5 to 9
    QuestField::kInt,   // 10
};

}  // namespace

bool QuestDatabase::ParseTable(const directtable::TableStep& step, directtable::TableText* text) {
  switch (step.kind) {
    case kBriefingTable:
      ParseBriefings(text);
      return true;
    case kQuestTable:
      ParseQuests(text);
      return true;
  }
  assert(false && "unknown quest table kind");
  return false;
}

void QuestDatabase::ParseBriefings(directtable::TableText* text) {
  ChunkBuffer record;
  std::array<std::string_view, kBriefingCells> cells;
  std::string_view line;
  text->NextLine(&line);  // the header
  for (int32_t index = 1; text->NextLine(&line); ++index) {
    directtable::CutCells(line, cells);
    record.Reset();
    record.WriteText(0, cells[0]);
    record.WriteReal(1, ReadReal(cells[1]));
    record.WriteReal(2, ReadReal(cells[2]));
    record.WriteInt(3, ReadInt(cells[3]));
    record.WriteText(4, cells[4]);
    record.WriteReal(5, ReadReal(cells[5]));
    record.WriteInt(kBriefingIndexId, index);
    record.WriteChunk(kBriefingEndId, nullptr, 0);
    briefings_.WriteChunk(kRecordId, record);
    directtable::PrintText(".");
  }
}

void QuestDatabase::ParseQuests(directtable::TableText* text) {
  ChunkBuffer record;
  std::array<std::string_view, kQuestCells> cells;
  std::string_view line;
  text->NextLine(&line);  // the header
  while (text->NextLine(&line)) {
    directtable::CutCells(line, cells);
    record.Reset();
    for (size_t cell = 0; cell < kQuestCells; ++cell) {
      uint8_t id = static_cast<uint8_t>(cell);
      switch (kQuestFields[cell]) {
        case QuestField::kText:
          record.WriteText(id, cells[cell]);
          break;
        case QuestField::kWholeReal:
          // Read as a whole number first: "2.7" is stored as 2.0.
          record.WriteReal(id, static_cast<float>(ReadInt(cells[cell])));
          break;
        case QuestField::kList:
          WriteList(&record, id, cells[cell]);
          break;
        case QuestField::kInt:
          record.WriteInt(id, ReadInt(cells[cell]));
          break;
      }
    }
    quests_.WriteChunk(kRecordId, record);
    directtable::PrintText(".");
  }
}

void QuestDatabase::WriteList(ChunkBuffer* record, uint8_t id, std::string_view text) {
  ChunkBuffer pieces;
  if (!text.empty()) {
    size_t position = 0;
    while (position < text.size()) {
      size_t comma = text.find(',', position);
      // A leading comma is not a separator: the whole text is one piece.
      if (comma == std::string_view::npos || comma == 0) break;
      pieces.WriteText(kListPieceId, text.substr(position, comma - position));
      position = comma + 1;
    }
    pieces.WriteText(kListPieceId, text.substr(position));
  }
  record->WriteChunk(id, pieces);
}

void QuestDatabase::WriteMainPayload(ChunkBuffer* payload) {
  payload->WriteChunk(kBriefingListId, briefings_);
  payload->WriteChunk(kQuestListId, quests_);
}

}  // namespace journalbake
