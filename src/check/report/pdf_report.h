#pragma once

#include <QByteArray>
#include <QDateTime>
#include <filesystem>

#include "check/check_report.h"

namespace check::report {

// The report to hand the site engineer, as a PDF on A4, dated `date`: a first page with the
// files, the date, the match mode, the UCS, the tolerances and the statistics; a plan of every
// pair; a histogram per component; the lists of the pairs outside tolerance and of the points
// unmatched, over as many pages as they take. Every page is numbered. Needs a QApplication.
QByteArray pdfReport(const CheckReport& report, const QDateTime& date);

// Writes pdfReport() to `path` whole or not at all. Throws std::runtime_error naming the file
// when it cannot be written.
void savePdfReport(const std::filesystem::path& path, const CheckReport& report,
                   const QDateTime& date);

}  // namespace check::report
