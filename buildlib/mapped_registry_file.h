// CMappedFile: a registry file mapped read-only, with the error messages the
// builders' users know for each failing step. A missing file is only traced
// (the converter's failure has been reported already); a file that exists but
// cannot be mapped is a counted error.
#ifndef BAKE_BUILDLIB_MAPPED_REGISTRY_FILE_H_
#define BAKE_BUILDLIB_MAPPED_REGISTRY_FILE_H_

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/mapped_file.h"

namespace buildlib {

class CMappedFile {
 public:
  // 1 on success, 0 on failure (after reporting as described above).
  int Open(const std::string& path);
  // Releases the view; safe on a closed object.
  void Close() { file_.Close(); }

  const uint8_t* view() const { return file_.data(); }
  size_t size() const { return file_.size(); }

 private:
  platform::MappedFile file_;
};

}  // namespace buildlib

#endif  // BAKE_BUILDLIB_MAPPED_REGISTRY_FILE_H_
