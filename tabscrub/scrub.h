// Cleaning one file in place: the steps of a tabscrub run after the command line.
//
// The order of the steps decides what a failure leaves on disk, so it is kept
// exactly: check the input (it must exist and not be empty), delete any old
// backup, rename the input to "<input>.bak", reopen it there, note its times,
// create a new file at the input path, copy the backup into it in blocks of
// 100 bytes without quotation marks, give the new file the noted times, and
// delete the backup when asked. The first failure ends the run and what was
// done stays done:
//   input missing, unreadable, empty, or path too long: nothing changed;
//   old backup cannot be deleted: nothing changed;
//   rename fails: the old backup is gone, the input is unchanged;
//   backup cannot be reopened or timed, new file cannot be created: the
//     content is only in the backup, nothing at the input path;
//   read or write fails: the backup is complete, the input path holds the
//     part written so far;
//   times cannot be set: both files complete, the new file has the time of
//     the rewrite.
// The backup is deleted only after the new file is complete and closed, so the
// content always exists in at least one whole file.
#ifndef BAKE_TABSCRUB_SCRUB_H_
#define BAKE_TABSCRUB_SCRUB_H_

#include <cstddef>
#include <string>

namespace tabscrub {

// Longest input path accepted, in bytes: with ".bak" and a terminator the
// backup name must fit in 260 characters, the path limit of the desktop build,
// so a table cleaned here can be cleaned there too.
inline constexpr size_t kMaxInputPathLength = 255;
// The copy reads the backup in blocks of this many bytes.
inline constexpr size_t kBlockSize = 100;
// Appended to the input path to name the backup.
inline constexpr char kBackupSuffix[] = ".bak";

struct ScrubResult {
  enum class Outcome {
    kDone,        // the file was rewritten
    kEmptyInput,  // the input holds no bytes; nothing was changed
    kFailed,      // a step failed; `message` names it
  };
  Outcome outcome = Outcome::kDone;
  // For kFailed: the text for the user, ending in a line feed. For
  // kEmptyInput: the notice "File "<input>" is empty.", without a line feed.
  std::string message;
};

// Removes every quotation mark from the file at `input`, keeping the previous
// content as `input` + ".bak" unless `delete_backup`, and gives the rewritten
// file the access and modification times the file had before.
ScrubResult ScrubFile(const std::string& input, bool delete_backup);

}  // namespace tabscrub

#endif  // BAKE_TABSCRUB_SCRUB_H_
