// End-to-end tests: tabscrub is run on files in a temporary directory and the
// bytes, names and times left on disk are checked, for successful runs and for
// every failure that can be brought about from outside the program.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <string>
#include <vector>

#include "testsupport/test_support.h"

namespace {

using testsupport::ListDir;
using testsupport::ReadFile;
using testsupport::RunResult;
using testsupport::TempDir;
using testsupport::WriteFile;
using Names = std::vector<std::string>;

// Exit status of the limited runner when it could not set up its conditions.
constexpr int kRunnerSetupFailed = 125;
constexpr uid_t kNobody = 65534;

RunResult Scrub(const std::string& cwd, const std::vector<std::string>& args) {
  return testsupport::Run(testsupport::ProgramPath("tabscrub"), args, cwd);
}

// Runs tabscrub through the limited runner; `limits` are the runner's options.
RunResult ScrubLimited(const std::string& cwd, std::vector<std::string> limits,
                       const std::vector<std::string>& args) {
  limits.push_back("--");
  limits.push_back(testsupport::ProgramPath("tabscrub"));
  limits.insert(limits.end(), args.begin(), args.end());
  return testsupport::Run(TABSCRUB_LIMITED_RUN, limits, cwd);
}

std::string WithoutQuotes(std::string text) {
  std::erase(text, '"');
  return text;
}

// `size` bytes covering every byte value, with a quotation mark at every
// seventh place and at both ends of each 100-byte block.
std::string Table(size_t size) {
  std::string text(size, '\0');
  for (size_t i = 0; i < size; ++i) {
    bool quote = i % 7 == 0 || i % 100 == 0 || i % 100 == 99;
    text[i] = quote ? '"' : static_cast<char>((i * 37 + 11) % 256);
  }
  return text;
}

std::string Missing(const std::string& path) {
  return "Could not open input file: \"" + path +
         "\"\nCreateFile failed: GetLastError returned 2\n";
}

void SetTimes(const std::string& path, timespec access, timespec modification) {
  const timespec times[2] = {access, modification};
  ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
}

struct stat Stat(const std::string& path) {
  struct stat st {};
  EXPECT_EQ(::stat(path.c_str(), &st), 0) << path;
  return st;
}

bool IsRoot() { return ::geteuid() == 0; }

// A refused or failed run: exit status 1, nothing on standard output and
// `message` on standard error.
void ExpectFailure(const RunResult& run, const std::string& message) {
  EXPECT_EQ(run.exit_status, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, message);
}

TEST(TabscrubTest, BannerWithoutArguments) {
  TempDir dir;
  RunResult run = Scrub(dir.path(), {});
  EXPECT_EQ(run.exit_status, 0);
  EXPECT_EQ(run.err, "");
  ASSERT_FALSE(run.out.empty());
  ASSERT_EQ(run.out.back(), '\n');

  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t end; (end = run.out.find('\n', start)) != std::string::npos; start = end + 1) {
    lines.push_back(run.out.substr(start, end - start));
  }
  ASSERT_EQ(lines.size(), 8u) << run.out;
  EXPECT_EQ(lines[0].size(), 79u) << lines[0];
  EXPECT_TRUE(lines[0].starts_with("tabscrub")) << lines[0];
  EXPECT_TRUE(lines[0].ends_with(" v 1.2")) << lines[0];
  for (int i = 1; i <= 3; ++i) {
    EXPECT_TRUE(lines[i].size() > 1 && lines[i][0] == ' ' && lines[i][1] != ' ') << lines[i];
    EXPECT_LE(lines[i].size(), 79u) << lines[i];
  }
  EXPECT_EQ(lines[4], "");
  EXPECT_EQ(lines[5], "Usage:");
  EXPECT_EQ(lines[6], "tabscrub[.exe] <input file> [-nobak]");
  EXPECT_EQ(lines[7], "");
  EXPECT_EQ(ListDir(dir.path()), Names{});
}

TEST(TabscrubTest, RemovesQuotesAndKeepsEveryOtherByte) {
  TempDir dir;
  const std::string before =
      "\"Name\"\t\"Text\"\r\n"
      "\"a\"\t\"say \"\"hi\"\"\"\r\n"
      "\xE9t\xE9\t\x80\xFF\x00\x22\x01\n"
      "\t\t\r\n";
  const std::string after =
      "Name\tText\r\n"
      "a\tsay hi\r\n"
      "\xE9t\xE9\t\x80\xFF\x00\x01\n"
      "\t\t\r\n";
  WriteFile(dir.File("t.txt"), std::string(before.data(), before.size()));
  RunResult run = Scrub(dir.path(), {"t.txt"});
  EXPECT_EQ(run.exit_status, 0) << run.err;
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(testsupport::Hex(ReadFile(dir.File("t.txt"))), testsupport::Hex(after));
  EXPECT_EQ(ReadFile(dir.File("t.txt.bak")), before);
  EXPECT_EQ(ListDir(dir.path()), (Names{"t.txt", "t.txt.bak"}));
}

TEST(TabscrubTest, FilesAroundTheBlockSize) {
  for (size_t size : {1, 99, 100, 101, 199, 200, 250, 300, 1000, 4099}) {
    TempDir dir;
    const std::string before = Table(size);
    WriteFile(dir.File("t.txt"), before);
    RunResult run = Scrub(dir.path(), {"t.txt"});
    EXPECT_EQ(run.exit_status, 0) << size << ": " << run.err;
    EXPECT_EQ(ReadFile(dir.File("t.txt")), WithoutQuotes(before)) << size;
    EXPECT_EQ(ReadFile(dir.File("t.txt.bak")), before) << size;
  }
}

TEST(TabscrubTest, FileWithoutQuotesIsRewrittenByteForByte) {
  for (size_t size : {100, 250, 300}) {
    TempDir dir;
    std::string before = WithoutQuotes(Table(size * 2)).substr(0, size);
    WriteFile(dir.File("t.txt"), before);
    RunResult run = Scrub(dir.path(), {"t.txt"});
    EXPECT_EQ(run.exit_status, 0) << run.err;
    EXPECT_EQ(ReadFile(dir.File("t.txt")), before) << size;
    EXPECT_EQ(ReadFile(dir.File("t.txt.bak")), before) << size;
  }
}

TEST(TabscrubTest, FileOfOnlyQuotesBecomesEmpty) {
  TempDir dir;
  const std::string quotes(250, '"');
  WriteFile(dir.File("q.txt"), quotes);
  RunResult run = Scrub(dir.path(), {"q.txt"});
  EXPECT_EQ(run.exit_status, 0) << run.err;
  EXPECT_TRUE(testsupport::FileExists(dir.File("q.txt")));
  EXPECT_EQ(ReadFile(dir.File("q.txt")), "");
  EXPECT_EQ(ReadFile(dir.File("q.txt.bak")), quotes);
}

TEST(TabscrubTest, BackupIsKeptUnlessTheOptionIsTheLastOfTwoArguments) {
  struct Case {
    std::vector<std::string> options;
    bool backup_kept;
  };
  const Case cases[] = {
      {{}, true},
      {{"-nobak"}, false},
      {{"-NOBAK"}, false},
      {{"-bak"}, false},
      {{"-keep"}, true},
      {{"-nobak", "extra"}, true},
      {{"extra", "-nobak"}, true},
  };
  for (const Case& c : cases) {
    TempDir dir;
    WriteFile(dir.File("t.txt"), "\"x\"\t1\r\n");
    std::vector<std::string> args{"t.txt"};
    args.insert(args.end(), c.options.begin(), c.options.end());
    RunResult run = Scrub(dir.path(), args);
    std::string shown = c.options.empty() ? "(none)" : c.options[0];
    EXPECT_EQ(run.exit_status, 0) << shown << ": " << run.err;
    EXPECT_EQ(ReadFile(dir.File("t.txt")), "x\t1\r\n") << shown;
    const Names expected = c.backup_kept ? Names{"t.txt", "t.txt.bak"} : Names{"t.txt"};
    EXPECT_EQ(ListDir(dir.path()), expected) << shown;
  }
}

TEST(TabscrubTest, RewrittenFileKeepsAccessAndModificationTimes) {
  for (bool nobak : {false, true}) {
    TempDir dir;
    const std::string path = dir.File("t.txt");
    WriteFile(path, Table(250));
    const timespec access{1000000000, 123456789};
    const timespec modification{1100000000, 987654321};
    SetTimes(path, access, modification);
    RunResult run = Scrub(dir.path(), nobak ? Names{"t.txt", "-nobak"} : Names{"t.txt"});
    ASSERT_EQ(run.exit_status, 0) << run.err;
    struct stat st = Stat(path);
    EXPECT_EQ(st.st_atim.tv_sec, access.tv_sec);
    EXPECT_EQ(st.st_atim.tv_nsec, access.tv_nsec);
    EXPECT_EQ(st.st_mtim.tv_sec, modification.tv_sec);
    EXPECT_EQ(st.st_mtim.tv_nsec, modification.tv_nsec);
    EXPECT_EQ(st.st_size, static_cast<off_t>(WithoutQuotes(Table(250)).size()));
  }
}

TEST(TabscrubTest, SecondRunBacksUpTheFirstRunsOutput) {
  TempDir dir;
  const std::string original = "\"a\"\t\"b\"\n";
  WriteFile(dir.File("t.txt"), original);
  ASSERT_EQ(Scrub(dir.path(), {"t.txt"}).exit_status, 0);
  EXPECT_EQ(ReadFile(dir.File("t.txt.bak")), original);
  RunResult second = Scrub(dir.path(), {"t.txt"});
  EXPECT_EQ(second.exit_status, 0) << second.err;
  EXPECT_EQ(ReadFile(dir.File("t.txt")), "a\tb\n");
  EXPECT_EQ(ReadFile(dir.File("t.txt.bak")), "a\tb\n");
}

TEST(TabscrubTest, EmptyFileIsReportedAndNothingChanges) {
  TempDir dir;
  WriteFile(dir.File("empty.txt"), "");
  RunResult run = Scrub(dir.path(), {"empty.txt"});
  // The notice stands as the desktop build shows it, without a line feed.
  ExpectFailure(run, "File \"empty.txt\" is empty.");
  EXPECT_EQ(ListDir(dir.path()), Names{"empty.txt"});

  // An older backup is not touched either: the check comes before any change.
  WriteFile(dir.File("empty.txt.bak"), "old");
  EXPECT_EQ(Scrub(dir.path(), {"empty.txt", "-nobak"}).exit_status, 1);
  EXPECT_EQ(ReadFile(dir.File("empty.txt.bak")), "old");
}

TEST(TabscrubTest, MissingFileIsReportedWithTheSystemCode) {
  TempDir dir;
  WriteFile(dir.File("absent.txt.bak"), "old");
  RunResult run = Scrub(dir.path(), {"absent.txt"});
  ExpectFailure(run, Missing("absent.txt"));
  EXPECT_EQ(ListDir(dir.path()), Names{"absent.txt.bak"});
  EXPECT_EQ(ReadFile(dir.File("absent.txt.bak")), "old");

  RunResult in_missing_dir = Scrub(dir.path(), {"nowhere/t.txt"});
  ExpectFailure(in_missing_dir, Missing("nowhere/t.txt"));
}

TEST(TabscrubTest, DirectoryAsInputIsRefusedUntouched) {
  TempDir dir;
  ASSERT_EQ(::mkdir(dir.File("sub").c_str(), 0755), 0);
  WriteFile(dir.File("sub/t.txt"), "\"x\"");
  RunResult run = Scrub(dir.path(), {"sub"});
  ExpectFailure(
      run, "Could not open input file: \"sub\"\nCreateFile failed: GetLastError returned 21\n");
  EXPECT_EQ(ListDir(dir.path()), Names{"sub"});
  EXPECT_EQ(ReadFile(dir.File("sub/t.txt")), "\"x\"");
}

TEST(TabscrubTest, InputPathOfAtMost255Characters) {
  TempDir dir;
  const std::string nest = std::string(100, 'd') + "/" + std::string(100, 'e');
  ASSERT_EQ(::mkdir(dir.File(nest.substr(0, 100)).c_str(), 0755), 0);
  ASSERT_EQ(::mkdir(dir.File(nest).c_str(), 0755), 0);
  const std::string longest = nest + "/" + std::string(53, 'f');
  const std::string too_long = nest + "/" + std::string(54, 'g');
  ASSERT_EQ(longest.size(), 255u);
  ASSERT_EQ(too_long.size(), 256u);
  WriteFile(dir.File(longest), "\"1\"");
  WriteFile(dir.File(too_long), "\"2\"");

  RunResult refused = Scrub(dir.path(), {too_long});
  ExpectFailure(refused, "Input file path is longer than 255 characters: \"" + too_long + "\"\n");
  EXPECT_EQ(ReadFile(dir.File(too_long)), "\"2\"");

  RunResult accepted = Scrub(dir.path(), {longest});
  EXPECT_EQ(accepted.exit_status, 0) << accepted.err;
  EXPECT_EQ(ReadFile(dir.File(longest)), "1");
  EXPECT_EQ(ListDir(dir.File(nest)),
            (Names{std::string(53, 'f'), std::string(53, 'f') + ".bak", std::string(54, 'g')}));
}

// --- Failures part-way: what each leaves on disk --------------------------

TEST(TabscrubFailureTest, BackupThatCannotBeDeletedChangesNothing) {
  TempDir dir;
  WriteFile(dir.File("t.txt"), "\"x\"");
  ASSERT_EQ(::mkdir(dir.File("t.txt.bak").c_str(), 0755), 0);
  WriteFile(dir.File("t.txt.bak/keep"), "k");
  RunResult run = Scrub(dir.path(), {"t.txt"});
  ExpectFailure(run,
                "Could not delete back file \"t.txt.bak\" \n"
                "DeleteFile failed: GetLastError returned 21\n");
  EXPECT_EQ(ReadFile(dir.File("t.txt")), "\"x\"");
  EXPECT_EQ(ReadFile(dir.File("t.txt.bak/keep")), "k");
}

// Permission checks do not apply to root, so these tests drop to "nobody" when
// run as root. The working directory is prepared so that user can reach it.
class UnprivilegedTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(::mkdir(work_.c_str(), 0755), 0);
    // The program itself must be reachable for that user: the banner shows it is.
    RunResult probe = Run({});
    if (probe.exit_status != 0) {
      GTEST_SKIP() << "tabscrub cannot be run as an unprivileged user here (exit status "
                   << probe.exit_status << "): " << probe.err;
    }
  }
  RunResult Run(const std::vector<std::string>& args) {
    return ScrubLimited(work_, {"--unprivileged"}, args);
  }
  std::string File(const std::string& name) const { return work_ + "/" + name; }

  TempDir dir_;
  std::string work_ = dir_.File("work");
};

TEST_F(UnprivilegedTest, UnreadableInputChangesNothing) {
  WriteFile(File("t.txt"), "\"x\"");
  ASSERT_EQ(::chmod(File("t.txt").c_str(), 0200), 0);
  RunResult run = Run({"t.txt"});
  ExpectFailure(
      run, "Could not open input file: \"t.txt\"\nCreateFile failed: GetLastError returned 13\n");
  EXPECT_EQ(ListDir(work_), Names{"t.txt"});
  ASSERT_EQ(::chmod(File("t.txt").c_str(), 0644), 0);  // so that a non-root test can look
  EXPECT_EQ(ReadFile(File("t.txt")), "\"x\"");
}

TEST_F(UnprivilegedTest, ReadOnlyDirectoryChangesNothing) {
  WriteFile(File("t.txt"), "\"x\"");
  ASSERT_EQ(::chmod(work_.c_str(), 0555), 0);
  RunResult run = Run({"t.txt"});
  ExpectFailure(run,
                "Could not move file \"t.txt\" to \"t.txt.bak\"\n"
                "MoveFile failed: GetLastError returned 13\n");
  EXPECT_EQ(ListDir(work_), Names{"t.txt"});
  EXPECT_EQ(ReadFile(File("t.txt")), "\"x\"");

  // With an older backup there, its deletion is what fails.
  ASSERT_EQ(::chmod(work_.c_str(), 0755), 0);
  WriteFile(File("t.txt.bak"), "old");
  ASSERT_EQ(::chmod(work_.c_str(), 0555), 0);
  run = Run({"t.txt"});
  ExpectFailure(run,
                "Could not delete back file \"t.txt.bak\" \n"
                "DeleteFile failed: GetLastError returned 13\n");
  EXPECT_EQ(ReadFile(File("t.txt")), "\"x\"");
  EXPECT_EQ(ReadFile(File("t.txt.bak")), "old");
}

TEST_F(UnprivilegedTest, FailedRenameLeavesTheOldBackupDeletedAndTheInputUnchanged) {
  if (!IsRoot()) GTEST_SKIP() << "needs root to give the input and the backup different owners";
  // In a sticky directory the user may delete its own old backup but may not
  // rename root's input.
  ASSERT_EQ(::chmod(work_.c_str(), 01777), 0);
  WriteFile(File("t.txt"), "\"x\"");
  WriteFile(File("t.txt.bak"), "old");
  ASSERT_EQ(::chown(File("t.txt.bak").c_str(), kNobody, kNobody), 0);
  RunResult run = Run({"t.txt"});
  ExpectFailure(run,
                "Could not move file \"t.txt\" to \"t.txt.bak\"\n"
                "MoveFile failed: GetLastError returned 1\n");
  EXPECT_EQ(ListDir(work_), Names{"t.txt"});
  EXPECT_EQ(ReadFile(File("t.txt")), "\"x\"");
}

TEST(TabscrubFailureTest, OutputThatCannotBeCreatedLeavesTheContentOnlyInTheBackup) {
  TempDir dir;
  const std::string before = Table(300);
  WriteFile(dir.File("t.txt"), before);
  WriteFile(dir.File("t.txt.bak"), "old");
  // Standard input, output, error and the reopened backup use up four
  // descriptors, so creating the new file is the first open that fails.
  RunResult run = ScrubLimited(dir.path(), {"--nofile", "4"}, {"t.txt", "-nobak"});
  ASSERT_NE(run.exit_status, kRunnerSetupFailed) << run.err;
  ExpectFailure(run,
                "Could not open output file: \"t.txt\"\n"
                "CreateFile failed: GetLastError returned 24\n");
  EXPECT_EQ(ListDir(dir.path()), Names{"t.txt.bak"});
  EXPECT_EQ(ReadFile(dir.File("t.txt.bak")), before);
}

TEST(TabscrubFailureTest, WriteFailureLeavesACompleteBackupAndThePartWritten) {
  TempDir dir;
  const std::string before = Table(1000);
  const std::string after = WithoutQuotes(before);
  ASSERT_GT(after.size(), 512u);
  WriteFile(dir.File("t.txt"), before);
  // Files may grow to 512 bytes; the write that would pass that fails.
  RunResult run = ScrubLimited(dir.path(), {"--fsize", "512"}, {"t.txt", "-nobak"});
  ASSERT_NE(run.exit_status, kRunnerSetupFailed) << run.err;
  ExpectFailure(run,
                "Could not write output file: \"t.txt\"\n"
                "WriteFile failed: GetLastError returned 27\n");
  EXPECT_EQ(ListDir(dir.path()), (Names{"t.txt", "t.txt.bak"}));
  EXPECT_EQ(ReadFile(dir.File("t.txt.bak")), before);
  EXPECT_EQ(ReadFile(dir.File("t.txt")), after.substr(0, 512));
}

}  // namespace
