#pragma once

#include <cstddef>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>

struct lxw_workbook;
struct lxw_worksheet;
struct lxw_format;

// An Excel workbook written for a report (through libxlsxwriter): sheets of text and numbers,
// the numbers kept as numbers and shown with the check's decimals.
namespace check {

class Workbook;

// One sheet of a workbook, written cell by cell; rows and columns count from 0.
class Sheet {
 public:
  // Text as text, with an apostrophe in front where a spreadsheet would take it for a formula.
  void text(std::size_t row, std::size_t column, std::string_view text);
  // Text the program wrote itself, never taken from a file (a tolerance such as "-0.010 to
  // 0.030"): as it is.
  void ownText(std::size_t row, std::size_t column, std::string_view text);
  // A heading the program names: bold text, as it is.
  void heading(std::size_t row, std::size_t column, std::string_view text);
  // A number shown with `decimals` places.
  void number(std::size_t row, std::size_t column, double value, int decimals);
  // A whole number (a count).
  void count(std::size_t row, std::size_t column, std::size_t value);
  // A share (0.5) shown as a percentage to a tenth (50.0%).
  void share(std::size_t row, std::size_t column, double fraction);
  // Columns `first` to `last` `width` characters wide.
  void widen(std::size_t first, std::size_t last, double width);
  // Keeps the first `rows` rows and `columns` columns in view when scrolling.
  void freeze(std::size_t rows, std::size_t columns);

 private:
  friend class Workbook;
  Sheet(Workbook& workbook, lxw_worksheet* sheet) : workbook_(workbook), sheet_(sheet) {}
  Workbook& workbook_;
  lxw_worksheet* sheet_;
};

class Workbook {
 public:
  // A workbook to be written to `path` by close().
  explicit Workbook(const std::filesystem::path& path);
  Workbook(const Workbook&) = delete;
  Workbook& operator=(const Workbook&) = delete;
  // Frees a workbook that was not closed, without writing it.
  ~Workbook();

  Sheet addSheet(const std::string& name);

  // Writes the file. Throws std::runtime_error naming the file and the reason when it cannot.
  void close();

 private:
  friend class Sheet;
  // Throws std::runtime_error naming the file when `error` is one.
  void check(int error) const;
  // The format of numbers with `decimals` places, made once.
  lxw_format* numberFormat(int decimals);

  std::filesystem::path path_;
  lxw_workbook* workbook_ = nullptr;
  lxw_format* heading_ = nullptr;
  std::map<int, lxw_format*> numbers_;
  lxw_format* count_ = nullptr;
  lxw_format* share_ = nullptr;
};

}  // namespace check
