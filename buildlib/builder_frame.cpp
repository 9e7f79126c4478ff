#include "buildlib/builder_frame.h"

#include <cstdio>

#include "platform/console.h"
#include "platform/output_file.h"

namespace buildlib {

namespace {

void PrintBanner(const BuilderBanner& banner) {
  std::printf("%s", banner.title);
  for (const char* credit : banner.credits) std::printf("%s", credit);
  std::printf("\tUsage:\n");
  std::printf("\t  %s <output path>\n", banner.program);
}

}  // namespace

std::string OutputDirectory(const std::string& argument) {
  std::string directory = argument;
  if (!directory.empty() && directory.back() == '\\') directory.back() = '/';
  if (directory.empty() || directory.back() != '/') directory += '/';
  return directory;
}

int RunBuilder(int argc, char** argv, const BuilderBanner& banner, TableFile& builder,
               const std::function<void()>& build_tables) {
  if (argc != 2) {
    PrintBanner(banner);
    return kUsageStatus;
  }
  std::string argument = argv[1];
  if (argument.empty()) {
    PrintBanner(banner);
    platform::WriteError("ERROR: The output path is empty: name the directory for the database.\n");
    return kUsageStatus;
  }
  build_tables();
  return builder.Save(OutputDirectory(argument)) ? 0 : kSaveFailedStatus;
}

int SaveDatabase(const std::string& output_directory, const char* file_name,
                 const std::function<void(ChunkArchive&)>& write_lists) {
  std::printf("Saving database.\n");
  MemoryStream bytes;
  ChunkArchive archive;
  archive.Open(bytes, /*reading=*/false, /*version=*/1);
  write_lists(archive);
  archive.Close(bytes);

  const std::string path = output_directory + file_name;
  platform::OutputFile file;
  if (file.Create(path) && file.Write(bytes.data(), bytes.GetSize()) && file.Commit()) return 1;
  platform::WriteError("ERROR: Can't write the database \"" + path + "\": " + file.ErrorText() +
                       ".\n");
  return 0;
}

void ReadDatabase(const std::string& bytes, const std::function<void(ChunkArchive&)>& read_lists) {
  MemoryStream stream;
  stream.Write(bytes.data(), static_cast<uint32_t>(bytes.size()));
  ChunkArchive archive;
  archive.Open(stream, /*reading=*/true, /*version=*/1);
  read_lists(archive);
  archive.Close(stream);
}

}  // namespace buildlib
