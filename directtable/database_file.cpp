#include "directtable/database_file.h"

#include <cassert>

#include "platform/output_file.h"

namespace directtable {

std::string DatabasePath(std::string_view output_dir, std::string_view file_name) {
  assert(!output_dir.empty());
  std::string path(output_dir);
  // Designers used to the desktop build type "out\"; it names the same folder.
  if (path.back() == '\\') path.back() = '/';
  if (path.back() != '/') path.push_back('/');
  path.append(file_name);
  return path;
}

void AssembleDatabaseFile(const ChunkBuffer& main_payload, ChunkBuffer* file) {
  file->WriteChunk(kMainChunkId, main_payload);
  file->WriteChunk(kObjectTableChunkId, nullptr, 0);
  ChunkBuffer object_data;
  object_data.WriteInt(kVersionChunkId, kContainerVersion);
  file->WriteChunk(kObjectDataChunkId, object_data);
}

bool SaveToFile(const ChunkBuffer& bytes, const std::string& path, std::string* error) {
  platform::OutputFile out;
  if (!out.Create(path) || !out.Write(bytes.Data(), bytes.Length()) || !out.Commit()) {
    *error = out.ErrorText();
    return false;
  }
  return true;
}

}  // namespace directtable
