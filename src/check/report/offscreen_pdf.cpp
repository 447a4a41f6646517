#include "check/report/offscreen_pdf.h"

#include <QApplication>
#include <QDateTime>
#include <functional>
#include <memory>

#include "check/report/alignment_report.h"
#include "check/report/pdf_report.h"
#include "check/report/private_runtime_folder.h"
#include "check/report/surface_report.h"

namespace check::report {
namespace {

// Runs `draw` in the program's application, or when it has none yet in an offscreen one: Qt
// Charts lays its charts out in Qt Widgets' graphics scene, which needs a QApplication. Without
// a desktop session the application gets a runtime folder of its own, so that Qt stays quiet.
void withApplication(const std::function<void()>& draw) {
  static int argc = 1;
  static char name[] = "kestova";
  static char* argv[] = {name, nullptr};
  std::unique_ptr<PrivateRuntimeFolder> runtimeFolder;
  std::unique_ptr<QApplication> application;
  if (QCoreApplication::instance() == nullptr) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    runtimeFolder = std::make_unique<PrivateRuntimeFolder>();
    application = std::make_unique<QApplication>(argc, argv);
  }
  draw();
}

}  // namespace

void savePdfReportOffscreen(const std::filesystem::path& path, const CheckReport& report) {
  withApplication([&] { savePdfReport(path, report, QDateTime::currentDateTime()); });
}

void saveSurfacePdfReportOffscreen(const std::filesystem::path& path, const SurfaceRun& run,
                                   const CheckReport& report) {
  withApplication([&] { saveSurfacePdfReport(path, run, report, QDateTime::currentDateTime()); });
}

void saveAlignmentPdfReportOffscreen(const std::filesystem::path& path, const AlignmentRun& run,
                                     const CheckReport& report) {
  withApplication([&] { saveAlignmentPdfReport(path, run, report, QDateTime::currentDateTime()); });
}

}  // namespace check::report
