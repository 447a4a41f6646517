// Takes the pictures of the user guide: a short session on a small site, played in the real
// windows, with the dialog, the drawing in plan and in an isometric view, and the help notes
// grabbed along the way. Usage: kestova_screenshots <folder>; scripts/screenshots.sh runs it
// under Xvfb.
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <cstdio>
#include <cstdlib>

#include "app/kestova_dialog.h"
#include "check/window/check_window.h"
#include "host/view/host_window.h"
#include "site_drawing.h"
#include "support/project_paths.h"
#include "user_session.h"

namespace {

using Eigen::Vector3d;

struct Stake {
  Vector3d design;
  Vector3d survey;
};

// Three stakes of a small building, in the site's UCS, and the outline between them.
const Stake kStakes[] = {{{10, 10, 0}, {10.240, 9.870, 0.012}},
                         {{30, 10, 0}, {29.820, 10.160, -0.008}},
                         {{30, 24, 0}, {30.150, 24.210, 0.045}}};

QString typed(const Vector3d& p) {
  return QString("%1,%2,%3").arg(p.x()).arg(p.y()).arg(p.z());
}

void save(QWidget& window, const QString& folder, const char* name) {
  const QString path = folder + "/" + name;
  if (!QTest::qWaitForWindowExposed(&window)) {
    std::fprintf(stderr, "kestova_screenshots: %s never showed\n", qPrintable(path));
    std::exit(1);
  }
  QApplication::processEvents();
  if (!window.grab().save(path, "PNG")) {
    std::fprintf(stderr, "kestova_screenshots: cannot write %s\n", qPrintable(path));
    std::exit(1);
  }
  std::printf("wrote %s\n", qPrintable(path));
}

// Tools, "Check survey against design…" over the guide's example files, as the guide checks them:
// the tolerances, 3 decimals, and from a new drawing, so along the world axes. The pair outside
// the tolerances shows in red.
void checkExamples(host::view::HostWindow& cad, const QString& folder) {
  cad.newDrawing();
  for (QAction* menu : cad.menuBar()->actions()) {
    if (menu->text() != "&Tools") continue;
    for (QAction* entry : menu->menu()->actions()) {
      if (entry->text().remove('&') == "Check survey against design…") entry->trigger();
    }
  }
  auto* window = cad.findChild<check::CheckWindow*>();
  if (window == nullptr) {
    std::fprintf(stderr, "kestova_screenshots: the check window did not open\n");
    std::exit(1);
  }
  window->resize(1100, 860);
  window->move(20, 20);
  // The files by their names, as a surveyor working in their folder chooses them.
  const QString workingFolder = QDir::currentPath();
  QDir::setCurrent(QString::fromStdString(testing_support::sourcePath("docs/examples")));
  for (const auto& [box, file] : {std::pair{"design", "design.csv"}, {"survey", "survey.csv"}}) {
    auto* path = window->findChild<QWidget*>(box)->findChild<QLineEdit*>("path");
    QTest::keyClicks(path, file);
    QTest::keyClick(path, Qt::Key_Return);
  }
  for (const auto& [letter, tolerance] :
       {std::pair{"x", 0.02}, {"y", 0.02}, {"z", 0.01}, {"h", 0.025}}) {
    window->findChild<QCheckBox*>(QString("tested_") + letter)->setChecked(true);
    window->findChild<QDoubleSpinBox*>(QString("tolerance_") + letter)->setValue(tolerance);
  }
  window->findChild<QSpinBox*>("decimals")->setValue(3);
  auto* check = window->findChild<QPushButton*>("check");
  check->click();
  if (!QTest::qWaitFor([&] { return check->isEnabled(); })) {
    std::fprintf(stderr, "kestova_screenshots: the check did not finish\n");
    std::exit(1);
  }
  save(*window, folder, "check-window.png");
  window->close();
  QDir::setCurrent(workingFolder);
}

// A drawing from another CAD program as its author drew it: coloured layers, dashed kerbs,
// hatches, dimensions, blocks and stakes in a point style, with lineweights shown and the
// Layers panel beside it.
void showSite(host::view::HostWindow& cad, const QString& folder) {
  cad.resize(1200, 760);
  if (!cad.openFile(
          QString::fromStdString(testing_support::sourcePath("docs/examples/site.dxf")))) {
    std::fprintf(stderr, "kestova_screenshots: cannot open the example site drawing\n");
    std::exit(1);
  }
  cad.runCommand("LWT ON");
  cad.runCommand("ZOOM EXTENTS");
  save(cad, folder, "drawing-site.png");
  cad.runCommand("CLOSE");
}

void play(e2e::UserSession& session, const host::geom::Frame& ucs, const QString& folder) {
  host::view::HostWindow& cad = session.cadWindow();
  cad.resize(960, 640);
  cad.move(300, 40);
  session.dialog().move(20, 40);
  session.typeLine(QString("LINE %1 %2").arg(typed(kStakes[0].design), typed(kStakes[1].design)));
  session.typeLine(QString("LINE %1 %2").arg(typed(kStakes[1].design), typed(kStakes[2].design)));
  session.typeLine("VIEW PLAN");
  session.typeOver("txtTextHgt", "0.6");

  // Each stake grouped beside its survey point with a leader to the design point; the Z
  // deviation in a bubble for the first two, as an upright arrow for the third.
  for (int i = 0; i < 3; ++i) {
    const Stake& stake = kStakes[i];
    session.onPrompt("From Design Point ", [&] { session.typeLine(typed(stake.design)); });
    session.onPrompt("To Survey Point ", [&] { session.typeLine(typed(stake.survey)); });
    session.click("cmdPickDevs");
    if (i == 2) {
      session.click("optZVector");
      save(session.dialog(), folder, "dialog.png");
    }
    session.onPrompt("Insert Point ", [&] { session.typeLine("@2.5,2.5"); });
    session.onPrompt("Leader to Point ", [&] { session.clickAt(ucs.pointToWorld(stake.design)); });
    session.click("cmdInsert");
  }

  session.typeLine("ZOOM EXTENTS");
  QTest::mouseMove(&session.drawingView(), QPoint(5, 5));
  save(cad, folder, "drawing-plan.png");
  session.typeLine("VIEW SWISO");
  session.typeLine("ZOOM EXTENTS");
  save(cad, folder, "drawing-isometric.png");
  checkExamples(cad, folder);
  showSite(cad, folder);

  session.setModalWindowHandler([&](QWidget& notes) { save(notes, folder, "help-notes.png"); });
  QTest::keyClick(session.control("txtXerr"), Qt::Key_F1);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: kestova_screenshots <folder>\n");
    return 2;
  }
  QApplication application(argc, argv);
  // Absolute, as the check of the example files runs in their folder.
  const QString folder = QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath();

  e2e::UserSession session;
  e2e::SiteDrawing site;
  site.ucs.frame =
      host::geom::Frame::fromDirections({200, 100, 0}, {0.96, 0.28, 0}, {-0.28, 0.96, 0});
  for (const Stake& stake : kStakes) {
    site.points.push_back(site.ucs.frame.pointToWorld(stake.design));
    site.points.push_back(site.ucs.frame.pointToWorld(stake.survey));
  }
  writeSiteDrawing(site, session.path("site.dxf").toStdString());
  return session.run({"kestova", session.path("site.dxf")},
                     [&] { play(session, site.ucs.frame, folder); });
}
