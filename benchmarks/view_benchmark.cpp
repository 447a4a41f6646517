// Responsiveness of the host's drawing window on a large drawing: 200k lines (a third of them
// 0.50 mm and a third 1.00 mm heavy), 100k arrow inserts and 20k texts at surveyed coordinates.
// Prints the time to project the drawing, to paint it at zoom extents and zoomed in (with
// lineweights shown and not), to build the object snap index and to answer a snap
// query, and in the window itself a mouse move with snapping at zoom extents.
//
//   view_benchmark
#include <array>
#include <chrono>
#include <cstdlib>
#include <iostream>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTest>

#include "host/view-core/renderer.h"
#include "host/view-core/scene.h"
#include "host/view-core/snap_index.h"
#include "host/view/drawing_view.h"
#include "host/view/qt_canvas.h"

namespace {

using Clock = std::chrono::steady_clock;
using Eigen::Vector3d;
using host::model::BlockTable;

double millisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

std::unique_ptr<host::model::Document> largeDrawing() {
  auto document = std::make_unique<host::model::Document>();
  host::model::Document::HistoryPause pause(*document);
  const auto arrow = document->addBlock("ArrowX1", Vector3d::Zero());
  host::model::Polyline3d shape;
  shape.vertices = {{0, 0, 0}, {3, 0, 0}, {1.75, 0.5, 0}, {1.75, -0.5, 0}, {3, 0, 0}};
  document->addEntity(arrow, shape);
  const auto at = [](int i) {
    return Vector3d(512345.678 + (i % 1000) * 1.37, 6712345.123 + (i / 1000) * 2.91, 45.0);
  };
  for (int i = 0; i < 200000; ++i) {
    const auto line = document->addEntity(BlockTable::kModelSpace,
                                          host::model::Line{at(i), at(i) + Vector3d(1, 2, 0)});
    host::model::EntityProperties properties;
    properties.lineWeight = std::array{-1, 50, 100}[i % 3];
    document->setEntityProperties(line, properties);
  }
  for (int i = 0; i < 100000; ++i) {
    const Eigen::Affine3d placement = Eigen::Translation3d(at(i)) *
                                      Eigen::AngleAxisd(i * 0.001, Vector3d::UnitZ()) *
                                      Eigen::Scaling(0.25);
    document->addEntity(BlockTable::kModelSpace, host::model::BlockReference{arrow, placement});
  }
  for (int i = 0; i < 20000; ++i) {
    host::model::Text text{"0.125", Eigen::Affine3d(Eigen::Translation3d(at(i * 10))), 0.5, 0};
    document->addEntity(BlockTable::kModelSpace, text);
  }
  return document;
}

void paint(const host::view::Scene& scene, const host::view::ViewProjection& projection,
           const char* what, bool lineWeights = false) {
  QImage image(projection.width(), projection.height(), QImage::Format_RGB32);
  const auto start = Clock::now();
  QPainter painter(&image);
  host::view::QtCanvas canvas(painter);
  host::view::renderScene(scene, projection, canvas, {lineWeights, 96.0});
  painter.end();
  std::cout << "paint " << what << (lineWeights ? ", lineweights shown" : "") << ": "
            << millisecondsSince(start) << " ms\n";
}

// The window itself: a mouse move over the drawing at zoom extents with snapping, which moves
// the snap marker and repaints, averaged over many moves.
void moveTheMouse(std::shared_ptr<host::model::Document> document) {
  host::view::DrawingView view(std::make_shared<host::view::OpenDrawing>(std::move(document), 1));
  view.resize(1200, 800);
  view.show();
  if (!QTest::qWaitForWindowExposed(&view)) return;
  view.zoomExtents();
  view.repaint();
  QTest::mouseMove(&view, {600, 400});  // builds the snap index
  constexpr int kMoves = 200;
  const auto start = Clock::now();
  for (int i = 0; i < kMoves; ++i) {
    QTest::mouseMove(&view, {300 + i * 3, 200 + i * 2});
    view.repaint();
  }
  std::cout << "mouse move with snapping, in the window: " << millisecondsSince(start) / kMoves
            << " ms\n";
}

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication application(argc, argv);
  const std::shared_ptr<host::model::Document> document = largeDrawing();
  const Eigen::Matrix3d orientation =
      host::view::viewOrientation(host::view::StandardView::SouthWestIso);

  auto start = Clock::now();
  const host::view::Scene scene = host::view::buildScene(*document, orientation);
  std::cout << "project the drawing: " << millisecondsSince(start) << " ms\n";

  host::view::ViewProjection projection;
  projection.setViewport(1200, 800);
  projection.setOrientation(orientation);
  projection.fit(scene.bounds);
  paint(scene, projection, "at zoom extents");
  paint(scene, projection, "at zoom extents", true);
  projection.zoomAbout({600, 400}, 50.0);
  paint(scene, projection, "zoomed in 50 times");
  paint(scene, projection, "zoomed in 50 times", true);

  start = Clock::now();
  const double cell = 8.0 / projection.scale();
  const host::view::SnapIndex index(host::view::snapPoints(*document), orientation, cell);
  std::cout << "snap index of " << index.size() << " points: " << millisecondsSince(start)
            << " ms\n";
  start = Clock::now();
  int found = 0;
  for (int i = 0; i < 1000; ++i) {
    found += index.nearest(projection.screenToView({i % 1200 * 1.0, i % 800 * 1.0}), cell) ? 1 : 0;
  }
  std::cout << "one snap query: " << millisecondsSince(start) / 1000.0 << " ms (" << found
            << " of 1000 snapped)\n";
  moveTheMouse(document);
  return 0;
}
