#include "check/report/offscreen_pdf.h"

#include <QApplication>
#include <QDateTime>
#include <memory>

#include "check/report/pdf_report.h"

namespace check::report {

void savePdfReportOffscreen(const std::filesystem::path& path, const CheckReport& report) {
  // Qt Charts lays its charts out in Qt Widgets' graphics scene, which needs a QApplication.
  static int argc = 1;
  static char name[] = "kestova";
  static char* argv[] = {name, nullptr};
  std::unique_ptr<QApplication> application;
  if (QCoreApplication::instance() == nullptr) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    application = std::make_unique<QApplication>(argc, argv);
  }
  savePdfReport(path, report, QDateTime::currentDateTime());
}

}  // namespace check::report
