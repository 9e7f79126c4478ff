// Test helper: runs a program under conditions the tests cannot create
// otherwise, even when they run as root.
//
//   tabscrub_limited_run [--fsize BYTES] [--nofile COUNT] [--unprivileged] -- PROGRAM ARGS...
//
// --fsize limits the size of files the program may write (writes beyond it fail
// with EFBIG instead of raising SIGXFSZ); --nofile limits its open descriptors,
// counting standard input, output and error; --unprivileged drops root to the
// "nobody" user so that permission checks apply. Every descriptor above
// standard error is closed first so that --nofile counts only the program's own.
// Exit status 125 means the conditions could not be set up.
#include <grp.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr int kSetupFailed = 125;
constexpr uid_t kNobody = 65534;

int Fail(const char* what) {
  std::fprintf(stderr, "tabscrub_limited_run: %s: %s\n", what, std::strerror(errno));
  return kSetupFailed;
}

bool SetLimit(int resource, const char* value) {
  rlim_t limit = std::strtoull(value, nullptr, 10);
  rlimit both{limit, limit};
  return ::setrlimit(resource, &both) == 0;
}

}  // namespace

int main(int argc, char** argv) {
  int i = 1;
  const char* fsize = nullptr;
  const char* nofile = nullptr;
  bool unprivileged = false;
  for (; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
    if (std::strcmp(argv[i], "--fsize") == 0 && i + 1 < argc) {
      fsize = argv[++i];
    } else if (std::strcmp(argv[i], "--nofile") == 0 && i + 1 < argc) {
      nofile = argv[++i];
    } else if (std::strcmp(argv[i], "--unprivileged") == 0) {
      unprivileged = true;
    } else {
      std::fprintf(stderr, "tabscrub_limited_run: unknown option %s\n", argv[i]);
      return kSetupFailed;
    }
  }
  if (i + 1 >= argc) {
    std::fprintf(stderr, "tabscrub_limited_run: no program given\n");
    return kSetupFailed;
  }
  char** program = argv + i + 1;

  if (::close_range(3, ~0u, 0) != 0) return Fail("close_range");
  if (fsize) {
    std::signal(SIGXFSZ, SIG_IGN);  // stays ignored across exec
    if (!SetLimit(RLIMIT_FSIZE, fsize)) return Fail("setrlimit RLIMIT_FSIZE");
  }
  if (nofile && !SetLimit(RLIMIT_NOFILE, nofile)) return Fail("setrlimit RLIMIT_NOFILE");
  if (unprivileged && ::geteuid() == 0) {
    if (::setgroups(0, nullptr) != 0) return Fail("setgroups");
    if (::setgid(kNobody) != 0) return Fail("setgid");
    if (::setuid(kNobody) != 0) return Fail("setuid");
  }
  ::execv(program[0], program);
  return Fail("execv");
}
