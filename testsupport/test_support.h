// Shared by every test program: a temporary directory that cleans up after
// itself, a runner that starts one of the toolkit's programs in a directory
// and captures its standard output, standard error and exit status, and
// small helpers for file bytes.
#ifndef BAKE_TESTSUPPORT_TEST_SUPPORT_H_
#define BAKE_TESTSUPPORT_TEST_SUPPORT_H_

#include <cstdint>
#include <string>
#include <vector>

namespace testsupport {

// A fresh directory under the system's temporary directory, removed with
// everything in it when the object goes.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& path() const { return path_; }
  // path() + "/" + name
  std::string File(const std::string& name) const;

 private:
  std::string path_;
};

struct RunResult {
  int exit_status = -1;  // 0-255 when the program exited; 128 + signal when killed
  bool signaled = false;
  std::string out;
  std::string err;
};

// Full path of one of the toolkit's programs in the build's bin directory.
std::string ProgramPath(const std::string& name);

// Runs `program` (a path) with `args` in `cwd`, standard input empty.
// `extra_env` entries ("NAME=value") are added to the environment.
RunResult Run(const std::string& program, const std::vector<std::string>& args,
              const std::string& cwd, const std::vector<std::string>& extra_env = {});

std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& bytes);
bool FileExists(const std::string& path);
// Names of the entries of a directory, sorted.
std::vector<std::string> ListDir(const std::string& path);

// Bytes from a text of hex pairs ("01 08 FF"); white space is ignored.
std::string Bytes(const std::string& hex);
// Upper-case hex pairs separated by single spaces, for readable failures.
std::string Hex(const std::string& bytes);

// A database chunk written out independently of the programs' writers: the
// id, the length (one byte 2L below 128 bytes, else four bytes 2L+1) and
// the payload.
std::string Chunk(uint8_t id, const std::string& payload);
// A text field chunk: the text and its terminating zero byte.
std::string TextChunk(uint8_t id, const std::string& text);
// A 4-byte field chunk holding an integer or a single-precision real.
std::string IntChunk(uint8_t id, int32_t value);
std::string FloatChunk(uint8_t id, float value);
// `size` pseudo-random bytes (any value), the same for the same seed.
std::string RandomBytes(size_t size, uint32_t seed);
// `size` pseudo-random characters drawn from `alphabet`, the same for the same seed.
std::string RandomText(size_t size, const std::string& alphabet, uint32_t seed);
// The bytes of an example table: examples/<program>/<table> in the source tree.
std::string ExampleTable(const std::string& program, const std::string& table);

// The ten bytes every database ends with: the empty object table and the
// object data chunk holding version 1.
std::string DatabaseTail();

}  // namespace testsupport

#endif  // BAKE_TESTSUPPORT_TEST_SUPPORT_H_
