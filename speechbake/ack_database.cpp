#include "speechbake/ack_database.h"

#include <cassert>
#include <string>

#include "directtable/cell_numbers.h"
#include "directtable/console_output.h"

namespace speechbake {

namespace {

using directtable::ChunkBuffer;

// Cells of a speech line; later cells are ignored.
constexpr size_t kSpeakerCell = 0;
constexpr size_t kSituationCell = 1;
constexpr size_t kFirstTextCell = 2;
constexpr size_t kNumberCell = 3;
constexpr size_t kSecondTextCell = 4;
constexpr size_t kThirdTextCell = 5;
constexpr size_t kFirstFlagCell = 6;  // cell k sets flag bit k - 6
constexpr size_t kCellCount = 21;     // cells 0 to 20

// Chunk ids of the main payload.
constexpr uint8_t kHeroGroupId = 1;
constexpr uint8_t kUnitGroupId = 2;
constexpr uint8_t kNpcGroupId = 3;
constexpr uint8_t kSpeakerId = 1;         // in a group chunk
constexpr uint8_t kSpeakerNameId = 1;     // in a speaker chunk
constexpr uint8_t kFirstSituationId = 10; // in a speaker chunk: 10 + situation code
constexpr uint8_t kLineId = 1;            // in a situation chunk
constexpr uint8_t kLineFirstTextId = 1;   // in a line chunk
constexpr uint8_t kLineNumberId = 2;
constexpr uint8_t kLineSecondTextId = 3;
constexpr uint8_t kLineThirdTextId = 4;
constexpr uint8_t kLineFlagsId = 10;

}  // namespace

AckSpeaker* AckGroup::FindOrAddSpeaker(std::string_view name) {
  auto found = speakers_.find(name);
  if (found == speakers_.end()) {
    found = speakers_.emplace(std::string(name), AckSpeaker{}).first;
    found->second.lines.resize(vocabulary_.size());
  }
  return &found->second;
}

void AckGroup::Write(ChunkBuffer* group_payload) const {
  assert(kFirstSituationId + vocabulary_.size() <= 0x100 && "situation chunk ids fit a byte");
  ChunkBuffer speaker_payload;
  ChunkBuffer situation_payload;
  ChunkBuffer line_payload;
  for (const auto& [name, speaker] : speakers_) {
    assert(speaker.lines.size() == vocabulary_.size());
    speaker_payload.Reset();
    speaker_payload.WriteText(kSpeakerNameId, name);
    for (const Situation& situation : vocabulary_) {
      situation_payload.Reset();
      for (const AckLine& line : speaker.lines[situation.code]) {
        line_payload.Reset();
        line_payload.WriteText(kLineFirstTextId, line.first_text);
        line_payload.WriteInt(kLineNumberId, line.number);
        line_payload.WriteText(kLineSecondTextId, line.second_text);
        line_payload.WriteText(kLineThirdTextId, line.third_text);
        if (situation.stores_flags) line_payload.WriteInt(kLineFlagsId, line.flags);
        situation_payload.WriteChunk(kLineId, line_payload);
      }
      // Present even when empty: the game finds a situation by its id.
      speaker_payload.WriteChunk(static_cast<uint8_t>(kFirstSituationId + situation.code), situation_payload);
    }
    group_payload->WriteChunk(kSpeakerId, speaker_payload);
  }
}

AckDatabase::AckDatabase() : heroes_(HeroSituations()), units_(UnitStates()), npcs_(NpcSituations()) {}

bool AckDatabase::ParseTable(const directtable::TableStep& step, directtable::TableText* text) {
  switch (step.kind) {
    case kHeroTable:
      return ParseTable(&heroes_, text);
    case kHeroBoredTable:
      return ParseBoredTable(text);
    case kUnitTable:
      return ParseTable(&units_, text);
    case kNpcTable:
      return ParseTable(&npcs_, text);
  }
  assert(false && "unknown speech table kind");
  return false;
}

bool AckDatabase::ParseBoredTable(directtable::TableText* text) {
  text->SkipLine();
  return ParseTable(&heroes_, text);
}

bool AckDatabase::ParseTable(AckGroup* group, directtable::TableText* text) {
  std::string_view line;
  if (!text->NextLine(&line)) return true;  // the header: counted, not read
  std::array<std::string_view, kCellCount> cells;
  while (text->NextLine(&line)) {
    size_t count = directtable::CutCells(line, cells);
    // A line without a situation (fewer than two cells, or a leading TAB) is
    // a blank row of the spreadsheet: nothing to store, nothing to report.
    if (count > kSituationCell) {
      int code = FindSituation(group->vocabulary(), cells[kSituationCell]);
      if (code < 0) {
        directtable::PrintText("\nError in line: " + std::to_string(text->line_number()) + "\n");
        directtable::PrintText(line);
        directtable::EndLine();
        return false;
      }
      AckSpeaker* speaker = group->FindOrAddSpeaker(cells[kSpeakerCell]);
      AckLine ack;
      ack.first_text = cells[kFirstTextCell];
      ack.number = directtable::ReadInt(cells[kNumberCell]);
      ack.second_text = cells[kSecondTextCell];
      ack.third_text = cells[kThirdTextCell];
      uint32_t flags = 0;
      for (size_t cell = kFirstFlagCell; cell < count; ++cell) {
        // The whole number is shifted in, not one bit of it: designers may set
        // neighbouring bits from one cell.
        flags |= static_cast<uint32_t>(directtable::ReadInt(cells[cell])) << (cell - kFirstFlagCell);
      }
      ack.flags = static_cast<int32_t>(flags);
      // A line without its first text has nothing to play; the speaker stays.
      if (!ack.first_text.empty()) speaker->lines[code].push_back(ack);
    }
    AdvanceProgress();
  }
  return true;
}

void AckDatabase::AdvanceProgress() {
  if (progress_counter_ % 3 == 1) directtable::PrintText(".");
  ++progress_counter_;
}

void AckDatabase::WriteMainPayload(ChunkBuffer* payload) {
  struct GroupChunk {
    uint8_t id;
    const AckGroup* group;
  };
  const GroupChunk groups[] = {{kHeroGroupId, &heroes_}, {kUnitGroupId, &units_}, {kNpcGroupId, &npcs_}};
  ChunkBuffer group_payload;
  for (const GroupChunk& chunk : groups) {
    group_payload.Reset();
    chunk.group->Write(&group_payload);
    payload->WriteChunk(chunk.id, group_payload);
  }
}

}  // namespace speechbake
