#include "check/workbook_cells.h"

#include <charconv>
#include <iterator>

#include "check/statistics_cells.h"

namespace check {

void writeNumber(Sheet& sheet, std::size_t row, std::size_t column, const CheckReport& report,
                 const std::optional<double>& value) {
  if (!value) return;
  // Tolerances are tested on the numbers as written, so the sheet holds those and not more
  // places than it shows.
  const std::string text = report.number(*value);
  double written = *value;
  std::from_chars(text.data(), text.data() + text.size(), written);
  sheet.number(row, column, written, report.decimals);
}

void writeDeviation(Sheet& sheet, std::size_t row, std::size_t column, const DeviationScale& scale,
                    const std::optional<double>& value) {
  if (!value) return;
  const std::string text = scale.text(*value);
  double shown = scale.value(*value);
  std::from_chars(text.data(), text.data() + text.size(), shown);
  sheet.number(row, column, shown, scale.decimals);
}

void Fields::text(const std::string& label, const std::string& value) {
  sheet_.heading(row_, 0, label);
  sheet_.text(row_++, 1, value);
}

void Fields::ownText(const std::string& label, const std::string& value) {
  sheet_.heading(row_, 0, label);
  sheet_.ownText(row_++, 1, value);
}

void Fields::count(const std::string& label, std::size_t value) {
  sheet_.heading(row_, 0, label);
  sheet_.count(row_++, 1, value);
}

Fields summaryHead(Sheet& sheet, const std::string& title, double labelWidth,
                   const CheckReport& report) {
  sheet.widen(0, 0, labelWidth);
  sheet.widen(1, 12, 10);
  sheet.heading(0, 0, title);
  Fields fields(sheet, 2);
  for (const auto& [label, value] : givenFields(report.fields)) fields.text(label, value);
  return fields;
}

void toleranceRows(Fields& fields, const CheckReport& report) {
  fields.count("Decimals", static_cast<std::size_t>(report.decimals));
  fields.ownText("Tolerances", tolerancesText(report));
  fields.count("Outside tolerance", report.comparison.failed);
}

void summaryFoot(Sheet& sheet, Fields& fields, const CheckReport& report) {
  for (const std::string& warning : report.warnings) fields.text("Warning", warning);
  writeStatistics(sheet, fields.row() + 1, report);
}

void writeStatistics(Sheet& sheet, std::size_t row, const CheckReport& report) {
  const char* headings[] = {
      "",        "n",  "mean", "std dev",          "rms",          "min",      "max",
      "largest", "at", "95%",  "within tolerance", "share within", "tolerance"};
  for (std::size_t c = 0; c < std::size(headings); ++c) sheet.heading(row, c, headings[c]);
  for (std::size_t k = 0; k < report.comparison.schema.size(); ++k) {
    const survey::ComponentStatistics& s = report.comparison[k];
    const DeviationScale scale = deviationScale(report, k);
    ++row;
    sheet.heading(row, 0, scale.heading(report.comparison.schema[k].heading));
    sheet.count(row, 1, s.count);
    sheet.ownText(row, 12, toleranceCell(report, k, CellUnits::Report));
    if (s.count == 0) continue;
    writeDeviation(sheet, row, 2, scale, s.mean);
    writeDeviation(sheet, row, 3, scale, s.standardDeviation);
    writeDeviation(sheet, row, 4, scale, s.rms);
    writeDeviation(sheet, row, 5, scale, s.min);
    writeDeviation(sheet, row, 6, scale, s.max);
    writeDeviation(sheet, row, 7, scale, s.largest);
    sheet.text(row, 8, s.largestId);
    writeDeviation(sheet, row, 9, scale, s.percentile95);
    if (!s.withinTolerance) continue;
    sheet.count(row, 10, *s.withinTolerance);
    // As the summary gives it, "1 (50.0%)": a share of the values counted, shown to a tenth.
    sheet.share(row, 11, static_cast<double>(*s.withinTolerance) / static_cast<double>(s.count));
  }
}

}  // namespace check
