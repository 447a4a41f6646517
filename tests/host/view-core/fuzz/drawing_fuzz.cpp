// Fuzz target: a drawing file read, then shown as the drawing window shows it: the scene built
// from every entity's world geometry, fitted into a window and painted with lineweights shown,
// the snap points found and sorted into the snap grid, and a snap looked up. A file may be refused
// (DxfError); any other exception, a crash, a hang or a non-finite coordinate on its way to the
// painter or the snap grid, or a line width beyond the heaviest lineweight, is a fault.
#include <cmath>
#include <memory>
#include <vector>

#include "host/dxf/dxf_error.h"
#include "host/dxf/reader.h"
#include "host/view-core/renderer.h"
#include "host/view-core/scene.h"
#include "host/view-core/snap_index.h"
#include "host/view-core/snap_points.h"
#include "host/view-core/view_projection.h"
#include "support/fuzz_target.h"
#include "support/memory_file.h"

namespace {

using namespace host;

constexpr int kWindowWidth = 1000;
constexpr int kWindowHeight = 700;
constexpr double kSnapAperture = 10.0;  // pixels, as the drawing window
constexpr std::size_t kSnapLookups = 64;
// Lineweights shown at a resolution four times a common screen's, where the heaviest standard
// weight (2.11 mm) is 32 pixels.
constexpr view::LineWeightDisplay kLineWeights{true, 384.0};
constexpr double kWidestLine = 32.0;

template <typename Derived>
void requireFinite(const Eigen::DenseBase<Derived>& values, const char* where) {
  fuzz::require(values.allFinite(), where);
}

// Takes what the renderer paints and checks that a painter could: finite coordinates, and
// strokes clipped to the region the painter rasterises safely.
class CheckingCanvas : public view::Canvas {
 public:
  explicit CheckingCanvas(Eigen::AlignedBox2d safe) : safe_(safe) {}

  void setInk(view::Ink) override {}
  void setColour(view::Rgb) override {}
  void setLineWidth(double pixels) override {
    fuzz::require(pixels >= 1.0 && pixels <= kWidestLine, "a line is painted too thin or too wide");
  }
  void polyline(const std::vector<Eigen::Vector2d>& points, bool) override {
    for (const Eigen::Vector2d& p : points) {
      requireFinite(p, "a painted stroke has a non-finite point");
      fuzz::require(safe_.contains(p), "a painted stroke reaches beyond the clipped region");
    }
  }
  void fill(const std::vector<std::vector<Eigen::Vector2d>>& loops, bool) override {
    for (const auto& loop : loops) polyline(loop, true);
  }
  void text(const std::string&, const Eigen::Affine2d& textToScreen,
            const view::TextFit&) override {
    requireFinite(textToScreen.matrix(), "a painted text has a non-finite placement");
  }
  void marker(const Eigen::Vector2d& at, view::Marker) override {
    requireFinite(at, "a painted marker has a non-finite position");
  }

 private:
  Eigen::AlignedBox2d safe_;
};

void checkScene(const view::Scene& scene) {
  for (const auto& area : scene.areas) {
    for (const Eigen::Vector2d& p : area.points) requireFinite(p, "scene: non-finite area");
  }
  for (const auto& polyline : scene.polylines) {
    for (const Eigen::Vector2d& p : polyline.points) requireFinite(p, "scene: non-finite stroke");
  }
  for (const auto& p : scene.points) requireFinite(p.at, "scene: non-finite point");
  for (const auto& text : scene.texts) {
    requireFinite(text.textToView.matrix(), "scene: non-finite text placement");
  }
  if (!scene.bounds.isEmpty()) {
    requireFinite(scene.bounds.min(), "scene: non-finite bounds");
    requireFinite(scene.bounds.max(), "scene: non-finite bounds");
  }
}

void paint(const model::Document& document, const Eigen::Matrix3d& orientation) {
  const view::Scene scene = view::buildScene(document, orientation);
  checkScene(scene);
  view::ViewProjection projection;
  projection.setOrientation(orientation);
  projection.setViewport(kWindowWidth, kWindowHeight);
  projection.fit(scene.bounds);
  // The renderer's own margin (4096 pixels) with room for rounding.
  const double margin = 4097.0;
  CheckingCanvas canvas(
      Eigen::AlignedBox2d(Eigen::Vector2d(-margin, -margin),
                          Eigen::Vector2d(kWindowWidth + margin, kWindowHeight + margin)));
  view::renderScene(scene, projection, canvas, {kLineWeights});
  view::renderUcsIcon(document.currentUcs().frame, projection, canvas);

  std::vector<view::SnapPoint> points = view::snapPoints(document);
  for (const view::SnapPoint& point : points) requireFinite(point.world, "non-finite snap point");
  const double radius = kSnapAperture / projection.scale();
  const view::SnapIndex index(points, orientation, radius);
  index.nearest(projection.centre(), radius);
  for (std::size_t i = 0; i < points.size() && i < kSnapLookups; ++i) {
    const Eigen::Vector2d at = (orientation * points[i].world).head<2>();
    const auto found = index.nearest(at, radius);
    fuzz::require(found.has_value(), "the snap grid misses a point at the cursor");
    view::renderSnapMarker(*found, projection, canvas);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static fuzz::MemoryFile file;
  file.assign(fuzz::asText(data, size));
  std::unique_ptr<model::Document> document;
  try {
    document = dxf::readDxf(file.path());
  } catch (const dxf::DxfError&) {
    return 0;  // refused with its line, as a user would be told
  }
  // The window opens looking from above; a drawing saved in another UCS is also seen in plan.
  paint(*document, view::viewOrientation(view::StandardView::Top));
  if (!(document->currentUcs().frame == geom::Frame())) {
    paint(*document, view::planOrientation(document->currentUcs().frame));
  }
  return 0;
}
