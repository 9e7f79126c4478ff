#include "platform/process.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace platform {

namespace {

bool IsExecutableFile(const std::string& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
         ::access(path.c_str(), X_OK) == 0;
}

}  // namespace

ProcessResult RunHidden(const std::string& program, const std::vector<std::string>& args,
                        std::string* error_output) {
  ProcessResult result;
  if (error_output != nullptr) error_output->clear();
  // The child's standard error goes to an unnamed temporary file, read back
  // once it has ended (a pipe could fill up and stall it).
  std::FILE* error_file = error_output != nullptr ? std::tmpfile() : nullptr;
  std::vector<std::string> owned;
  owned.reserve(args.size() + 1);
  owned.push_back(program);
  owned.insert(owned.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& a : owned) argv.push_back(a.data());
  argv.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  if (error_file != nullptr) {
    posix_spawn_file_actions_adddup2(&actions, fileno(error_file), STDERR_FILENO);
  } else {
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  }

  // Output already buffered must not be duplicated into the child.
  std::fflush(nullptr);
  pid_t pid = 0;
  int rc = ::posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  int status = 0;
  int wait_error = 0;
  if (rc == 0) {
    while (::waitpid(pid, &status, 0) < 0) {
      if (errno != EINTR) {
        wait_error = errno;
        break;
      }
    }
  }
  if (error_file != nullptr) {
    std::rewind(error_file);
    char buffer[kMaxErrorOutput];
    size_t n = std::fread(buffer, 1, sizeof buffer, error_file);
    error_output->assign(buffer, n);
    std::fclose(error_file);
  }
  if (rc != 0 || wait_error != 0) {
    result.outcome = ProcessResult::Outcome::kNotStarted;
    result.error = rc != 0 ? rc : wait_error;
    return result;
  }
  if (WIFEXITED(status)) {
    result.outcome = ProcessResult::Outcome::kExited;
    result.exit_code = WEXITSTATUS(status);
    // posix_spawn reports a failed exec as exit status 127 of the child.
  } else if (WIFSIGNALED(status)) {
    result.outcome = ProcessResult::Outcome::kSignaled;
    result.signal = WTERMSIG(status);
  }
  return result;
}

std::string OwnDirectory() {
  std::string buffer(PATH_MAX, '\0');
  ssize_t n = ::readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
  if (n <= 0) return std::string();
  buffer.resize(static_cast<size_t>(n));
  size_t slash = buffer.rfind('/');
  if (slash == std::string::npos) return std::string();
  return buffer.substr(0, slash + 1);
}

std::string FindProgram(const std::string& name) {
  std::string own = OwnDirectory();
  if (!own.empty() && IsExecutableFile(own + name)) return own + name;
  const char* path = std::getenv("PATH");
  if (path == nullptr) return std::string();
  std::string dirs(path);
  size_t start = 0;
  while (start <= dirs.size()) {
    size_t end = dirs.find(':', start);
    if (end == std::string::npos) end = dirs.size();
    std::string dir = dirs.substr(start, end - start);
    if (!dir.empty()) {
      if (dir.back() != '/') dir += '/';
      if (IsExecutableFile(dir + name)) return dir + name;
    }
    start = end + 1;
  }
  return std::string();
}

}  // namespace platform
