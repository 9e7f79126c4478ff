// Starting a helper program and waiting for it.
//
// The builders start the converter as a child process with no console of its
// own: its standard output and standard error are discarded, and the builder
// waits for it without a time limit.
#ifndef BAKE_PLATFORM_PROCESS_H_
#define BAKE_PLATFORM_PROCESS_H_

#include <cstddef>
#include <string>
#include <vector>

namespace platform {

struct ProcessResult {
  enum class Outcome {
    kExited,      // ended normally; exit_code holds its status
    kSignaled,    // ended by a signal; signal holds it
    kNotStarted,  // could not be started; error holds errno
  };
  Outcome outcome = Outcome::kNotStarted;
  int exit_code = 0;
  int signal = 0;
  int error = 0;
};

// Runs `program` (a path) with `args` in the current directory and waits
// until it ends. Its standard output is discarded; its standard error is
// kept in `error_output` (up to kMaxErrorOutput bytes) when that is given,
// else discarded.
constexpr size_t kMaxErrorOutput = 4096;
ProcessResult RunHidden(const std::string& program, const std::vector<std::string>& args,
                        std::string* error_output = nullptr);

// The directory that holds the running program, with a trailing '/', or an
// empty text when it cannot be found.
std::string OwnDirectory();

// Finds a program by file name: first in the running program's own directory,
// then in each directory of PATH (an empty PATH entry is skipped, so the
// current directory is never searched implicitly). Empty when not found.
std::string FindProgram(const std::string& name);

}  // namespace platform

#endif  // BAKE_PLATFORM_PROCESS_H_
