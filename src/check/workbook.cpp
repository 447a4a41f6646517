#include "check/workbook.h"

#include <xlsxwriter.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <stdexcept>

#include "check/spreadsheet_text.h"

namespace check {
namespace {

lxw_row_t rowOf(std::size_t row) {
  return static_cast<lxw_row_t>(row);
}
lxw_col_t columnOf(std::size_t column) {
  return static_cast<lxw_col_t>(column);
}

// "0.000" for 3 decimals, "0" for none.
std::string formatCode(int decimals) {
  return decimals > 0 ? "0." + std::string(static_cast<std::size_t>(decimals), '0') : "0";
}

// The library says only that it could not create the file, and says it on standard error:
// the file is made here first, so that the user reads why, in the words of the other reports.
void createFile(const std::filesystem::path& path) {
  std::FILE* file = std::fopen(path.string().c_str(), "wb");
  if (!file) {
    throw std::runtime_error(path.string() + ": cannot be written (" + std::strerror(errno) + ")");
  }
  std::fclose(file);
}

}  // namespace

void Sheet::text(std::size_t row, std::size_t column, std::string_view text) {
  workbook_.check(worksheet_write_string(sheet_, rowOf(row), columnOf(column),
                                         spreadsheetText(text).c_str(), nullptr));
}

void Sheet::ownText(std::size_t row, std::size_t column, std::string_view text) {
  workbook_.check(worksheet_write_string(sheet_, rowOf(row), columnOf(column),
                                         std::string(text).c_str(), nullptr));
}

void Sheet::heading(std::size_t row, std::size_t column, std::string_view text) {
  workbook_.check(worksheet_write_string(sheet_, rowOf(row), columnOf(column),
                                         std::string(text).c_str(), workbook_.heading_));
}

void Sheet::number(std::size_t row, std::size_t column, double value, int decimals) {
  workbook_.check(worksheet_write_number(sheet_, rowOf(row), columnOf(column), value,
                                         workbook_.numberFormat(decimals)));
}

void Sheet::count(std::size_t row, std::size_t column, std::size_t value) {
  workbook_.check(worksheet_write_number(sheet_, rowOf(row), columnOf(column),
                                         static_cast<double>(value), workbook_.count_));
}

void Sheet::share(std::size_t row, std::size_t column, double fraction) {
  workbook_.check(
      worksheet_write_number(sheet_, rowOf(row), columnOf(column), fraction, workbook_.share_));
}

void Sheet::widen(std::size_t first, std::size_t last, double width) {
  workbook_.check(worksheet_set_column(sheet_, columnOf(first), columnOf(last), width, nullptr));
}

void Sheet::freeze(std::size_t rows, std::size_t columns) {
  worksheet_freeze_panes(sheet_, rowOf(rows), columnOf(columns));
}

Workbook::Workbook(const std::filesystem::path& path) : path_(path) {
  createFile(path);
  workbook_ = workbook_new(path.string().c_str());
  if (!workbook_) throw std::runtime_error(path.string() + ": cannot be written");
  heading_ = workbook_add_format(workbook_);
  format_set_bold(heading_);
  count_ = workbook_add_format(workbook_);
  format_set_num_format(count_, "0");
  share_ = workbook_add_format(workbook_);
  format_set_num_format(share_, "0.0%");
}

Workbook::~Workbook() {
  if (workbook_) lxw_workbook_free(workbook_);
}

Sheet Workbook::addSheet(const std::string& name) {
  lxw_worksheet* sheet = workbook_add_worksheet(workbook_, name.c_str());
  if (!sheet) throw std::runtime_error(path_.string() + ": cannot add the sheet " + name);
  return Sheet(*this, sheet);
}

void Workbook::close() {
  const lxw_error error = workbook_close(workbook_);
  workbook_ = nullptr;
  check(error);
}

lxw_format* Workbook::numberFormat(int decimals) {
  lxw_format*& format = numbers_[decimals];
  if (!format) {
    format = workbook_add_format(workbook_);
    format_set_num_format(format, formatCode(decimals).c_str());
  }
  return format;
}

void Workbook::check(int error) const {
  if (error == LXW_NO_ERROR) return;
  throw std::runtime_error(path_.string() + ": cannot be written (" +
                           lxw_strerror(static_cast<lxw_error>(error)) + ")");
}

}  // namespace check
