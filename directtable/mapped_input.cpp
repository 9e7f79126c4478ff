#include "directtable/mapped_input.h"

#include <utility>

#include "directtable/console_output.h"

namespace directtable {

MappedInput::MappedInput(std::string file_name) : file_name_(std::move(file_name)) {
  // Which step failed does not matter to the user: every failure is "Can't
  // open file", as for a missing table.
  file_.Open(file_name_, platform::MappedFile::Mode::kPrivateCopy);
}

std::vector<MappedInput> MapInputs(std::span<const char* const> file_names) {
  std::vector<MappedInput> inputs;
  inputs.reserve(file_names.size());
  for (const char* name : file_names) inputs.emplace_back(name);
  return inputs;
}

bool CheckInputs(const std::vector<MappedInput>& inputs) {
  for (const MappedInput& input : inputs) {
    if (input.data() == nullptr) {
      PrintLine("Can't open file: " + input.file_name());
      return false;
    }
  }
  return true;
}

const MappedInput* FindInput(const std::vector<MappedInput>& inputs, std::string_view file_name) {
  for (const MappedInput& input : inputs) {
    if (input.file_name() == file_name) return &input;
  }
  return nullptr;
}

}  // namespace directtable
