// Kestova: draws survey deviation vectors into a CAD drawing. main only wires the libraries:
// on Windows the CAD program through its automation interface, elsewhere the built-in CAD host
// with its drawing windows; the main dialog and the help notes on both; `kestova check` on the
// terminal, its PDF report drawn offscreen and its vectors drawn into a drawing of the built-in
// host, without a window.
#include <QApplication>
#include <QSettings>
#include <iostream>
#include <string>
#include <vector>

#include "check/check_command.h"
#include "check/draw/alignment_drawing.h"
#include "check/draw/surface_drawing.h"
#include "check/draw/vector_dxf.h"
#include "check/report/offscreen_pdf.h"
#include "desktop/terminal_answer.h"

#ifdef _WIN32
#include <memory>

#include "app/run_kestova.h"
#include "cad/com/com_launcher.h"
#include "help/show_notes.h"
#else
#include "desktop/built_in_host.h"
#endif

int main(int argc, char** argv) {
  // `kestova check` runs on the terminal alone, with its own options and help.
  if (argc > 1 && std::string(argv[1]) == "check") {
    return check::runCheckCommand(std::vector<std::string>(argv + 2, argv + argc), std::cout,
                                  std::cerr, check::report::savePdfReportOffscreen,
                                  check::draw::saveVectorDrawing, check::draw::saveSurfaceDrawing,
                                  check::draw::saveAlignmentDrawing,
                                  check::report::saveSurfacePdfReportOffscreen,
                                  check::report::saveAlignmentPdfReportOffscreen);
  }
  // Answered before QApplication exists, so that they work without a display.
  if (const auto answer =
          desktop::terminalAnswer(std::vector<std::string>(argv + 1, argv + argc))) {
    std::cout << answer->text;
    return answer->exitCode;
  }

  QApplication application(argc, argv);
  // The windows' settings (QSettings) go beside the main dialog's: ~/.config/Kestova/Kestova.ini.
  QCoreApplication::setOrganizationName("Kestova");
  QCoreApplication::setApplicationName("Kestova");
  QSettings::setDefaultFormat(QSettings::IniFormat);
  // Ties the windows to the installed desktop entry, whose icon the desktop then shows.
  QGuiApplication::setDesktopFileName("kestova");
#ifdef _WIN32
  if (QApplication::arguments().size() > 1) {
    std::cerr << "kestova: open the drawing in the CAD program, then start Kestova\n"
              << desktop::usage();
    return 2;
  }
  const std::unique_ptr<cad::Launcher> launcher = cad::com::makeLauncher();
  return app::runKestova(*launcher, help::ShowNotes);
#else
  return desktop::runWithBuiltInHost(QApplication::arguments());
#endif
}
