#include "directtable/database_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "testsupport/test_support.h"

namespace directtable {
namespace {

using testsupport::Bytes;
using testsupport::Hex;

TEST(DatabaseFileTest, EmptyMainPayloadGivesTwelveBytes) {
  ChunkBuffer payload;
  ChunkBuffer file;
  AssembleDatabaseFile(payload, &file);
  EXPECT_EQ(Hex(std::string(reinterpret_cast<const char*>(file.Data()), file.Length())),
            Hex(Bytes("01 00 00 00 02 0C 02 08 01 00 00 00")));
}

TEST(DatabaseFileTest, PathFromTheArgument) {
  struct Case {
    const char* argument;
    const char* path;
  } cases[] = {
      {"out", "out/acks.db"}, {"out/", "out/acks.db"}, {"out\\", "out/acks.db"},
      {"/", "/acks.db"},      {".", "./acks.db"},      {"a\\b", "a\\b/acks.db"},
  };
  for (const Case& c : cases) EXPECT_EQ(DatabasePath(c.argument, "acks.db"), c.path) << c.argument;
}

TEST(DatabaseFileTest, SaveReplacesTheFileOrLeavesNothing) {
  testsupport::TempDir dir;
  ChunkBuffer bytes;
  bytes.WriteInt(1, 7);
  std::string error;
  ASSERT_TRUE(SaveToFile(bytes, dir.File("x.db"), &error)) << error;
  EXPECT_EQ(Hex(testsupport::ReadFile(dir.File("x.db"))), Hex(Bytes("01 08 07 00 00 00")));

  EXPECT_FALSE(SaveToFile(bytes, dir.File("missing/x.db"), &error));
  EXPECT_EQ(error, "No such file or directory");
  EXPECT_EQ(testsupport::ListDir(dir.path()), std::vector<std::string>{"x.db"});
}

}  // namespace
}  // namespace directtable
