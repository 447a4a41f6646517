#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "check/check_report.h"
#include "check/deviation_scale.h"
#include "check/workbook.h"

// Cells the workbooks of every kind of check write alike: numbers as the other reports write
// them, label and value rows, the statistics per component.
namespace check {

// A coordinate (or a chainage, a level) as the check wrote it; an empty cell without a value.
void writeNumber(Sheet& sheet, std::size_t row, std::size_t column, const CheckReport& report,
                 const std::optional<double>& value);

// A deviation in the report's unit, rounded as the PDF shows it; an empty cell without one.
void writeDeviation(Sheet& sheet, std::size_t row, std::size_t column, const DeviationScale& scale,
                    const std::optional<double>& value);

// Label and value rows under each other, from `row` on.
class Fields {
 public:
  Fields(Sheet& sheet, std::size_t row) : sheet_(sheet), row_(row) {}
  void text(const std::string& label, const std::string& value);
  void ownText(const std::string& label, const std::string& value);
  void count(const std::string& label, std::size_t value);
  // The next free row.
  std::size_t row() const { return row_; }

 private:
  Sheet& sheet_;
  std::size_t row_;
};

// The head of a "Summary" sheet: the columns widened, the label column to `labelWidth`, and
// `title` over the job's fields. The check's own rows follow in the fields it gives.
Fields summaryHead(Sheet& sheet, const std::string& title, double labelWidth,
                   const CheckReport& report);

// The rows of the check's decimals, its tolerances and the count outside them.
void toleranceRows(Fields& fields, const CheckReport& report);

// The foot of a "Summary" sheet: the warnings, then the statistics per component.
void summaryFoot(Sheet& sheet, Fields& fields, const CheckReport& report);

// The table of statistics per component from `row` on: n, mean, std dev, rms, min, max, the
// largest and where, 95%, the count within tolerance and its share, the tolerance.
void writeStatistics(Sheet& sheet, std::size_t row, const CheckReport& report);

}  // namespace check
