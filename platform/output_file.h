// A database file that appears whole or not at all.
//
// The bytes go to a temporary file beside the destination ("<path>.tmp<pid>-<n>"),
// which Commit renames over the destination. Until Commit succeeds the
// destination is untouched; a failed or abandoned write removes the temporary
// file, so no run ever leaves a partial database behind.
#ifndef BAKE_PLATFORM_OUTPUT_FILE_H_
#define BAKE_PLATFORM_OUTPUT_FILE_H_

#include <cstddef>
#include <string>

namespace platform {

class OutputFile {
 public:
  OutputFile() = default;
  ~OutputFile();  // removes the temporary file unless committed
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;

  // Creates the temporary file for `path`. False on failure; error() says why.
  bool Create(const std::string& path);
  // Appends bytes. False on failure (disk full, I/O error); the file is then abandoned.
  bool Write(const void* data, size_t size);
  // Closes the temporary file and renames it to the destination.
  bool Commit();
  // Removes the temporary file; the destination stays as it was.
  void Abandon();

  // errno of the failed step.
  int error() const { return error_; }
  // The system's description of error().
  std::string ErrorText() const;

 private:
  std::string path_;
  std::string temp_path_;
  int fd_ = -1;
  int error_ = 0;
};

// The system's description of an errno value.
std::string ErrorText(int error);

}  // namespace platform

#endif  // BAKE_PLATFORM_OUTPUT_FILE_H_
