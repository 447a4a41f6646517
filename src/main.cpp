// Kestova: draws survey deviation vectors into a CAD drawing. main only wires the libraries:
// the CAD host with its drawing windows, the main dialog, and the help notes.
#include <QApplication>
#include <QStringList>
#include <iostream>
#include <memory>
#include <vector>

#include "app/qt_message_boxes.h"
#include "app/run_kestova.h"
#include "help/show_notes.h"
#include "host/automation/host_application.h"
#include "host/automation/host_launcher.h"
#include "host/view/drawing_files.h"
#include "host/view/host_entry.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  const QStringList arguments = QApplication::arguments();
  if (arguments.size() > 2) {
    std::cerr << "usage: kestova [drawing.dxf]\n";
    return 2;
  }

  // Every host gets a drawing window, which also answers its point requests.
  std::vector<std::unique_ptr<host::view::HostWindow>> windows;
  const auto withWindow = [&windows](std::shared_ptr<host::HostApplication> cad) {
    windows.push_back(host::view::openHostWindow(cad));
    return cad::Ref<cad::Application>(std::shared_ptr<cad::Application>(cad));
  };

  // A drawing named on the command line is open in a host that is already running, as if the
  // user had started the CAD program with it; start-up then attaches to it without asking.
  host::HostLauncher::RunningTable running;
  if (arguments.size() == 2) {
    std::shared_ptr<host::model::Document> drawing;
    try {
      drawing = host::view::readDrawingFile(arguments[1].toStdString());
    } catch (const std::exception& error) {
      std::cerr << "kestova: " << error.what() << '\n';
      app::QtMessageBoxes().Inform(error.what());
      return 1;
    }
    auto cad = std::make_shared<host::HostApplication>();
    cad->addDocument(drawing);
    running["AutoCAD.Application.16"] = withWindow(cad);
  }

  host::HostLauncher launcher(std::move(running), [&withWindow](const std::string&) {
    return withWindow(host::HostApplication::withNewDrawing());
  });
  return app::runKestova(launcher, help::ShowNotes);
}
