#pragma once

#include <QByteArray>
#include <QDateTime>
#include <filesystem>

#include "check/check_report.h"
#include "check/surface_run.h"

namespace check::report {

// The report of a check against a design surface, as a PDF on A4 dated `date`: a first page
// with the job's fields, the files, the tolerances and the statistics of dz and dn; a plan of
// the shots coloured by dz over the surface; the histograms of dz and dn; the lists of the
// shots outside tolerance and outside the surface, and the volumes when the check computed
// them. `report` is the run's, with what the PDF adds for sign-off: the job's fields, every shot
// on the surface listed, dz and dn in another unit. Every page is numbered. Needs a
// QApplication.
QByteArray surfacePdfReport(const SurfaceRun& run, const CheckReport& report,
                            const QDateTime& date);

// Writes surfacePdfReport() to `path` whole or not at all. Throws std::runtime_error naming the
// file when it cannot be written.
void saveSurfacePdfReport(const std::filesystem::path& path, const SurfaceRun& run,
                          const CheckReport& report, const QDateTime& date);

}  // namespace check::report
