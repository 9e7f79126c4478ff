// The speech lines of heroes, units and NPCs, grouped by speaker and
// situation, and their acks.db main payload.
//
// Every data line names a speaker (cell 0) and a situation (cell 1) from its
// group's vocabulary; an unknown situation stops the whole run with the line's
// number and text, because a misspelt situation would silently mute a line in
// the game. Speakers are kept in the order of their names' bytes taken as
// unsigned values (so "Zed" comes before "abe"); lines keep file order within
// their situation, across all tables of a group.
//
// Texts are views into the mapped tables, which stay mapped until the
// database has been written; nothing of a table is copied but speaker names.
#ifndef BAKE_SPEECHBAKE_ACK_DATABASE_H_
#define BAKE_SPEECHBAKE_ACK_DATABASE_H_

#include <array>
#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "directtable/chunk_buffer.h"
#include "directtable/program_frame.h"
#include "directtable/table_text.h"
#include "speechbake/ack_situations.h"

namespace speechbake {

// One spoken line.
struct AckLine {
  int32_t number = 0;
  std::string_view first_text;
  std::string_view second_text;
  std::string_view third_text;
  int32_t flags = 0;
};

// One list of lines per situation of the speaker's group.
struct AckSpeaker {
  std::vector<std::vector<AckLine>> lines;
};

class AckGroup {
 public:
  explicit AckGroup(std::span<const Situation> vocabulary) : vocabulary_(vocabulary) {}

  std::span<const Situation> vocabulary() const { return vocabulary_; }
  // The speaker of that name, made with empty lists when it is new.
  AckSpeaker* FindOrAddSpeaker(std::string_view name);
  // Appends one chunk (id 1) per speaker, in name order.
  void Write(directtable::ChunkBuffer* group_payload) const;

 private:
  std::span<const Situation> vocabulary_;
  // std::string compares through char_traits<char>, which orders bytes as
  // unsigned values: the order the game's lookups expect.
  std::map<std::string, AckSpeaker, std::less<>> speakers_;
};

// What a speech table holds; the tag of its build step.
enum AckTableKind : int {
  kHeroTable,
  kHeroBoredTable,  // like kHeroTable, with one note line before the header
  kUnitTable,
  kNpcTable,
};

class AckDatabase : public directtable::Database {
 public:
  AckDatabase();

  bool ParseTable(const directtable::TableStep& step, directtable::TableText* text) override;
  void WriteMainPayload(directtable::ChunkBuffer* payload) override;

  // Parses one table into `group`. False after a line whose situation is not
  // in the group's vocabulary (reported).
  bool ParseTable(AckGroup* group, directtable::TableText* text);
  // The bored table carries one line before its header; it is dropped, so
  // line numbers count from the header.
  bool ParseBoredTable(directtable::TableText* text);

 private:
  // Prints a dot after the 2nd, 5th, 8th ... data line of the whole run.
  void AdvanceProgress();

  AckGroup heroes_;
  AckGroup units_;
  AckGroup npcs_;
  uint64_t progress_counter_ = 0;
};

}  // namespace speechbake

#endif  // BAKE_SPEECHBAKE_ACK_DATABASE_H_
