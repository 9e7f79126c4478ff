#include "buildlib/mapped_registry_file.h"

#include <cstring>

#include "buildlib/report_error.h"

namespace buildlib {

int CMappedFile::Open(const std::string& path) {
  using Status = platform::MappedFile::Status;
  switch (file_.Open(path, platform::MappedFile::Mode::kReadOnly)) {
    case Status::kOk:
      return 1;
    case Status::kOpenFailed:
      Trace("CMappedFile::Open().\nUnable to open file \"%s\".\n", path.c_str());
      return 0;
    case Status::kSizeFailed:
      ReportError("CMappedFile::Open().\nUnable to determine file size.\n");
      return 0;
    case Status::kTooLarge:
      ReportError("CMappedFile::Open().\nToo large file to map.\n");
      return 0;
    case Status::kMappingFailed:
      ReportError("CMappedFile::Open().\nUnable to create file mapping.\n");
      return 0;
  }
  return 0;
}

}  // namespace buildlib
