#include <cmath>
#include <functional>
#include <limits>
#include <random>
#include <stdexcept>
#include <vector>

#include <gtest/gtest.h>

#include "host/model/document.h"
#include "host/view-core/in_parallel.h"
#include "host/view-core/projected_drawing.h"
#include "host/view-core/snap_index.h"
#include "host/view-core/view_projection.h"

// A window projects again only what a change touched. Whatever the changes, what it has must
// be what projecting the drawing afresh gives.
namespace host::view {
namespace {

using Eigen::Vector3d;
using model::BlockTable;
using Kind = ProjectedDrawing::Update::Kind;

const Eigen::Matrix3d kOrientation = viewOrientation(StandardView::SouthWestIso);

void expectSameScene(const Scene& updated, const Scene& fresh, const std::string& after) {
  SCOPED_TRACE("after " + after);
  ASSERT_EQ(updated.polylines.size(), fresh.polylines.size());
  for (std::size_t i = 0; i < fresh.polylines.size(); ++i) {
    const auto& a = updated.polylines[i];
    const auto& b = fresh.polylines[i];
    EXPECT_EQ(a.points, b.points) << "polyline " << i;
    EXPECT_EQ(a.colour, b.colour) << "polyline " << i;
    EXPECT_EQ(updated.dashPatterns[a.dashes], fresh.dashPatterns[b.dashes]) << "polyline " << i;
  }
  ASSERT_EQ(updated.texts.size(), fresh.texts.size());
  for (std::size_t i = 0; i < fresh.texts.size(); ++i) {
    EXPECT_EQ(updated.texts[i].text, fresh.texts[i].text);
    EXPECT_TRUE(updated.texts[i].textToView.isApprox(fresh.texts[i].textToView));
  }
  ASSERT_EQ(updated.points.size(), fresh.points.size());
  EXPECT_EQ(updated.areas.size(), fresh.areas.size());
  EXPECT_TRUE(updated.bounds.isApprox(fresh.bounds));
  EXPECT_EQ(updated.notShown, fresh.notShown);
}

class ProjectedDrawingTest : public testing::Test {
 protected:
  void SetUp() override {
    arrow = document.addBlock("Arrow", Vector3d::Zero());
    document.addEntity(arrow, model::Polyline3d{{{0, 0, 0}, {3, 0, 0}, {2, 1, 0}}, false});
    for (int i = 0; i < 30; ++i) addLine(i);
  }

  void addLine(int i) {
    const Vector3d from(512300.0 + 5 * i, 6712300.0 + (i % 7), 45.0);
    document.addEntity(BlockTable::kModelSpace, model::Line{from, from + Vector3d(3, 40, 1)});
  }

  void loadLargeDrawing() {
    model::Document::HistoryPause loading(document);
    for (int i = 0; i < 60000; ++i) {
      const Eigen::Affine3d place(Eigen::Translation3d(512000.0 + i % 300, 6712000.0 + i / 300, 0));
      if (i % 3 == 0) {
        document.addEntity(BlockTable::kModelSpace, model::BlockReference{arrow, place});
      } else {
        addLine(i);
      }
    }
  }

  std::size_t count() const { return document.blocks()[BlockTable::kModelSpace].entities.size(); }
  model::EntityLocation at(std::size_t index) const { return {BlockTable::kModelSpace, index}; }

  model::Document document;
  model::BlockIndex arrow = 0;
};

TEST_F(ProjectedDrawingTest, AfterEveryKindOfChangeEqualsTheDrawingProjectedAfresh) {
  ProjectedDrawing projected(document, kOrientation);
  projected.snapPoints();
  struct Step {
    std::string what;
    std::function<void()> change;
    Kind expected;
  };
  const std::vector<Step> steps = {
      {"an insert with a text, as one step",
       [&] {
         model::Document::UndoGroup step(document, "Insert");
         const Eigen::Affine3d place(Eigen::Translation3d(512310, 6712320, 45));
         document.addEntity(BlockTable::kModelSpace, model::BlockReference{arrow, place});
         document.addEntity(BlockTable::kModelSpace, model::Text{"0.012", place, 0.5, 0});
         document.addEntity(BlockTable::kModelSpace, model::Point{{512311, 6712321, 45}});
       },
       Kind::Grown},
      {"undoing it", [&] { document.undo(); }, Kind::Changed},
      {"redoing it", [&] { document.redo(); }, Kind::Grown},
      {"a line added", [&] { addLine(40); }, Kind::Grown},
      {"a line changed in the middle",
       [&] {
         document.replaceEntity(at(12), model::Circle{{512320, 6712330, 45}, 2.0});
       },
       Kind::Changed},
      {"the first line erased", [&] { document.eraseEntity(at(0)); }, Kind::Changed},
      {"a line added after that", [&] { addLine(41); }, Kind::Grown},
      {"the UCS moved",
       [&] {
         document.setCurrentUcs(
             {"", geom::Frame::fromDirections({1, 2, 3}, {0, 1, 0}, {-1, 0, 0})});
       },
       Kind::None},
      {"layer 0 turned red",
       [&] {
         model::Layer layer = document.layers()[0];
         layer.colour = 1;
         document.setLayer(0, layer);
       },
       Kind::Changed},
      {"the block redefined",
       [&] {
         document.addEntity(arrow, model::Line{{0, 0, 0}, {0, 5, 0}});
       },
       Kind::Changed},
      {"the drawing saved", [&] { document.markSaved(); }, Kind::None},
  };
  for (const Step& step : steps) {
    step.change();
    EXPECT_EQ(projected.update().kind, step.expected) << step.what;
    expectSameScene(projected.scene(), buildScene(document, kOrientation), step.what);
    const auto fresh = snapPoints(document);
    ASSERT_EQ(projected.snapPoints().size(), fresh.size()) << step.what;
    for (std::size_t i = 0; i < fresh.size(); ++i) {
      EXPECT_EQ(projected.snapPoints()[i].world, fresh[i].world) << step.what;
    }
  }
}

TEST_F(ProjectedDrawingTest, MarksTheFirstNewPieceOfAnAppend) {
  ProjectedDrawing projected(document, kOrientation);
  const std::size_t before = projected.scene().polylines.size();
  addLine(50);
  const auto update = projected.update();
  EXPECT_EQ(update.kind, Kind::Grown);
  EXPECT_EQ(update.from.polylines, before);
  EXPECT_EQ(projected.scene().polylines.size(), before + 1);
}

TEST_F(ProjectedDrawingTest, SnapPointsAskedForLateStillFollowUndo) {
  ProjectedDrawing projected(document, kOrientation);
  for (int i = 0; i < 5; ++i) {
    model::Document::UndoGroup step(document, "LINE");
    addLine(60 + i);
    projected.update();
  }
  const std::size_t all = projected.snapPoints().size();
  document.undo();
  document.undo();
  const auto update = projected.update();
  EXPECT_EQ(update.snapFrom, all - 4);
  EXPECT_EQ(projected.snapPoints().size(), snapPoints(document).size());
}

// A large drawing is projected in parts at the same time; the parts join as one projection.
TEST_F(ProjectedDrawingTest, ALargeDrawingProjectedInPartsIsProjectedWhole) {
  loadLargeDrawing();
  ProjectedDrawing projected(document, kOrientation);
  expectSameScene(projected.scene(), buildScene(document, kOrientation), "loading");
  EXPECT_EQ(projected.snapPoints().size(), snapPoints(document).size());
}

// What a large drawing has projected stays where it is when a few entities are added, as an
// Insert adds them: moving millions of pieces would cost as much as projecting them.
TEST_F(ProjectedDrawingTest, AddingAFewEntitiesToALargeDrawingMovesNothingProjected) {
  loadLargeDrawing();
  ProjectedDrawing projected(document, kOrientation);
  const auto* polylines = projected.scene().polylines.data();
  const auto* points = projected.snapPoints().data();
  SnapIndex index(projected.snapPoints(), kOrientation, 2.0);
  for (int insert = 0; insert < 20; ++insert) {
    const std::size_t offered = projected.snapPoints().size();
    {
      model::Document::UndoGroup step(document, "Insert");
      for (int i = 0; i < 10; ++i) addLine(insert * 10 + i);
    }
    EXPECT_EQ(projected.update().kind, Kind::Grown);
    index.append(std::span(projected.snapPoints()).subspan(offered));
  }
  EXPECT_EQ(projected.scene().polylines.data(), polylines);
  EXPECT_EQ(projected.snapPoints().data(), points);
  expectSameScene(projected.scene(), buildScene(document, kOrientation), "inserts");
  EXPECT_EQ(index.size(), SnapIndex(snapPoints(document), kOrientation, 2.0).size());
}

// A window finds the snap points of a large drawing a part at a time between its events. Found
// so, with the drawing changed or not between two parts, they are those of the drawing found at
// once, and each mark's count holds for an undo afterwards.
TEST_F(ProjectedDrawingTest, SnapPointsFoundAPartAtATimeAreThoseOfTheDrawing) {
  loadLargeDrawing();
  struct Case {
    const char* what;
    std::function<void()> betweenParts;
  };
  const std::vector<Case> cases = {
      {"nothing changed", [] {}},
      {"a line added", [&] { addLine(70); }},
      {"a line erased", [&] { document.eraseEntity(at(5)); }},
  };
  for (const Case& step : cases) {
    SCOPED_TRACE(step.what);
    {
      model::Document::UndoGroup group(document, "LINE");
      addLine(80);
    }
    ProjectedDrawing projected(document, kOrientation);
    EXPECT_TRUE(projected.snapPointsFoundSoFar().empty());
    EXPECT_FALSE(projected.findMoreSnapPoints(1000));
    const std::size_t soFar = projected.snapPointsFoundSoFar().size();
    EXPECT_GT(soFar, 0U);
    EXPECT_LT(soFar, snapPoints(document).size());
    step.betweenParts();
    projected.update();
    int parts = 1;
    while (!projected.findMoreSnapPoints(1000)) ++parts;
    EXPECT_GT(parts, 40);
    EXPECT_TRUE(projected.snapPointsFound());
    const auto fresh = snapPoints(document);
    ASSERT_EQ(projected.snapPoints().size(), fresh.size());
    EXPECT_EQ(projected.snapPointsFoundSoFar().size(), fresh.size());
    EXPECT_EQ(projected.snapPoints().back().world, fresh.back().world);

    document.undo();  // the line added last, or what was changed between the parts
    const auto update = projected.update();
    const auto undone = snapPoints(document);
    EXPECT_EQ(projected.snapPoints().size(), undone.size());
    EXPECT_LE(update.snapFrom, undone.size());
  }
}

// Another thread sorts the snap points it shares while the window goes on with an edit: what it
// holds stays as it was, and the window's own points follow the edit.
TEST_F(ProjectedDrawingTest, SharedSnapPointsStayAsTheyWereWhileTheDrawingChanges) {
  ProjectedDrawing projected(document, kOrientation);
  const auto shared = projected.sharedSnapPoints();
  const std::vector<SnapPoint> before = *shared;
  {
    model::Document::UndoGroup step(document, "LINE");
    addLine(90);
  }
  projected.update();
  document.eraseEntity(at(0));
  projected.update();
  ASSERT_EQ(shared->size(), before.size());
  for (std::size_t i = 0; i < before.size(); ++i) EXPECT_EQ((*shared)[i].world, before[i].world);
  EXPECT_EQ(projected.snapPoints().size(), snapPoints(document).size());
  EXPECT_NE(projected.snapPoints()[0].world, before[0].world);
}

TEST(InParallel, RunsEveryPartAndThrowsWhatAPartThrew) {
  std::vector<int> done(5, 0);
  inParallel(done.size(), [&](std::size_t part) { done[part] = 1; });
  EXPECT_EQ(done, std::vector<int>(5, 1));
  EXPECT_THROW(inParallel(3,
                          [](std::size_t part) {
                            if (part == 2) throw std::runtime_error("part 2 failed");
                          }),
               std::runtime_error);
}

// The index after points are appended and taken back answers as one built from the points.
TEST(SnapIndexUpdate, AnswersAsAnIndexBuiltAfresh) {
  std::mt19937 random(11);
  std::uniform_real_distribution<double> coordinate(-50.0, 50.0);
  const auto somePoints = [&](int count) {
    std::vector<SnapPoint> points;
    for (int i = 0; i < count; ++i) {
      points.push_back({{coordinate(random), coordinate(random), coordinate(random)}});
    }
    return points;
  };
  const double nan = std::numeric_limits<double>::quiet_NaN();
  std::vector<SnapPoint> points = somePoints(500);
  points.push_back({{nan, 0, 0}});  // offered but left out
  SnapIndex updated(points, kOrientation, 2.0);
  const auto more = somePoints(300);
  updated.append(more);
  points.insert(points.end(), more.begin(), more.end());
  updated.truncate(650);
  points.resize(650);
  const auto last = somePoints(40);
  updated.append(last);
  points.insert(points.end(), last.begin(), last.end());

  const SnapIndex fresh(points, kOrientation, 2.0);
  EXPECT_EQ(updated.size(), fresh.size());
  for (int probe = 0; probe < 500; ++probe) {
    const Eigen::Vector2d at(coordinate(random), coordinate(random));
    const auto a = updated.nearest(at, 2.0);
    const auto b = fresh.nearest(at, 2.0);
    ASSERT_EQ(a.has_value(), b.has_value());
    if (a) {
      EXPECT_EQ(a->world, b->world);
    }
  }
}

}  // namespace
}  // namespace host::view
