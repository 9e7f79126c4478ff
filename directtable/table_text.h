// The text of one mapped table, cut into lines and cells.
//
// Lines end at every line feed and carriage return; a run of them is one
// break, so CR LF, LF and CR alone read the same and blank lines do not exist
// for the parsers. The line counter counts the lines handed out, so a message's
// line number is the line's position among the table's non-empty lines, the
// header being line 1.
//
// The parsers read each line as a C text: a zero byte ends the line's text,
// and the bytes after it up to the line break belong to no cell. Line breaks
// are still looked for over the whole table, so the lines after such a line
// are read as usual. A zero byte is never an error and is not reported.
//
// The mapped file is not zero-terminated: the text ends where the file ends,
// and every view handed out lies inside it. Lines are views into the mapping,
// so no table text is copied.
#ifndef BAKE_DIRECTTABLE_TABLE_TEXT_H_
#define BAKE_DIRECTTABLE_TABLE_TEXT_H_

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace directtable {

class TableText {
 public:
  // `data` and `size` describe the whole table; `file_name` names it in messages.
  TableText(std::string_view file_name, const char* data, size_t size);

  // Moves to the next line, counts it and sets *line to its text (up to its
  // first zero byte, if it holds one). False at the end of the text.
  bool NextLine(std::string_view* line);

  // Passes over the next line without counting or checking it: for a table
  // that carries one extra line before its header.
  void SkipLine();

  // Number of lines handed out by NextLine so far.
  int line_number() const { return line_number_; }
  const std::string& file_name() const { return file_name_; }

 private:
  // The next line's view, advancing past it and the line ends that follow.
  // Empty only at the end of the text.
  std::string_view CutLine();

  std::string file_name_;
  const char* data_;
  size_t size_;
  size_t position_ = 0;
  int line_number_ = 0;
};

// Cuts `line` into cells at TABs, from cell 0 on, into cells[0], cells[1] and
// so on; cells past the end of `cells` are not looked for. Cells keep every
// byte (no trimming; quotes stay); two TABs in a row give an empty cell, and a
// TAB at the end gives an empty last cell. A line that begins with a TAB has
// only its empty cell 0. Returns the number of cells found; the entries after
// them are set to empty views, which read as empty texts and zeros.
size_t CutCells(std::string_view line, std::span<std::string_view> cells);

}  // namespace directtable

#endif  // BAKE_DIRECTTABLE_TABLE_TEXT_H_
