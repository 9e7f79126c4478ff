#include <cfloat>
#include <fcntl.h>
#include <limits>
#include <utility>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/c_numbers.h"
#include "platform/file_times.h"
#include "platform/mapped_file.h"
#include "platform/output_file.h"
#include "platform/process.h"
#include "testsupport/test_support.h"

namespace {

using platform::MappedFile;
using testsupport::TempDir;

TEST(MappedFileTest, MissingEmptyAndPresentFiles) {
  TempDir dir;
  MappedFile file;
  EXPECT_EQ(file.Open(dir.File("absent"), MappedFile::Mode::kReadOnly),
            MappedFile::Status::kOpenFailed);
  EXPECT_EQ(file.error(), ENOENT);

  testsupport::WriteFile(dir.File("empty"), "");
  EXPECT_EQ(file.Open(dir.File("empty"), MappedFile::Mode::kReadOnly),
            MappedFile::Status::kMappingFailed);
  EXPECT_FALSE(file.is_open());

  testsupport::WriteFile(dir.File("abc"), "abc");
  ASSERT_EQ(file.Open(dir.File("abc"), MappedFile::Mode::kReadOnly), MappedFile::Status::kOk);
  EXPECT_EQ(file.size(), 3u);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(file.data()), 3), "abc");
}

TEST(MappedFileTest, PrivateCopyNeverChangesTheFileEvenWhenReadOnly) {
  TempDir dir;
  std::string path = dir.File("table");
  testsupport::WriteFile(path, "a\tb\n");
  ::chmod(path.c_str(), 0444);
  MappedFile file;
  ASSERT_EQ(file.Open(path, MappedFile::Mode::kPrivateCopy), MappedFile::Status::kOk);
  file.data()[1] = 0;
  file.Close();
  EXPECT_EQ(testsupport::ReadFile(path), "a\tb\n");
}

TEST(OutputFileTest, CommitReplacesAbandonLeavesNothing) {
  TempDir dir;
  std::string path = dir.File("out.db");
  testsupport::WriteFile(path, "old");
  {
    platform::OutputFile out;
    ASSERT_TRUE(out.Create(path));
    ASSERT_TRUE(out.Write("new!", 4));
    // Not committed: the destination keeps its old bytes and no temporary stays.
  }
  EXPECT_EQ(testsupport::ReadFile(path), "old");
  EXPECT_EQ(testsupport::ListDir(dir.path()), std::vector<std::string>{"out.db"});

  platform::OutputFile out;
  ASSERT_TRUE(out.Create(path));
  ASSERT_TRUE(out.Write("new!", 4));
  ASSERT_TRUE(out.Commit());
  EXPECT_EQ(testsupport::ReadFile(path), "new!");
  EXPECT_EQ(testsupport::ListDir(dir.path()), std::vector<std::string>{"out.db"});
}

TEST(OutputFileTest, MissingDirectoryFailsWithReason) {
  TempDir dir;
  platform::OutputFile out;
  EXPECT_FALSE(out.Create(dir.File("nowhere/out.db")));
  EXPECT_EQ(out.error(), ENOENT);
  EXPECT_EQ(out.ErrorText(), "No such file or directory");
}

TEST(ProcessTest, ReportsExitStatusSignalAndMissingProgram) {
  auto ok = platform::RunHidden("/bin/sh", {"-c", "echo hidden; exit 3"});
  EXPECT_EQ(ok.outcome, platform::ProcessResult::Outcome::kExited);
  EXPECT_EQ(ok.exit_code, 3);

  auto killed = platform::RunHidden("/bin/sh", {"-c", "kill -9 $$"});
  EXPECT_EQ(killed.outcome, platform::ProcessResult::Outcome::kSignaled);
  EXPECT_EQ(killed.signal, 9);

  auto missing = platform::RunHidden("/nonexistent/program", {});
  EXPECT_NE(missing.outcome, platform::ProcessResult::Outcome::kSignaled);
  EXPECT_TRUE(missing.outcome == platform::ProcessResult::Outcome::kNotStarted ||
              missing.exit_code == 127);
}

TEST(ProcessTest, FindProgramSearchesPathButNotTheCurrentDirectory) {
  EXPECT_EQ(platform::FindProgram("sh").empty(), false);
  TempDir dir;
  std::string fake = dir.File("bake-no-such-tool");
  testsupport::WriteFile(fake, "#!/bin/sh\n");
  ::chmod(fake.c_str(), 0755);
  char old[4096];
  ASSERT_NE(::getcwd(old, sizeof old), nullptr);
  ASSERT_EQ(::chdir(dir.path().c_str()), 0);
  EXPECT_EQ(platform::FindProgram("bake-no-such-tool"), "");
  ASSERT_EQ(::chdir(old), 0);
}

TEST(FileTimesTest, TimesSurviveARewrite) {
  TempDir dir;
  std::string path = dir.File("t");
  testsupport::WriteFile(path, "x");
  int fd = ::open(path.c_str(), O_RDWR);
  ASSERT_GE(fd, 0);
  platform::FileTimes set;
  set.access = {1000000, 5};
  set.modification = {2000000, 7};
  ASSERT_TRUE(platform::WriteFileTimes(fd, set));
  platform::FileTimes got;
  ASSERT_TRUE(platform::ReadFileTimes(fd, &got));
  ::close(fd);
  EXPECT_EQ(got.access.tv_sec, 1000000);
  EXPECT_EQ(got.modification.tv_sec, 2000000);
  EXPECT_EQ(got.modification.tv_nsec, 7);
}

TEST(CNumbersTest, ReadCIntStopsAtTheTextsEndAndHoldsAtTheLimits) {
  const std::pair<std::string_view, int32_t> cases[] = {
      {"12abc", 12},        {"  -7", -7},         {"+3", 3},
      {"abc", 0},           {"", 0},              {"- 1", 0},
      {"99999999999", INT32_MAX}, {"-2147483648", INT32_MIN}, {"-99999999999", INT32_MIN},
  };
  for (const auto& [text, value] : cases) EXPECT_EQ(platform::ReadCInt(text), value) << text;
  // A view that ends before the digits do: nothing past its end is read.
  EXPECT_EQ(platform::ReadCInt(std::string_view("123456", 2)), 12);
}

TEST(CNumbersTest, NarrowToFloatRoundsBeyondTheSingleRange) {
  EXPECT_EQ(platform::NarrowToFloat(2.5), 2.5f);
  EXPECT_EQ(platform::NarrowToFloat(3.4028235e38), FLT_MAX);
  EXPECT_EQ(platform::NarrowToFloat(-3.4028235e38), -FLT_MAX);
  EXPECT_EQ(platform::NarrowToFloat(1e39), std::numeric_limits<float>::infinity());
  EXPECT_EQ(platform::NarrowToFloat(-1e39), -std::numeric_limits<float>::infinity());
}

}  // namespace
