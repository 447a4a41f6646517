// Takes the pictures of the user guide: a short session on a small site, played in the real
// windows, with the dialog, the drawing in plan and in an isometric view, and the help notes
// grabbed along the way. Usage: kestova_screenshots <folder>; scripts/screenshots.sh runs it
// under Xvfb.
#include <QApplication>
#include <QTest>
#include <cstdio>
#include <cstdlib>

#include "app/kestova_dialog.h"
#include "host/view/host_window.h"
#include "site_drawing.h"
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
  const QString folder = QString::fromLocal8Bit(argv[1]);

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
