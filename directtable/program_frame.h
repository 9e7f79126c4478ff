// The run of a direct-table builder, from command line to exit status.
//
// Both builders of this kind follow one sequence: check the single argument
// (the output directory), map every input table, check them in the builder's
// checking order, parse them in its build order ("Building <file>:" lines),
// print "Saving database.", write the database file, and leave an empty
// "tempreg.reg" in the current directory, which the tools that run after the
// builders expect to find. A builder supplies only its description and its
// database object.
//
// Exit statuses: a wrong argument count (the banner is shown) and a missing
// table ("Can't open file: ") end with status 0 and touch no file; these are
// the builders' long-standing statuses, kept for whatever runs them. Status 1
// is for an empty output path, a table the parser refused (then nothing at
// all is written), and a database that could not be saved.
#ifndef BAKE_DIRECTTABLE_PROGRAM_FRAME_H_
#define BAKE_DIRECTTABLE_PROGRAM_FRAME_H_

#include <span>

#include "directtable/chunk_buffer.h"
#include "directtable/table_text.h"

namespace directtable {

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 1;

// One table of the build order. `kind` is the builder's own tag telling its
// parser what the table holds.
struct TableStep {
  const char* file_name;
  int kind;
};

// The builder's database object. The tables stay mapped until the run ends,
// so the parser may keep views of their text until WriteMainPayload.
class Database {
 public:
  virtual ~Database() = default;
  // Parses one table of the build order. False stops the run with nothing
  // written; the parser has printed why.
  virtual bool ParseTable(const TableStep& step, TableText* text) = 0;
  // Appends the main chunk's payload, once every table is parsed.
  virtual void WriteMainPayload(ChunkBuffer* payload) = 0;
};

struct ProgramInfo {
  const char* title;          // first line of the banner
  const char* program_name;   // the program's file name, for the usage line
  const char* database_file;  // written into the output directory
  std::span<const char* const> check_order;
  std::span<const TableStep> build_order;
};

// Runs the builder; returns the exit status.
int RunProgram(int argc, const char* const* argv, const ProgramInfo& program, Database* database);

}  // namespace directtable

#endif  // BAKE_DIRECTTABLE_PROGRAM_FRAME_H_
