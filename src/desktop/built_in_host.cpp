#include "desktop/built_in_host.h"

#include <QMessageBox>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <vector>

#include "app/qt_message_boxes.h"
#include "app/run_kestova.h"
#include "cad/prog_ids.h"
#include "desktop/host_command_boundaries.h"
#include "desktop/launch_timings.h"
#include "desktop/survey_check_tool.h"
#include "desktop/terminal_answer.h"
#include "help/show_notes.h"
#include "host/automation/host_application.h"
#include "host/automation/host_launcher.h"
#include "host/view-files/drawing_files.h"
#include "host/view/host_entry.h"
#include "host/view/load_progress.h"

namespace desktop {

int runWithBuiltInHost(const QStringList& arguments) {
  if (arguments.size() > 2) {
    std::cerr << usage();
    return 2;
  }
  // Qt has taken its own options out by now; anything else with a dash is a mistake, not a file.
  if (arguments.size() == 2 && arguments[1].startsWith('-')) {
    std::cerr << "kestova: unknown option " << arguments[1].toStdString() << "\n" << usage();
    return 2;
  }

  // Every host gets a drawing window, which also answers its point requests.
  std::vector<std::unique_ptr<host::view::HostWindow>> windows;
  std::vector<std::shared_ptr<host::HostApplication>> hosts;
  const auto withWindow = [&windows, &hosts](std::shared_ptr<host::HostApplication> cad,
                                             std::optional<host::view::OpenDrawing> drawing = {}) {
    hosts.push_back(cad);
    windows.push_back(host::view::openHostWindow(cad, std::move(drawing)));
    host::view::HostWindow& window = *windows.back();
    addSurveyCheckTool(window, cad);
    window.addHelpEntry("&User guide", help::ShowNotes);
    window.addHelpEntry("&About Kestova", [&window] {
      QMessageBox::about(&window, "About Kestova",
                         QString("Kestova %1\nDeviation vectors for setting out, drawn into CAD "
                                 "drawings.\n\n%2")
                             .arg(KESTOVA_VERSION, QString::fromStdString(licenceNotice())));
    });
    return cad::Ref<cad::Application>(std::shared_ptr<cad::Application>(cad));
  };

  // A drawing named on the command line is open in a host that is already running, as if the
  // user had started the CAD program with it; start-up then attaches to it without asking.
  host::HostLauncher::RunningTable running;
  if (arguments.size() == 2) {
    const std::filesystem::path file = arguments[1].toStdString();
    std::shared_ptr<host::model::Document> drawing;
    try {
      host::view::LoadProgress progress(QString::fromStdString(file.filename().string()), nullptr);
      drawing = host::view::readDrawingFile(file, [&progress](double done) { progress(done); });
    } catch (const host::view::LoadCancelled&) {
      // The user would rather not wait: start as if no drawing had been named.
    } catch (const std::exception& error) {
      std::cerr << "kestova: " << error.what() << '\n';
      app::QtMessageBoxes().Inform(error.what());
      return 1;
    }
    if (drawing) {
      running[cad::kStartProgId] = withWindow(std::make_shared<host::HostApplication>(),
                                              host::view::OpenDrawing(drawing, file));
      reportLaunchTimings(*windows.back()->activeView());
    }
  }

  host::HostLauncher launcher(std::move(running), [&withWindow](const std::string&) {
    return withWindow(host::HostApplication::withNewDrawing());
  });
  HostCommandBoundaries boundaries(hosts);
  return app::runKestova(launcher, help::ShowNotes, &boundaries);
}

}  // namespace desktop
