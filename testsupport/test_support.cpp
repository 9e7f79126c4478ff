#include "testsupport/test_support.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <random>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace testsupport {

TempDir::TempDir() {
  const char* base = std::getenv("TMPDIR");
  std::string tmpl = std::string(base && *base ? base : "/tmp") + "/baketest-XXXXXX";
  std::vector<char> buf(tmpl.begin(), tmpl.end());
  buf.push_back('\0');
  if (::mkdtemp(buf.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  path_ = buf.data();
}

TempDir::~TempDir() {
  std::error_code ec;
  // Tests may leave read-only directories behind; make them writable first.
  for (auto it = std::filesystem::recursive_directory_iterator(path_, ec);
       !ec && it != std::filesystem::recursive_directory_iterator(); it.increment(ec)) {
    if (it->is_directory(ec)) ::chmod(it->path().c_str(), 0755);
  }
  ::chmod(path_.c_str(), 0755);
  std::filesystem::remove_all(path_, ec);
}

std::string TempDir::File(const std::string& name) const { return path_ + "/" + name; }

std::string ProgramPath(const std::string& name) { return std::string(BAKE_BIN_DIR) + "/" + name; }

RunResult Run(const std::string& program, const std::vector<std::string>& args,
              const std::string& cwd, const std::vector<std::string>& extra_env) {
  RunResult result;
  char out_name[] = "/tmp/bakeout-XXXXXX";
  char err_name[] = "/tmp/bakeerr-XXXXXX";
  int out_fd = ::mkstemp(out_name);
  int err_fd = ::mkstemp(err_name);
  if (out_fd < 0 || err_fd < 0) throw std::runtime_error("mkstemp failed");

  std::vector<std::string> owned_args{program};
  owned_args.insert(owned_args.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (auto& a : owned_args) argv.push_back(a.data());
  argv.push_back(nullptr);

  std::vector<std::string> owned_env;
  for (char** e = environ; *e; ++e) owned_env.emplace_back(*e);
  for (const auto& e : extra_env) {
    std::string key = e.substr(0, e.find('=') + 1);
    std::erase_if(owned_env, [&](const std::string& x) { return x.rfind(key, 0) == 0; });
    owned_env.push_back(e);
  }
  std::vector<char*> envp;
  for (auto& e : owned_env) envp.push_back(e.data());
  envp.push_back(nullptr);

  std::fflush(nullptr);
  pid_t pid = ::fork();
  if (pid < 0) throw std::runtime_error("fork failed");
  if (pid == 0) {
    int in_fd = ::open("/dev/null", O_RDONLY);
    ::dup2(in_fd, 0);
    ::dup2(out_fd, 1);
    ::dup2(err_fd, 2);
    if (::chdir(cwd.c_str()) != 0) ::_exit(126);
    ::execve(program.c_str(), argv.data(), envp.data());
    ::_exit(127);
  }
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  if (WIFEXITED(status)) {
    result.exit_status = WEXITSTATUS(status);
  } else if (WIFSIGNALED(status)) {
    result.signaled = true;
    result.exit_status = 128 + WTERMSIG(status);
  }
  ::close(out_fd);
  ::close(err_fd);
  result.out = ReadFile(out_name);
  result.err = ReadFile(err_name);
  ::unlink(out_name);
  ::unlink(err_name);
  return result;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::string();
  std::ostringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) throw std::runtime_error("cannot write " + path);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

bool FileExists(const std::string& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0;
}

std::vector<std::string> ListDir(const std::string& path) {
  std::vector<std::string> names;
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(path, ec)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::string Bytes(const std::string& hex) {
  std::string out;
  int nibble = -1;
  for (char c : hex) {
    int v;
    if (c >= '0' && c <= '9') v = c - '0';
    else if (c >= 'a' && c <= 'f') v = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F') v = c - 'A' + 10;
    else continue;
    if (nibble < 0) {
      nibble = v;
    } else {
      out.push_back(static_cast<char>(nibble * 16 + v));
      nibble = -1;
    }
  }
  return out;
}

std::string Hex(const std::string& bytes) {
  static const char kDigits[] = "0123456789ABCDEF";
  std::string out;
  for (size_t i = 0; i < bytes.size(); ++i) {
    unsigned char b = static_cast<unsigned char>(bytes[i]);
    if (i) out.push_back(' ');
    out.push_back(kDigits[b >> 4]);
    out.push_back(kDigits[b & 15]);
  }
  return out;
}

std::string Chunk(uint8_t id, const std::string& payload) {
  std::string chunk(1, static_cast<char>(id));
  uint32_t n = static_cast<uint32_t>(payload.size());
  if (n < 128) {
    chunk += static_cast<char>(n * 2);
  } else {
    uint32_t length = n * 2 + 1;
    for (int i = 0; i < 4; ++i) chunk += static_cast<char>((length >> (8 * i)) & 0xFF);
  }
  return chunk + payload;
}

std::string TextChunk(uint8_t id, const std::string& text) {
  return Chunk(id, text + std::string(1, '\0'));
}

std::string IntChunk(uint8_t id, int32_t value) {
  uint32_t v = static_cast<uint32_t>(value);
  std::string bytes;
  for (int i = 0; i < 4; ++i) bytes += static_cast<char>((v >> (8 * i)) & 0xFF);
  return Chunk(id, bytes);
}

std::string FloatChunk(uint8_t id, float value) {
  int32_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  return IntChunk(id, bits);
}

std::string RandomBytes(size_t size, uint32_t seed) {
  std::mt19937 random(seed);
  std::string bytes(size, '\0');
  for (char& c : bytes) c = static_cast<char>(random() & 0xFF);
  return bytes;
}

std::string RandomText(size_t size, const std::string& alphabet, uint32_t seed) {
  std::mt19937 random(seed);
  std::string text(size, '\0');
  for (char& c : text) c = alphabet[random() % alphabet.size()];
  return text;
}

std::string ExampleTable(const std::string& program, const std::string& table) {
  return ReadFile(std::string(BAKE_SOURCE_DIR) + "/examples/" + program + "/" + table);
}

std::string DatabaseTail() { return Bytes("00 00 02 0C 02 08 01 00 00 00"); }

}  // namespace testsupport
