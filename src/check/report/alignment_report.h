#pragma once

#include <QByteArray>
#include <QDateTime>
#include <filesystem>

#include "check/alignment_run.h"
#include "check/check_report.h"

namespace check::report {

// The report of a check along an alignment, as a PDF on A4 dated `date`: a first page with
// the files, the alignment, the tolerances and the statistics of doffset and dz; the plan
// along the alignment in sheets; the long section of the differences; their histograms; the
// shots outside tolerance, then those outside the alignment. `report` is the run's, with what
// the PDF adds for sign-off. Every page is numbered. Needs a QApplication.
QByteArray alignmentPdfReport(const AlignmentRun& run, const CheckReport& report,
                              const QDateTime& date);

// Writes alignmentPdfReport() to `path` whole or not at all. Throws std::runtime_error naming
// the file when it cannot be written.
void saveAlignmentPdfReport(const std::filesystem::path& path, const AlignmentRun& run,
                            const CheckReport& report, const QDateTime& date);

}  // namespace check::report
