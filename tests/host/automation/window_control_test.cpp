// ZoomWindow and Highlight: what reaches the drawing window, and what is refused.
#include <cmath>
#include <functional>
#include <limits>

#include "host/automation/host_entity.h"
#include "host_fixture.h"

namespace host {
namespace {

// Notes what the drawing window is asked to show.
struct NotedWindow : WindowControl {
  void zoomWindow(const model::Document& document, const Eigen::Vector3d& corner,
                  const Eigen::Vector3d& opposite) override {
    zoomed = &document;
    corners = {corner, opposite};
  }
  void highlight(const model::Document&, model::Handle handle, bool on) override {
    highlights.push_back({handle, on});
  }
  const model::Document* zoomed = nullptr;
  std::pair<Eigen::Vector3d, Eigen::Vector3d> corners;
  std::vector<std::pair<model::Handle, bool>> highlights;
};

class WindowControlTest : public HostFixture {
 protected:
  void SetUp() override { application->setWindowControl(window); }
  std::shared_ptr<NotedWindow> window = std::make_shared<NotedWindow>();
};

TEST_F(WindowControlTest, TheActiveDrawingsWindowZoomsToTheCorners) {
  application->ZoomWindow({1, 2, 3}, {4, 5, 6});
  EXPECT_EQ(window->zoomed, drawing.get());
  EXPECT_EQ(window->corners.first, Eigen::Vector3d(1, 2, 3));
  EXPECT_EQ(window->corners.second, Eigen::Vector3d(4, 5, 6));
}

TEST_F(WindowControlTest, AnEntityIsHighlightedByItsHandleWithoutChangingTheDrawing) {
  const cad::Ref<cad::Entity> line = modelSpace->AddLine({0, 0, 0}, {1, 1, 0});
  const model::Handle handle = modelEntity(line).handle;
  const bool modified = drawing->modified();
  line->Highlight(true);
  line->Highlight(false);
  EXPECT_EQ(window->highlights,
            (std::vector<std::pair<model::Handle, bool>>{{handle, true}, {handle, false}}));
  EXPECT_EQ(drawing->modified(), modified);
}

TEST_F(WindowControlTest, RefusedCallsReachNoWindow) {
  const cad::Ref<cad::Entity> deleted = modelSpace->AddLine({0, 0, 0}, {1, 1, 0});
  deleted->Delete();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  for (const auto& [what, call] : std::vector<std::pair<const char*, std::function<void()>>>{
           {"a deleted entity", [&] { deleted->Highlight(true); }},
           {"a corner not finite",
            [&] {
              application->ZoomWindow({0, nan, 0}, {1, 1, 1});
            }},
           {"no drawing open",
            [&] {
              application->closeDocument(*drawing);
              application->ZoomWindow({0, 0, 0}, {1, 1, 1});
            }},
       }) {
    EXPECT_THROW(call(), cad::AutomationError) << what;
  }
  EXPECT_EQ(window->zoomed, nullptr);
  EXPECT_TRUE(window->highlights.empty());
}

TEST(WindowControl, WithoutAWindowZoomAndHighlightShowNothingAndDoNotFail) {
  const auto application = HostApplication::withNewDrawing();
  const cad::Ref<cad::Entity> line =
      application->ActiveDocument()->ModelSpace()->AddLine({0, 0, 0}, {1, 0, 0});
  EXPECT_NO_THROW(line->Highlight(true));
  EXPECT_NO_THROW(application->ZoomWindow({0, 0, 0}, {1, 1, 0}));
}

}  // namespace
}  // namespace host
