// TableFile: one designers' table on its way to a registry file, and the
// table loop that every builder runs.
//
// A table is tab-separated text. Its header (one row, or two rows of column
// groups and sub-columns) names the columns; every further line whose first
// cell is not empty is one record, keyed by that cell. ConvertToRegistry
// writes the rows as sections of an INI text ("./tempreg.ini", each with a
// running "SortOrderID"), runs the converter hivecast on it, and the builder
// then reads "./tempreg.reg" with CFileRegistry, rows back in file order.
//
// The text ends at its first zero byte; a line ends at a line feed (a carriage
// return before it is trimmed with the cell), and a last line without a line
// feed is read too. The table ends at the first completely empty line.
#ifndef BAKE_BUILDLIB_TABLE_FILE_H_
#define BAKE_BUILDLIB_TABLE_FILE_H_

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "buildlib/file_registry.h"

namespace buildlib {

// Fills `cells` with the texts between separators, each trimmed of white
// space. An empty text gives one empty cell. Always returns 1.
int SplitCells(const std::string& text, std::vector<std::string>* cells, char separator = '\t');

enum class HeaderKind { kOneRow, kTwoRow };

class TableFile {
 public:
  struct ColumnGroup {
    std::string name;
    std::vector<std::string> sub_names;
    int32_t span = 1;
  };

  TableFile() = default;
  virtual ~TableFile() = default;
  TableFile(const TableFile&) = delete;
  TableFile& operator=(const TableFile&) = delete;

  // Writes the database into `output_directory` (which ends in '/').
  // 1 on success, 0 when the file could not be written (already reported).
  virtual int Save(const std::string& output_directory) = 0;

  // Reads the whole file; prints "Can't open file" and returns 0 when it cannot.
  int Load(const std::string& file_name);
  // The next line without its line feed; empty at the end of the text.
  std::string ReadLine();
  // One-row header: the first line's cells are the column names.
  int ReadHeader();
  // Two-row header: groups in the first line, their columns in the second.
  // A column of a group spanning several columns is named "<group> <sub-name>".
  // Columns before the first group (a first cell that is empty or starts with
  // neither a letter nor a digit) are named by their second-line cell alone; a
  // second line too short for the spans leaves the missing sub-names empty.
  int ReadGroupedHeader();
  // Writes the INI text of the remaining rows and runs the converter on it.
  int ConvertToRegistry();

  enum class KeepRegistry { kNo, kYes };
  // Deletes the INI file and, unless told to keep it, the registry file.
  void RemoveTempFiles(KeepRegistry keep = KeepRegistry::kNo);
  // The sections of an open registry in SortOrderID order (rows in file order).
  void GetSortedSections(const CFileRegistry& registry,
                         std::vector<CFileRegistry::Section>* sections) const;

  // The table loop: prints `title`, loads `file_name`, reads its header,
  // converts it and opens the registry file; then, for each section with a
  // name, in row order, prints "." and calls `fill`; then removes the INI
  // file and prints a line break. 0 (with nothing filled) when the table
  // could not be read. `begin_rows`, when given, learns the number of
  // sections before the first is filled.
  using FillFunction =
      std::function<void(const CFileRegistry& registry, const CFileRegistry::Section& row)>;
  int BuildTable(const char* title, const std::string& file_name, HeaderKind header,
                 const FillFunction& fill,
                 const std::function<void(size_t)>& begin_rows = nullptr);

  // BuildTable for a list with one record per row, in row order. On failure
  // the list is left as it was.
  template <class Record>
  int BuildList(const char* title, const std::string& file_name, HeaderKind header,
                std::vector<Record>* list,
                const std::function<void(const CFileRegistry&, const CFileRegistry::Section&,
                                         Record*)>& fill_record) {
    std::vector<Record> records;
    int ok = BuildTable(title, file_name, header,
                        [&](const CFileRegistry& registry, const CFileRegistry::Section& row) {
                          records.emplace_back();
                          fill_record(registry, row, &records.back());
                        },
                        [&](size_t rows) { records.reserve(rows); });
    if (ok) *list = std::move(records);
    return ok;
  }

  const std::vector<std::string>& column_names() const { return column_names_; }
  const std::vector<ColumnGroup>& column_groups() const { return column_groups_; }
  std::string IniFileName() const { return temp_base_name_ + ".ini"; }
  std::string RegistryFileName() const { return temp_base_name_ + ".reg"; }

 private:
  std::string text_;     // the loaded table, up to its first zero byte
  size_t cursor_ = 0;    // start of the next unread line
  std::vector<ColumnGroup> column_groups_;
  std::vector<std::string> column_names_;
  std::string temp_base_name_ = "./tempreg";
};

}  // namespace buildlib

#endif  // BAKE_BUILDLIB_TABLE_FILE_H_
