// The input tables of a direct-table builder, each mapped whole into memory.
//
// The mapping is private (copy-on-write): the text can be worked on in memory
// while the file on disk never changes, and a read-only file maps as well as a
// writable one (tables under version control are often read-only). A missing,
// unreadable or empty file has no data; CheckInputs reports the first such
// table in the builder's own checking order.
#ifndef BAKE_DIRECTTABLE_MAPPED_INPUT_H_
#define BAKE_DIRECTTABLE_MAPPED_INPUT_H_

#include <span>
#include <string>
#include <vector>

#include "directtable/table_text.h"
#include "platform/mapped_file.h"

namespace directtable {

class MappedInput {
 public:
  // Maps `file_name` from the current directory. A failure leaves data() null.
  explicit MappedInput(std::string file_name);

  const std::string& file_name() const { return file_name_; }
  const char* data() const { return reinterpret_cast<const char*>(file_.data()); }
  size_t size() const { return file_.size(); }

  // The table text for the parsers. Only valid while this input lives.
  TableText Text() const { return TableText(file_name_, data(), size()); }

 private:
  std::string file_name_;
  platform::MappedFile file_;
};

// Maps every table of `file_names`, in that order.
std::vector<MappedInput> MapInputs(std::span<const char* const> file_names);

// Tests the inputs in their order; at the first without data prints
// "Can't open file: " and its name on a line and returns false.
bool CheckInputs(const std::vector<MappedInput>& inputs);

// The input named `file_name`, or null.
const MappedInput* FindInput(const std::vector<MappedInput>& inputs, std::string_view file_name);

}  // namespace directtable

#endif  // BAKE_DIRECTTABLE_MAPPED_INPUT_H_
