#include "check/report/offscreen_pdf.h"

#include <QApplication>
#include <QDateTime>
#include <memory>

#include "check/report/alignment_report.h"
#include "check/report/pdf_report.h"

namespace check::report {
namespace {

// Qt Charts lays its charts out in Qt Widgets' graphics scene, which needs a QApplication:
// an offscreen one while `draw` runs, unless the program has one already.
template <typename Draw>
void inAnApplication(Draw draw) {
  static int argc = 1;
  static char name[] = "kestova";
  static char* argv[] = {name, nullptr};
  std::unique_ptr<QApplication> application;
  if (QCoreApplication::instance() == nullptr) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    application = std::make_unique<QApplication>(argc, argv);
  }
  draw();
}

}  // namespace

void savePdfReportOffscreen(const std::filesystem::path& path, const CheckReport& report) {
  inAnApplication([&] { savePdfReport(path, report, QDateTime::currentDateTime()); });
}

void saveAlignmentPdfReportOffscreen(const std::filesystem::path& path, const AlignmentRun& run,
                                     const CheckReport& report) {
  inAnApplication([&] { saveAlignmentPdfReport(path, run, report, QDateTime::currentDateTime()); });
}

}  // namespace check::report
