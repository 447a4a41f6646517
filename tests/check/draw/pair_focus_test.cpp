// Bringing one pair into view through the built-in host: the zoom the view is asked for and the
// entities highlighted, seen by a stand-in for the drawing window.
#include "check/draw/pair_focus.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <set>

#include "check/check_run.h"
#include "host/automation/host_application.h"
#include "host/automation/host_entity.h"

namespace check::draw {
namespace {

using Eigen::Vector3d;

// What the drawing window would show.
struct SeenWindow : host::WindowControl {
  void zoomWindow(const host::model::Document&, const Vector3d& corner,
                  const Vector3d& opposite) override {
    zooms.push_back({corner, opposite});
  }
  void highlight(const host::model::Document&, host::model::Handle handle, bool on) override {
    if (on) {
      highlighted.insert(handle);
    } else {
      highlighted.erase(handle);
    }
  }
  std::vector<std::pair<Vector3d, Vector3d>> zooms;
  std::set<host::model::Handle> highlighted;
};

TEST(ZoomCorners, AddAQuarterOfTheLargerSideOrMakeAPointOneUnitWide) {
  struct Case {
    Vector3d min, max, lowerLeft, upperRight;
  };
  for (const Case& c : {
           Case{{0, 0, 0}, {4, 2, 0}, {-1, -1, 0}, {5, 3, 0}},
           Case{{10, 20, 1}, {10, 28, 3}, {8, 18, 1}, {12, 30, 3}},
           Case{{5, 5, 5}, {5, 5, 5}, {4.5, 4.5, 5}, {5.5, 5.5, 5}},
       }) {
    const auto [lowerLeft, upperRight] = zoomCorners(Eigen::AlignedBox3d(c.min, c.max));
    EXPECT_TRUE(lowerLeft.isApprox(c.lowerLeft)) << lowerLeft.transpose();
    EXPECT_TRUE(upperRight.isApprox(c.upperRight)) << upperRight.transpose();
  }
}

class PairFocusTest : public testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "design.csv") << "Point,Easting,Northing,Elevation\n"
                                            "A,0,0,0\nB,100,0,0\n";
    std::ofstream(folder / "survey.csv") << "A,0.01,0,0\nB,100,0.05,0\n";
    CheckRequest request;
    request.design = folder / "design.csv";
    request.survey = folder / "survey.csv";
    run = checkSurvey(request);
    cad->addDocument(model);
    cad->setWindowControl(window);
  }
  void TearDown() override { std::filesystem::remove_all(folder); }

  const survey::Point& design(std::size_t pair) const {
    return run.report().design.points[run.report().pairing.pairs[pair].design];
  }
  const survey::Point& surveyed(std::size_t pair) const {
    return run.report().pairing.pairs[pair].survey.point;
  }
  std::set<host::model::Handle> handlesOf(const DrawnPair& pair) const {
    std::set<host::model::Handle> handles;
    for (const auto& entity : pair.entities) handles.insert(host::modelEntity(entity).handle);
    return handles;
  }

  std::filesystem::path folder =
      std::filesystem::path(testing::TempDir()) / ("pair_focus_test_" + std::to_string(::getpid()));
  CheckRun run;
  std::shared_ptr<host::model::Document> model = std::make_shared<host::model::Document>();
  std::shared_ptr<host::HostApplication> cad = std::make_shared<host::HostApplication>();
  std::shared_ptr<SeenWindow> window = std::make_shared<SeenWindow>();
  PairFocus focus{std::static_pointer_cast<cad::Application>(cad)};
};

TEST_F(PairFocusTest, ZoomsToThePairAndMovesTheHighlightFromPairToPair) {
  DrawSettings settings;
  settings.textHeight = 0.5;
  const DrawnVectors drawn = drawVectors(*cad->ActiveDocument(), run.report(), settings, {});
  ASSERT_EQ(drawn.pairs.size(), 2u);
  focus.remember(run.report(), drawn);
  for (const std::size_t pair : {0u, 1u, 0u}) {
    SCOPED_TRACE(pair);
    focus.show(design(pair), surveyed(pair));
    EXPECT_EQ(window->highlighted, handlesOf(drawn.pairs[pair]));
    const auto [lowerLeft, upperRight] = window->zooms.back();
    const Eigen::AlignedBox3d shown(lowerLeft, upperRight);
    // The points and the vectors' labels, a few text heights beside them, and not the other
    // pair 100 units away.
    EXPECT_TRUE(shown.contains(Vector3d(design(pair).x, design(pair).y, 0)));
    EXPECT_TRUE(shown.contains(Vector3d(surveyed(pair).x, surveyed(pair).y, 0)));
    EXPECT_TRUE(shown.contains(drawn.pairs[pair].box));
    EXPECT_LT(shown.sizes().head<2>().maxCoeff(), 20.0);
  }
}

TEST_F(PairFocusTest, APairNeverDrawnOrDrawnAndDeletedIsOnlyZoomedTo) {
  const DrawnVectors drawn = drawVectors(*cad->ActiveDocument(), run.report(), {}, {});
  DrawnVectors onlyTheFirst;
  onlyTheFirst.pairs = {drawn.pairs[0]};
  focus.remember(run.report(), onlyTheFirst);
  for (const auto& entity : drawn.pairs[0].entities) entity->Delete();
  for (const std::size_t pair : {0u, 1u}) {
    focus.show(design(pair), surveyed(pair));
    EXPECT_TRUE(window->highlighted.empty()) << pair;
  }
  EXPECT_EQ(window->zooms.size(), 2u);
}

TEST_F(PairFocusTest, WithTheDrawingClosedTheZoomFailsAsAnAutomationCall) {
  cad->closeDocument(*model);
  EXPECT_THROW(focus.show(design(0), surveyed(0)), cad::AutomationError);
  EXPECT_TRUE(window->zooms.empty());
}

}  // namespace
}  // namespace check::draw
