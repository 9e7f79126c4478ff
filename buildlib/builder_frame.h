// The program frame every table builder shares: the command line, the usage
// banner, the order "build the tables, then save", and writing the database.
//
// The only argument is the output directory. It gets a '/' appended unless it
// ends in one (a trailing '\' is turned into '/'); an empty argument is
// refused rather than taken as the file system's root. The database is written
// whole or not at all (platform::OutputFile); a failed write is reported on
// standard error and the run ends with exit status 1.
#ifndef BAKE_BUILDLIB_BUILDER_FRAME_H_
#define BAKE_BUILDLIB_BUILDER_FRAME_H_

#include <functional>
#include <string>
#include <vector>

#include "buildlib/chunk_archive.h"
#include "buildlib/table_file.h"

namespace buildlib {

struct BuilderBanner {
  const char* title;                  // e.g. "Levers database builder.\n"
  std::vector<const char*> credits;   // each ending in "\n"
  const char* program;                // the program's file name, e.g. "switchbake"
};

// The exit status for a wrong command line (255 as a process status).
constexpr int kUsageStatus = -1;
// The exit status when the database could not be written.
constexpr int kSaveFailedStatus = 1;

// Runs a builder: checks the command line, calls `build_tables` and then
// builder.Save. Returns the process exit status.
int RunBuilder(int argc, char** argv, const BuilderBanner& banner, TableFile& builder,
               const std::function<void()>& build_tables);

// The output directory as the builders use it: ending in '/'.
std::string OutputDirectory(const std::string& argument);

// Prints "Saving database.\n", lets `write_lists` serialise the lists into a
// version-1 archive and writes it to output_directory + file_name.
// 1 on success; 0 after reporting why the file could not be written.
int SaveDatabase(const std::string& output_directory, const char* file_name,
                 const std::function<void(ChunkArchive&)>& write_lists);

// Reads a database held in memory: `read_lists` serialises its lists with the
// archive in reading mode (missing lists stay as they were).
void ReadDatabase(const std::string& bytes, const std::function<void(ChunkArchive&)>& read_lists);

}  // namespace buildlib

#endif  // BAKE_BUILDLIB_BUILDER_FRAME_H_
