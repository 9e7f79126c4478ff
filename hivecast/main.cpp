// hivecast: converts one table's INI text into the registry file that the
// builders read.
//
//   hivecast <file.ini>
//
// writes the registry file beside the INI file: the name with its last
// ".ini" (any case) replaced by ".reg", or with ".reg" appended when the name
// does not end in ".ini", so the INI file itself is never overwritten.
// The registry file appears whole or not at all. Exit status: 0 on success
// (also when repeated sections were warned about), 1 when the INI file cannot
// be read or converted or the registry file cannot be written, 2 on a wrong
// command line.
#include <string>
#include <string_view>
#include <vector>

#include "hivecast/ini_reader.h"
#include "hivecast/registry_writer.h"
#include "platform/console.h"
#include "platform/output_file.h"
#include "platform/whole_file.h"

namespace {

constexpr std::string_view kIniExtension = ".ini";
constexpr std::string_view kRegistryExtension = ".reg";

std::string RegistryPathFor(const std::string& ini_path) {
  std::string path = ini_path;
  if (path.size() >= kIniExtension.size() &&
      registry::NamesEqual(std::string_view(path).substr(path.size() - kIniExtension.size()),
                           kIniExtension)) {
    path.resize(path.size() - kIniExtension.size());
  }
  return path + std::string(kRegistryExtension);
}

bool WriteRegistry(const std::string& path, const std::string& bytes, std::string* error) {
  platform::OutputFile out;
  if (!out.Create(path) || !out.Write(bytes.data(), bytes.size()) || !out.Commit()) {
    *error = out.ErrorText();
    return false;
  }
  return true;
}

void Fail(const std::string& message) { platform::WriteError("hivecast: " + message + "\n"); }

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    Fail("expected one argument, the INI file to convert, but got " + std::to_string(argc - 1));
    platform::WriteError("usage: hivecast <file.ini>\n");
    return 2;
  }
  const std::string ini_path = argv[1];
  const std::string reg_path = RegistryPathFor(ini_path);

  std::string text;
  std::string error;
  int read_error = 0;
  if (!platform::ReadWholeFile(ini_path, &text, &read_error)) {
    Fail("cannot read \"" + ini_path + "\": " + platform::ErrorText(read_error));
    return 1;
  }

  hivecast::RegistryWriter writer;
  std::vector<hivecast::RepeatedSection> repeated;
  const bool read = hivecast::ReadIni(text, &writer, &repeated, &error);
  for (const hivecast::RepeatedSection& r : repeated) {
    platform::WriteError("hivecast: warning: \"" + ini_path + "\", line " + std::to_string(r.line) +
                         ": section \"" + r.name +
                         "\" occurs again; it replaces the earlier section of that name\n");
  }
  if (!read) {
    Fail("\"" + ini_path + "\", " + error + "; no registry file written");
    return 1;
  }

  std::string bytes;
  if (!writer.Build(&bytes, &error)) {
    Fail("\"" + ini_path + "\": " + error + "; no registry file written");
    return 1;
  }
  if (!WriteRegistry(reg_path, bytes, &error)) {
    Fail("cannot write \"" + reg_path + "\": " + error);
    return 1;
  }
  return 0;
}
