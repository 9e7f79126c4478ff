#include "buildlib/file_registry.h"

#include <cmath>
#include <gtest/gtest.h>

#include "buildlib/report_error.h"
#include "hivecast/registry_writer.h"
#include "testsupport/test_support.h"

namespace buildlib {
namespace {

using testsupport::Bytes;
using testsupport::TempDir;

// Writes `bytes` as a registry file and opens it.
class RegistryFixture : public ::testing::Test {
 protected:
  int OpenBytes(const std::string& bytes) {
    path_ = dir_.File("tempreg.reg");
    testsupport::WriteFile(path_, bytes);
    return registry_.Open(path_);
  }
  int OpenWritten(const hivecast::RegistryWriter& writer) {
    std::string bytes, error;
    EXPECT_TRUE(writer.Build(&bytes, &error)) << error;
    return OpenBytes(bytes);
  }

  TempDir dir_;
  std::string path_;
  CFileRegistry registry_;
};

const std::string k41ByteFile = Bytes(
    "FB 3E AB 45 01 00 FF FF 0C 00 00 00 01 00 01 00 41 FF FF 0B 00 00 00 00 0B 00"
    " 53 6F 72 74 4F 72 64 65 72 49 44 00 00 00 00");

TEST_F(RegistryFixture, ReadsTheSmallestRegistryFile) {
  ASSERT_EQ(k41ByteFile.size(), 41u);
  ASSERT_EQ(OpenBytes(k41ByteFile), 1);
  std::vector<std::string> names;
  EXPECT_EQ(registry_.GetSectionNames(&names), 1);
  EXPECT_EQ(names, std::vector<std::string>{"A"});
  EXPECT_EQ(registry_.GetInt("A", "SortOrderID", -1), 0);
  EXPECT_EQ(registry_.GetInt("a", "sortorderid", -1), 0);
  EXPECT_EQ(registry_.GetInt("B", "SortOrderID", -1), -1);
}

TEST_F(RegistryFixture, WrongMagicNumberFailsWithoutReporting) {
  std::string bytes = k41ByteFile;
  bytes[0] = 0x00;
  int errors = ErrorCount();
  testing::internal::CaptureStderr();
  EXPECT_EQ(OpenBytes(bytes), 0);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
  EXPECT_FALSE(registry_.is_open());
  EXPECT_EQ(ErrorCount(), errors);
  EXPECT_EQ(registry_.GetInt("A", "SortOrderID", -1), -1);
  // A missing file is not reported either: the converter's failure was.
  EXPECT_EQ(registry_.Open(dir_.File("absent.reg")), 0);
  EXPECT_EQ(ErrorCount(), errors);
}

TEST_F(RegistryFixture, EmptyFileIsAMappingError) {
  int errors = ErrorCount();
  testing::internal::CaptureStderr();
  EXPECT_EQ(OpenBytes(""), 0);
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "ERROR: CMappedFile::Open().\nUnable to create file mapping.\n");
  EXPECT_EQ(ErrorCount(), errors + 1);
}

TEST(RegistryHashTest, CapitalsFoldAndHighBytesCountNegative) {
  EXPECT_EQ(registry::Hash("Name"), registry::Hash("name"));
  EXPECT_EQ(registry::Hash("NAME"), registry::Hash("name"));
  EXPECT_EQ(registry::Hash("\xE9"), 0xFFFFFFE9u);
  EXPECT_EQ(registry::Hash("\xE9") % 7, 2u);
}

TEST_F(RegistryFixture, TypedValuesFollowTheirTypes) {
  hivecast::RegistryWriter w;
  w.AddSection("Row");
  w.AddInt("Whole", 7);
  w.AddInt("Big", 300);
  w.AddReal("Up", 2.9f);
  w.AddReal("Down", -2.9f);
  w.AddText("Empty", "");
  w.AddText("Word", "Sword");
  w.AddTextList("Words", {"a", "b"});
  w.AddIntList("Ints", {1, 2, 3});
  w.AddRealList("Reals", {1.5f, 2.5f});
  w.AddReal("OneReal", 4.0f);
  ASSERT_EQ(OpenWritten(w), 1);
  CFileRegistry::Section row = registry_.FindSection("ROW");
  ASSERT_TRUE(row.valid());

  EXPECT_EQ(registry_.GetInt(row, "whole", -1), 7);
  EXPECT_EQ(registry_.GetFloat(row, "Whole", -1), 7.0f);
  EXPECT_EQ(registry_.GetInt(row, "Up", -1), 2);
  EXPECT_EQ(registry_.GetInt(row, "Down", -1), -2);
  EXPECT_EQ(registry_.GetByte(row, "Big", 0), 44);
  EXPECT_EQ(registry_.GetString(row, "Empty", "none"), "");
  EXPECT_EQ(registry_.GetString(row, "Whole", "none"), "none");
  EXPECT_EQ(registry_.GetString(row, "Missing", "none"), "none");

  // A single value satisfies a list request; a list never satisfies a single one.
  int single = -1;
  EXPECT_NE(registry_.FindData(row, "Word", registry::kTextList, &single), nullptr);
  EXPECT_EQ(single, 1);
  EXPECT_NE(registry_.FindData(row, "Words", registry::kTextList, &single), nullptr);
  EXPECT_EQ(single, 0);
  EXPECT_EQ(registry_.FindData(row, "Words", registry::kText, &single), nullptr);
  EXPECT_EQ(registry_.FindData(row, "Up", registry::kInteger), nullptr);

  std::vector<std::string> words{"old"};
  EXPECT_EQ(registry_.GetStringList(row, "Words", &words), 1);
  EXPECT_EQ(words, (std::vector<std::string>{"a", "b"}));
  std::vector<int32_t> ints{9};
  EXPECT_EQ(registry_.GetIntList(row, "Ints", &ints), 1);
  EXPECT_EQ(ints, (std::vector<int32_t>{1, 2, 3}));
  std::vector<float> reals;
  EXPECT_EQ(registry_.GetFloatList(row, "Reals", &reals), 1);
  EXPECT_EQ(reals, (std::vector<float>{1.5f, 2.5f}));
  EXPECT_EQ(registry_.GetFloatList(row, "OneReal", &reals), 1);
  EXPECT_EQ(reals, (std::vector<float>{4.0f}));
  // A list of integers is not a list of reals; a missing cell empties the output.
  EXPECT_EQ(registry_.GetFloatList(row, "Ints", &reals), 0);
  EXPECT_TRUE(reals.empty());
  EXPECT_EQ(registry_.GetIntList(row, "Missing", &ints), 0);
  EXPECT_TRUE(ints.empty());
}

// Texts (as the converter stores every cell) read by the column's type.
TEST_F(RegistryFixture, TextsReadByTheColumnsType) {
  struct Case {
    const char* text;
    int32_t as_int;     // GetInt with default -99
    float as_float;     // GetFloat with default -99
  };
  const Case cases[] = {
      {"12", 12, 12.0f},          {" -3 ", -3, -3.0f},       {"+7", 7, 7.0f},
      {"2.9", 2, 2.9f},           {"-2.9", -2, -2.9f},       {"1e3", 1000, 1000.0f},
      {".5", 0, 0.5f},            {"5.", 5, 5.0f},           {"3000000000", 2147483647, 3e9f},
      {"-1e20", INT32_MIN, -1e20f}, {"abc", -99, -99.0f},    {"1, 4", -99, -99.0f},
      {"e5", -99, -99.0f},        {"1e", -99, -99.0f},       {"", -99, -99.0f},
      {"12abc", -99, -99.0f},     {"0x10", -99, -99.0f},     {"- 1", -99, -99.0f},
  };
  hivecast::RegistryWriter w;
  w.AddSection("Row");
  for (size_t i = 0; i < std::size(cases); ++i) w.AddText("K" + std::to_string(i), cases[i].text);
  w.AddText("Pieces", " a, b,,c ,");
  w.AddText("Commas", ",,");
  w.AddText("IntPieces", "1, 4");
  w.AddText("BadPieces", "1, x");
  w.AddText("RealPieces", "1.5,2.5");
  ASSERT_EQ(OpenWritten(w), 1);
  CFileRegistry::Section row = registry_.FindSection("Row");
  for (size_t i = 0; i < std::size(cases); ++i) {
    std::string key = "K" + std::to_string(i);
    SCOPED_TRACE(cases[i].text);
    EXPECT_EQ(registry_.GetInt(row, key.c_str(), -99), cases[i].as_int);
    EXPECT_EQ(registry_.GetFloat(row, key.c_str(), -99.0f), cases[i].as_float);
    EXPECT_EQ(registry_.GetString(row, key.c_str(), "none"), cases[i].text);
  }
  std::vector<std::string> words;
  EXPECT_EQ(registry_.GetStringList(row, "Pieces", &words), 1);
  EXPECT_EQ(words, (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_EQ(registry_.GetStringList(row, "Commas", &words), 1);
  EXPECT_TRUE(words.empty());
  EXPECT_EQ(registry_.GetStringList(row, "K1", &words), 1);  // no comma: one piece
  EXPECT_EQ(words, std::vector<std::string>{"-3"});
  std::vector<int32_t> ints;
  EXPECT_EQ(registry_.GetIntList(row, "IntPieces", &ints), 1);
  EXPECT_EQ(ints, (std::vector<int32_t>{1, 4}));
  EXPECT_EQ(registry_.GetIntList(row, "BadPieces", &ints), 0);
  EXPECT_TRUE(ints.empty());
  std::vector<float> reals;
  EXPECT_EQ(registry_.GetFloatList(row, "RealPieces", &reals), 1);
  EXPECT_EQ(reals, (std::vector<float>{1.5f, 2.5f}));
}

TEST_F(RegistryFixture, EveryCollidingNameIsFoundThroughItsSection) {
  hivecast::RegistryWriter w;
  const int kRows = 3000;  // names differing only in digits crowd a few home slots
  for (int i = 0; i < kRows; ++i) {
    char name[16];
    std::snprintf(name, sizeof name, "Lever%05d", i);
    w.AddSection(name);
    w.AddInt("SortOrderID", i);
  }
  ASSERT_EQ(OpenWritten(w), 1);
  std::vector<CFileRegistry::Section> sections = registry_.Sections();
  ASSERT_EQ(sections.size(), static_cast<size_t>(kRows));
  for (int i = 0; i < kRows; i += 97) {
    char name[16];
    std::snprintf(name, sizeof name, "LEVER%05d", i);
    EXPECT_EQ(registry_.GetInt(name, "SortOrderID", -1), i) << name;
  }
}

TEST_F(RegistryFixture, DamagedFilesNeverReadOutsideTheMapping) {
  hivecast::RegistryWriter w;
  w.AddSection("Alpha");
  w.AddText("Name", "Alpha");
  w.AddIntList("List", {1, 2});
  w.AddSection("Beta");
  w.AddText("Name", "Beta");
  std::string bytes, error;
  ASSERT_TRUE(w.Build(&bytes, &error));
  // Every truncation, and every byte set to 0xFF in turn.
  for (size_t cut = 4; cut < bytes.size(); ++cut) {
    std::vector<std::string> variants = {bytes.substr(0, cut), bytes};
    variants[1][cut] = static_cast<char>(0xFF);
    for (const std::string& damaged : variants) {
      if (OpenBytes(damaged) == 0) continue;
      std::vector<int32_t> list;
      for (const CFileRegistry::Section& s : registry_.Sections()) {
        registry_.GetString(s, "Name", "none");
        registry_.GetIntList(s, "List", &list);
      }
      registry_.GetString("Beta", "Name", "none");
      registry_.Close();
    }
  }
  // Section slots whose chains loop without reaching the name end the search.
  std::string loop = Bytes("FB 3E AB 45 02 00  01 00 12 00 00 00  00 00 12 00 00 00"
                           " 00 00 01 00 41");
  ASSERT_EQ(OpenBytes(loop), 1);
  EXPECT_FALSE(registry_.FindSection("Missing").valid());
  EXPECT_FALSE(registry_.FindSection("B").valid());
}

TEST(ReportErrorTest, TenthErrorEndsTheRun) {
  // The counter is process-wide: earlier tests in this process may have counted some.
  EXPECT_EXIT(
      {
        while (ErrorCount() < kMaxErrors - 1) ReportError("Error %d.\n", ErrorCount() + 1);
        std::fprintf(stderr, "still running\n");
        ReportError("Error %d.", kMaxErrors);
        std::fprintf(stderr, "not reached\n");
      },
      testing::ExitedWithCode(255), "ERROR: Error 9.\nstill running\nERROR: Error 10.\n$");
}

TEST(ReportErrorTest, LongMessagesAreCut) {
  std::string text(2000, 'x');
  testing::internal::CaptureStderr();
  int errors = ErrorCount();
  ReportError("%s", text.c_str());
  std::string shown = testing::internal::GetCapturedStderr();
  EXPECT_EQ(shown, "ERROR: " + std::string(1023, 'x') + "\n");
  EXPECT_EQ(ErrorCount(), errors + 1);
}

}  // namespace
}  // namespace buildlib
