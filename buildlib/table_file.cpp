#include "buildlib/table_file.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <utility>

#include "buildlib/number_text.h"
#include "buildlib/report_error.h"
#include "platform/output_file.h"
#include "platform/process.h"
#include "platform/whole_file.h"

namespace buildlib {

namespace {

// The converter's program file name.
constexpr const char kConverterName[] = "hivecast";

// A cell: the bytes between two separators, white space trimmed.
std::string Trimmed(const std::string& text, size_t begin, size_t end) {
  return std::string(TrimSpace(std::string_view(text).substr(begin, end - begin)));
}

}  // namespace

int SplitCells(const std::string& text, std::vector<std::string>* cells, char separator) {
  cells->clear();
  size_t start = 0;
  while (true) {
    size_t end = text.find(separator, start);
    if (end == std::string::npos) {
      cells->push_back(Trimmed(text, start, text.size()));
      return 1;
    }
    cells->push_back(Trimmed(text, start, end));
    start = end + 1;
  }
}

int TableFile::Load(const std::string& file_name) {
  std::string text;
  int error = 0;
  if (!platform::ReadWholeFile(file_name, &text, &error)) {
    std::printf("Can't open file \"%s\".\n", file_name.c_str());
    return 0;
  }
  // The table's text ends at its first zero byte, as a C text would.
  size_t zero = text.find('\0');
  if (zero != std::string::npos) text.resize(zero);
  text_ = std::move(text);
  cursor_ = 0;
  return 1;
}

std::string TableFile::ReadLine() {
  if (cursor_ >= text_.size()) return std::string();
  size_t end = text_.find('\n', cursor_);
  std::string line;
  if (end == std::string::npos) {
    line = text_.substr(cursor_);
    cursor_ = text_.size();
  } else {
    line = text_.substr(cursor_, end - cursor_);
    cursor_ = end + 1;
  }
  return line;
}

int TableFile::ReadHeader() {
  std::vector<std::string> cells;
  SplitCells(ReadLine(), &cells);
  column_groups_.clear();
  for (const std::string& cell : cells) column_groups_.push_back({cell, {}, 1});
  column_names_ = std::move(cells);
  return 1;
}

int TableFile::ReadGroupedHeader() {
  std::vector<std::string> groups_line;
  SplitCells(ReadLine(), &groups_line);
  column_groups_.clear();
  // Columns before the first named group: a nameless group whose columns are
  // named by their own sub-names.
  size_t leading = 0;
  for (const std::string& cell : groups_line) {
    bool starts_group = !cell.empty() && std::isalnum(static_cast<unsigned char>(cell[0]));
    if (starts_group) {
      column_groups_.push_back({cell, {}, 1});
    } else if (column_groups_.empty()) {
      ++leading;
    } else {
      ++column_groups_.back().span;
    }
  }

  std::vector<std::string> sub_line;
  SplitCells(ReadLine(), &sub_line);
  size_t next = 0;
  auto take_sub_name = [&]() {
    return next < sub_line.size() ? sub_line[next++] : std::string();
  };

  column_names_.clear();
  for (size_t i = 0; i < leading; ++i) column_names_.push_back(take_sub_name());
  for (ColumnGroup& group : column_groups_) {
    for (int32_t i = 0; i < group.span; ++i) group.sub_names.push_back(take_sub_name());
    if (group.span == 1) {
      column_names_.push_back(group.name);
    } else {
      for (const std::string& sub : group.sub_names) column_names_.push_back(group.name + " " + sub);
    }
  }
  return 1;
}

int TableFile::ConvertToRegistry() {
  RemoveTempFiles();
  const std::string ini_name = IniFileName();
  // The INI text goes straight to the file through stdio's buffer: a large
  // table's INI text is several times the table's size.
  std::FILE* file = std::fopen(ini_name.c_str(), "w");
  if (file == nullptr) {
    ReportError("Can't create the converter's input file \"%s\": %s.\n", ini_name.c_str(),
                platform::ErrorText(errno).c_str());
    return 0;
  }
  auto put = [file](const std::string& text) { std::fwrite(text.data(), 1, text.size(), file); };
  std::vector<std::string> cells;
  int row_number = 0;
  for (std::string line = ReadLine(); !line.empty(); line = ReadLine()) {
    SplitCells(line, &cells);
    if (cells[0].empty()) continue;  // rows without a key are not records
    std::fputs("\n[", file);
    put(cells[0]);
    std::fputs("]\n", file);
    for (size_t i = 0; i < column_names_.size() && i < cells.size(); ++i) {
      std::string& cell = cells[i];
      // Percent cells ("50%") are stored as their number.
      while (!cell.empty() && cell.back() == '%') cell.pop_back();
      if (cell.empty()) continue;
      put(column_names_[i]);
      std::fputc('=', file);
      put(cell);
      std::fputc('\n', file);
    }
    std::fprintf(file, "SortOrderID=%d\n", row_number++);
  }
  bool written = !std::ferror(file);
  written = (std::fclose(file) == 0) && written;
  if (!written) {
    ReportError("Can't write the converter's input file \"%s\": %s.\n", ini_name.c_str(),
                platform::ErrorText(errno).c_str());
    return 0;
  }

  std::string converter = platform::FindProgram(kConverterName);
  if (converter.empty()) {
    ReportError("Can't run the converter \"%s\" on \"%s\": it is neither beside this program "
                "nor on the PATH.\n",
                kConverterName, ini_name.c_str());
    return 0;
  }
  // The converter runs without a console of its own; what it says on standard
  // error is shown only when it fails, as the reason.
  std::string said;
  platform::ProcessResult run = platform::RunHidden(converter, {ini_name}, &said);
  switch (run.outcome) {
    case platform::ProcessResult::Outcome::kExited:
      if (run.exit_code == 0) return 1;
      ReportError("The converter \"%s\" failed on \"%s\" (exit status %d).\n%s",
                  converter.c_str(), ini_name.c_str(), run.exit_code, said.c_str());
      return 0;
    case platform::ProcessResult::Outcome::kSignaled:
      ReportError("The converter \"%s\" was ended by signal %d while converting \"%s\".\n%s",
                  converter.c_str(), run.signal, ini_name.c_str(), said.c_str());
      return 0;
    case platform::ProcessResult::Outcome::kNotStarted:
      ReportError("Can't start the converter \"%s\" on \"%s\": %s.\n", converter.c_str(),
                  ini_name.c_str(), platform::ErrorText(run.error).c_str());
      return 0;
  }
  return 0;
}

void TableFile::RemoveTempFiles(KeepRegistry keep) {
  std::remove(IniFileName().c_str());
  if (keep == KeepRegistry::kNo) std::remove(RegistryFileName().c_str());
}

void TableFile::GetSortedSections(const CFileRegistry& registry,
                                  std::vector<CFileRegistry::Section>* sections) const {
  std::vector<std::pair<int32_t, CFileRegistry::Section>> numbered;
  for (const CFileRegistry::Section& section : registry.Sections()) {
    numbered.emplace_back(registry.GetInt(section, "SortOrderID", -1), section);
  }
  // Stable, so that equal numbers keep slot order and every run gives the same file.
  std::stable_sort(numbered.begin(), numbered.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  sections->clear();
  for (auto& entry : numbered) sections->push_back(entry.second);
}

int TableFile::BuildTable(const char* title, const std::string& file_name, HeaderKind header,
                          const FillFunction& fill, const std::function<void(size_t)>& begin_rows) {
  std::printf("%s", title);
  if (!Load(file_name)) return 0;
  if (header == HeaderKind::kOneRow) {
    if (!ReadHeader()) return 0;
  } else if (!ReadGroupedHeader()) {
    return 0;
  }
  if (!ConvertToRegistry()) return 0;
  CFileRegistry registry;
  if (!registry.Open(RegistryFileName())) return 0;

  std::vector<CFileRegistry::Section> sections;
  GetSortedSections(registry, &sections);
  if (begin_rows) begin_rows(sections.size());
  for (const CFileRegistry::Section& section : sections) {
    if (section.name().empty()) continue;
    std::printf(".");
    fill(registry, section);
  }
  // The registry file of the last table stays behind after the run, as it
  // does where an open file cannot be deleted.
  RemoveTempFiles(KeepRegistry::kYes);
  std::printf("\n");
  return 1;
}

}  // namespace buildlib
