#include <numbers>
#include <string>

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "host/view-core/scene.h"
#include "host/view-core/view_projection.h"
#include "host/view/window_fixture.h"

namespace host::view {
namespace {

// Drawing files as another program might write them: just BLOCKS and ENTITIES.
std::string drawingFile(const std::string& blocks, const std::string& entities) {
  return "0\nSECTION\n2\nBLOCKS\n" + blocks + "0\nENDSEC\n0\nSECTION\n2\nENTITIES\n" + entities +
         "0\nENDSEC\n0\nEOF\n";
}
std::string block(const std::string& name, const std::string& entities) {
  return "0\nBLOCK\n2\n" + name + "\n10\n0\n20\n0\n30\n0\n" + entities + "0\nENDBLK\n";
}
std::string insert(const std::string& name, const std::string& scale = "1") {
  return "0\nINSERT\n2\n" + name + "\n10\n0\n20\n0\n30\n0\n41\n" + scale + "\n42\n" + scale +
         "\n43\n" + scale + "\n";
}
std::string point(const std::string& x) {
  return "0\nPOINT\n10\n" + x + "\n20\n0\n30\n0\n";
}
std::string arc(const std::string& startDegrees, const std::string& endDegrees) {
  return "0\nARC\n10\n0\n20\n0\n30\n0\n40\n1\n50\n" + startDegrees + "\n51\n" + endDegrees + "\n";
}
std::string ellipse(const std::string& start, const std::string& end) {
  return "0\nELLIPSE\n10\n0\n20\n0\n30\n0\n11\n2\n21\n0\n31\n0\n40\n0.5\n41\n" + start + "\n42\n" +
         end + "\n";
}
std::string repeated(const std::string& text, int times) {
  std::string all;
  for (int i = 0; i < times; ++i) all += text;
  return all;
}

std::string eightBlocksOfTenCopies() {
  std::string blocks = block("B7", repeated(point("1"), 10));
  for (int i = 0; i < 7; ++i) {
    blocks += block("B" + std::to_string(i), repeated(insert("B" + std::to_string(i + 1)), 10));
  }
  return drawingFile(blocks, insert("B0"));
}

std::string elevenBlocksInsertingEachOther() {
  std::string blocks;
  for (int i = 0; i < 11; ++i) {
    std::string entities = point("0");
    for (int j = 0; j < 11; ++j) {
      if (j != i) entities += insert("B" + std::to_string(j));
    }
    blocks += block("B" + std::to_string(i), entities);
  }
  return drawingFile(blocks, insert("B0"));
}

struct HostileCase {
  std::string name;
  std::string content;
  std::string notShown;  // what the status bar says
};

void PrintTo(const HostileCase& c, std::ostream* os) {
  *os << c.name;
}

// What the status bar says about entities not shown, once the window has caught up with the
// drawing (it counts them when it draws).
std::string notShownOnceDrawn(const HostWindow& window, const std::string& expected) {
  if (QTest::qWaitFor([&] { return window.notShownText().toStdString() == expected; })) {
    return expected;
  }
  return window.notShownText().toStdString();
}

class HostileDrawing : public WindowFixture, public testing::WithParamInterface<HostileCase> {};

TEST_P(HostileDrawing, OpensDrawsWithinOneTurnsChordsAndCountsWhatItCannotShow) {
  QTemporaryDir folder;
  const QString path = folder.filePath("hostile.dxf");
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(GetParam().content.data(), qint64(GetParam().content.size()));
  file.close();

  ASSERT_TRUE(window->openFile(path)) << window->commandLine()->history().toStdString();
  DrawingView* opened = window->activeView();
  EXPECT_EQ(notShownOnceDrawn(*window, GetParam().notShown), GetParam().notShown);
  // Snapping looks at the same drawing: the cursor over it builds the snap grid.
  QTest::mouseMove(opened, opened->rect().center());

  const Scene scene = buildScene(*opened->document(), opened->projection().orientation());
  for (const auto& polyline : scene.polylines) {
    EXPECT_LE(polyline.points.size(), 73u);
    for (const auto& p : polyline.points) ASSERT_TRUE(p.allFinite());
  }
  EXPECT_LE(scene.points.size(), 2'000'000u);

  // The count belongs to the drawing: the other one shows everything.
  type("close");
  EXPECT_EQ(window->notShownText().toStdString(), "");
}

INSTANTIATE_TEST_SUITE_P(
    Reproducers, HostileDrawing,
    testing::Values(
        HostileCase{"ArcStartingAt1e20Degrees", drawingFile("", arc("1e20", "90")), ""},
        HostileCase{"ArcEndingAt1e9Degrees", drawingFile("", arc("0", "1e9")), ""},
        HostileCase{"ArcEndingAt1e12Degrees", drawingFile("", arc("0", "1e12")), ""},
        HostileCase{"EllipseEndingAtParameter1e7", drawingFile("", ellipse("0", "1e7")), ""},
        HostileCase{"EightBlocksOfTenCopies", eightBlocksOfTenCopies(), "20 entities not shown"},
        HostileCase{"ElevenBlocksInsertingEachOther", elevenBlocksInsertingEachOther(),
                    "100 entities not shown"},
        HostileCase{"HugePointInAHugelyScaledInsert",
                    drawingFile(block("Far", point("1e300")), insert("Far", "1e100")),
                    "1 entity not shown"}),
    [](const auto& info) { return info.param.name; });

using EntitiesNotShown = WindowFixture;

TEST_F(EntitiesNotShown, StatusBarFollowsTheDrawingAsItChanges) {
  {
    model::Document::UndoGroup step(*drawing);
    const auto loop = drawing->addBlock("Loop", Eigen::Vector3d::Zero());
    drawing->addEntity(loop, model::Point{});
    drawing->addEntity(loop, model::BlockReference{loop, Eigen::Affine3d::Identity()});
    drawing->addEntity(model::BlockTable::kModelSpace,
                       model::BlockReference{loop, Eigen::Affine3d::Identity()});
  }
  EXPECT_EQ(notShownOnceDrawn(*window, "1 entity not shown"), "1 entity not shown");
  type("undo");
  EXPECT_EQ(notShownOnceDrawn(*window, ""), "");
}

TEST(Scene, EllipticalArcEndingBelowItsStartRunsCounterClockwiseFromIt) {
  model::Document drawing;
  geom::EllipseArc shape;
  shape.majorAxis = {2, 0, 0};
  shape.ratio = 0.5;
  shape.startParameter = 3 * std::numbers::pi / 2;
  shape.endParameter = std::numbers::pi / 2;
  drawing.addEntity(model::BlockTable::kModelSpace, model::Ellipse{shape});
  const Scene scene = buildScene(drawing, Eigen::Matrix3d::Identity());
  ASSERT_EQ(scene.polylines.size(), 1u);
  const auto& points = scene.polylines[0].points;
  EXPECT_FALSE(scene.polylines[0].closed);
  EXPECT_TRUE(points.front().isApprox(Eigen::Vector2d(0, -1)));
  EXPECT_TRUE(points.back().isApprox(Eigen::Vector2d(0, 1)));
  // The half on the side of +X, in half a turn's chords.
  for (const auto& p : points) EXPECT_GE(p.x(), -1e-12);
  EXPECT_EQ(points.size(), 37u);
}

}  // namespace
}  // namespace host::view
