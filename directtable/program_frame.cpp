#include "directtable/program_frame.h"

#include <cassert>
#include <cstdio>
#include <string>

#include "directtable/console_output.h"
#include "directtable/database_file.h"
#include "directtable/mapped_input.h"
#include "platform/console.h"

namespace directtable {

namespace {

// Left behind empty in the current directory after a run that got as far as
// saving, whether the save succeeded or not.
constexpr char kTempRegistryFile[] = "tempreg.reg";

void PrintBanner(const ProgramInfo& program) {
  PrintLine(program.title);
  PrintLine("  Part of the bake toolkit, which compiles the game's design tables.");
  PrintLine("  Reads its tables from the current directory by their fixed names.");
  PrintLine("        Usage:");
  PrintLine(std::string("          ") + program.program_name + " <output path>");
}

void CreateEmptyTempRegistry() {
  // Not being able to leave this marker is not worth a message.
  if (std::FILE* file = std::fopen(kTempRegistryFile, "w")) std::fclose(file);
}

// Prints "Saving database.", assembles and writes the file. False after
// printing why it could not be written.
bool SaveDatabase(const ProgramInfo& program, const std::string& output_dir, Database* database) {
  PrintLine("Saving database.");
  ChunkBuffer main_payload;
  database->WriteMainPayload(&main_payload);
  // A chunk over 2 GiB has no length field; writing the rest would give a
  // damaged file.
  if (main_payload.too_large()) {
    PrintLine(std::string("Could not save ") + program.database_file +
              ": a chunk would be over 2 GiB, more than a chunk length can hold.");
    return false;
  }
  ChunkBuffer file;
  AssembleDatabaseFile(main_payload, &file);
  std::string error;
  if (!SaveToFile(file, DatabasePath(output_dir, program.database_file), &error)) {
    PrintLine("Could not open source file: " + error);
    return false;
  }
  return true;
}

}  // namespace

int RunProgram(int argc, const char* const* argv, const ProgramInfo& program, Database* database) {
  assert(database != nullptr);
  if (argc != 2) {
    PrintBanner(program);
    return kExitSuccess;
  }
  const std::string output_dir = argv[1];
  if (output_dir.empty()) {
    // An empty directory would otherwise mean the filesystem root.
    PrintBanner(program);
    platform::WriteError(std::string("The output path is empty: name the directory that is to receive ") +
                         program.database_file + ".\n");
    return kExitFailure;
  }

  std::vector<MappedInput> inputs = MapInputs(program.check_order);
  if (!CheckInputs(inputs)) return kExitSuccess;

  EndLine();
  for (const TableStep& step : program.build_order) {
    const MappedInput* input = FindInput(inputs, step.file_name);
    assert(input != nullptr && "every table of the build order is checked");
    PrintText(std::string("Building ") + step.file_name + ":");
    TableText text = input->Text();
    if (!database->ParseTable(step, &text)) {
      std::fflush(stdout);
      return kExitFailure;
    }
    EndLine();
  }

  bool saved = SaveDatabase(program, output_dir, database);
  CreateEmptyTempRegistry();
  return saved ? kExitSuccess : kExitFailure;
}

}  // namespace directtable
