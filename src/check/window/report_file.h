#pragma once

#include <QDateTime>
#include <QString>
#include <filesystem>

#include "check/check_report.h"

class QWidget;

namespace check {

// The file types a report can be saved as, for a file dialog: the PDF for the site engineer
// first, then the CSV of `kestova check --csv`, then the workbook of `--xlsx`.
QString reportFileFilters();

// Where a report goes when the user typed `name` with the file dialog's `filter` chosen: the
// filter's extension is added when the name has none of .pdf, .csv and .xlsx.
std::filesystem::path reportPath(const QString& name, const QString& filter);

// Writes the report as its extension says, .csv as CSV, .xlsx as a workbook and anything else as
// PDF, whole or not at all. Throws std::runtime_error naming the file when it cannot.
void saveReportFile(const std::filesystem::path& path, const CheckReport& report,
                    const QDateTime& date);

// "Save report…": asks for a file with the file dialog over `parent`, then saves to it; nothing
// when the user cancels.
void saveReportAskingForAFile(QWidget* parent, const CheckReport& report);

}  // namespace check
