#include "tabscrub/scrub.h"

#include <cerrno>
#include <cstdint>
#include <initializer_list>
#include <string_view>

#include "platform/file_times.h"
#include "tabscrub/quote_filter.h"
#include "tabscrub/system_file.h"

namespace tabscrub {
namespace {

// The messages users know from the desktop build. Each "%s" takes one path in
// order; a failure appends kFailureSuffix and the system's error code.
constexpr char kOpenInputFailed[] = "Could not open input file: \"%s\"\nCreateFile";
constexpr char kSizeFailed[] = "Could not get input file size, GetFileSize";
constexpr char kInputEmpty[] = "File \"%s\" is empty.";
constexpr char kDeleteBackupFailed[] = "Could not delete back file \"%s\" \nDeleteFile";
constexpr char kMoveFailed[] = "Could not move file \"%s\" to \"%s\"\nMoveFile";
constexpr char kGetTimesFailed[] = "Could not get file time from: \"%s\"\nGetFileTime";
constexpr char kOpenOutputFailed[] = "Could not open output file: \"%s\"\nCreateFile";
constexpr char kReadFailed[] = "Could not read input file: \"%s\"\nReadFile";
constexpr char kWriteFailed[] = "Could not write output file: \"%s\"\nWriteFile";
constexpr char kSetTimesFailed[] = "Could not set file time for: \"%s\"\nSetFileTime";
constexpr char kPathTooLong[] = "Input file path is longer than %s characters: \"%s\"";
constexpr char kFailureSuffix[] = " failed: GetLastError returned ";

// Replaces each "%s" of `format` by the next of `args`.
std::string Format(std::string_view format, std::initializer_list<std::string_view> args) {
  std::string text;
  auto arg = args.begin();
  for (size_t i = 0; i < format.size(); ++i) {
    if (format[i] == '%' && i + 1 < format.size() && format[i + 1] == 's' && arg != args.end()) {
      text.append(*arg++);
      ++i;
    } else {
      text.push_back(format[i]);
    }
  }
  return text;
}

ScrubResult Refused(ScrubResult::Outcome outcome, std::string text) {
  text.push_back('\n');
  return ScrubResult{outcome, std::move(text)};
}

ScrubResult Failed(std::string_view format, std::initializer_list<std::string_view> args,
                   int error) {
  return Refused(ScrubResult::Outcome::kFailed,
                 Format(format, args) + kFailureSuffix + std::to_string(error));
}

}  // namespace

ScrubResult ScrubFile(const std::string& input, bool delete_backup) {
  if (input.size() > kMaxInputPathLength) {
    return Refused(ScrubResult::Outcome::kFailed,
                   Format(kPathTooLong, {std::to_string(kMaxInputPathLength), input}));
  }

  // The input must exist and hold something before anything on disk changes.
  {
    SystemFile file;
    if (int error = file.OpenForReading(input)) return Failed(kOpenInputFailed, {input}, error);
    uint64_t size = 0;
    if (int error = file.Size(&size)) return Failed(kSizeFailed, {}, error);
    // The notice is shown as it stands: unlike the error texts it has no line
    // feed of its own.
    if (size == 0) return ScrubResult{ScrubResult::Outcome::kEmptyInput, Format(kInputEmpty, {input})};
  }

  const std::string backup = input + kBackupSuffix;
  if (int error = DeleteFile(backup); error != 0 && error != ENOENT) {
    return Failed(kDeleteBackupFailed, {backup}, error);
  }
  if (int error = MoveFile(input, backup)) return Failed(kMoveFailed, {input, backup}, error);

  {
    SystemFile source;
    if (int error = source.OpenForReading(backup)) {
      return Failed(kOpenInputFailed, {backup}, error);
    }
    platform::FileTimes times;
    if (int error = source.ReadTimes(&times)) return Failed(kGetTimesFailed, {input}, error);
    SystemFile target;
    if (int error = target.Create(input)) return Failed(kOpenOutputFailed, {input}, error);

    char block[kBlockSize];
    for (;;) {
      size_t read = 0;
      if (int error = source.ReadBlock(block, kBlockSize, &read)) {
        return Failed(kReadFailed, {backup}, error);
      }
      size_t kept = StripQuotes(block, read, block);
      if (int error = target.WriteAll(block, kept)) {
        return Failed(kWriteFailed, {input}, error);
      }
      if (read < kBlockSize) break;
    }
    if (int error = target.WriteTimes(times)) return Failed(kSetTimesFailed, {input}, error);
    // The backup may be deleted next, so a write the system reports only on
    // closing must stop the run while the backup is still there.
    if (int error = target.Close()) return Failed(kWriteFailed, {input}, error);
  }

  // A failure to remove the backup costs nothing: the cleaned file is complete.
  if (delete_backup) DeleteFile(backup);
  return ScrubResult{};
}

}  // namespace tabscrub
