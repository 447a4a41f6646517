#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <set>
#include <vector>

#include <QFutureWatcher>
#include <QPoint>
#include <QWidget>

class QPainter;

#include "host/model/document.h"
#include "host/view-core/line_weight.h"
#include "host/view-core/open_drawing.h"
#include "host/view-core/projected_drawing.h"
#include "host/view-core/scene.h"
#include "host/view-core/snap_index.h"
#include "host/view-core/view_projection.h"
#include "host/view/drawing_image.h"

namespace host::view {

// The drawing area of one open drawing: an orthographic wireframe of its model space with the
// UCS icon. The wheel zooms about the cursor, the middle button pans. A left click gives a
// point: the snap point under the cursor when object snap is on, else the point of the UCS's
// XY plane under it, at the drawing's elevation.
class DrawingView : public QWidget {
  Q_OBJECT

 public:
  explicit DrawingView(std::shared_ptr<OpenDrawing> drawing, QWidget* parent = nullptr);
  ~DrawingView() override;

  OpenDrawing& drawing() const { return *drawing_; }
  const std::shared_ptr<model::Document>& document() const { return drawing_->document(); }
  const ViewProjection& projection() const { return projection_; }

  void setStandardView(StandardView view);
  // Looks down the current UCS.
  void setPlanView();
  void zoomExtents();
  // Shows the box with these corners (world), seen from the current direction.
  void zoomWindow(const Eigen::Vector3d& corner, const Eigen::Vector3d& opposite);
  // Goes back to the view before the last zoom, pan or change of direction; false when there
  // is none.
  bool zoomPrevious();

  // A rubber band from `base` (world) to the cursor while a point is asked for; a box with
  // those corners when `box`. None hides it.
  void setRubberBand(const std::optional<Eigen::Vector3d>& base, bool box = false);

  void setSnapEnabled(bool enabled);
  bool snapEnabled() const { return snapEnabled_; }

  // Whether lines are drawn as heavy as their lineweights say: a setting of the window, which
  // starts as the drawing was saved and leaves the drawing unmodified.
  void setLineWeightsShown(bool shown);
  bool lineWeightsShown() const { return lineWeightsShown_; }

  // The point a click at `position` would give, if any (the UCS plane seen edge-on has none).
  std::optional<Eigen::Vector3d> pointAt(const QPoint& position);
  // Where a world point shows in the widget (far off it, a million pixels away at most).
  QPoint widgetPosition(const Eigen::Vector3d& world) const;

  // Shows an entity of the drawing selected, or as usual again. A left click in the drawing
  // shows them all as usual, and so does clearHighlight() (the window's Esc).
  void setHighlighted(model::Handle handle, bool highlighted);
  const std::set<model::Handle>& highlighted() const { return highlighted_; }
  void clearHighlight();

  // Whether the snap points are sorted for finding them under the cursor. They are found a
  // part at a time between the window's events and sorted on another thread; until then a
  // hover snaps to nothing, and a click to the snap points found so far, looked at one by one.
  bool snapReady() const { return snapIndex_.has_value(); }

  // How many entities of the drawing cannot be shown (see Scene::notShown).
  std::size_t entitiesNotShown() { return scene().notShown; }

 signals:
  // A left click gave a point; `snapped` says whether object snap found one, else the point
  // lies at the drawing's elevation.
  void pointClicked(const Eigen::Vector3d& world, bool snapped);
  // The cursor's point on the UCS plane (or its snap point), or none when it has none.
  void cursorMoved(const std::optional<Eigen::Vector3d>& world);
  // The drawing changed (an edit, undo or redo, its file state).
  void drawingChanged();
  // The drawing was projected again after a change: what it shows may have changed.
  void sceneBuilt();
  // The view was painted, the drawing in it.
  void painted();
  // The snap points were sorted: snapReady() holds now.
  void snapPointsReady();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  std::shared_ptr<OpenDrawing> drawing_;
  model::Document& document_;
  model::Document::ListenerId listener_ = 0;
  ViewProjection projection_;
  // Made when first painted, and again when the view turns.
  std::optional<ProjectedDrawing> projected_;
  std::optional<SnapIndex> snapIndex_;
  // The index being sorted on another thread from a copy of the snap points. Each time the
  // index goes out of date the count goes up, so that one sorted for an earlier count (before
  // an edit or a change of view) is dropped and sorted again.
  QFutureWatcher<SnapIndex> snapSorting_;
  std::uint64_t snapIndexAge_ = 0;
  std::uint64_t snapSortingAge_ = 0;
  std::optional<SnapPoint> hoverSnap_;
  bool snapIndexComing_ = false;
  std::optional<QPoint> hoverPosition_;
  bool snapEnabled_ = true;
  bool lineWeightsShown_ = false;
  bool sized_ = false;
  std::optional<QPoint> panFrom_;
  // Earlier views, the latest last, for ZOOM PREVIOUS; a run of wheel notches is one view.
  std::vector<ViewProjection> previousViews_;
  bool wheeling_ = false;
  std::optional<Eigen::Vector3d> rubberBase_;
  bool rubberBox_ = false;
  std::optional<Eigen::Vector3d> cursorPoint_;
  std::set<model::Handle> highlighted_;
  std::optional<Scene> highlightScene_;
  DrawingImage image_;

  void documentChanged();
  // Shows what the drawing's change did to the projected drawing, painting only what was
  // appended when nothing else changed.
  void showChanges(const ProjectedDrawing::Update& change);
  // Whether the view shows just the drawing's extents, as zoom extents leaves it.
  bool showsExtents();
  void setOrientation(const Eigen::Matrix3d& worldToView);
  ProjectedDrawing& projected();
  const Scene& scene() { return projected().scene(); }
  LineWeightDisplay lineWeightDisplay() const;
  // The snap index for the view as it stands when it is ready; else null, and it is sorted on
  // another thread once the window has shown what it has to, so that the window never waits.
  const SnapIndex* snapIndexIfReady();
  // Forgets the index and any being sorted: the view or the drawing changed.
  void forgetSnapIndex();
  void makeSnapIndexSoon();
  // Finds snap points for a few milliseconds; true once all are found.
  bool findSomeSnapPoints();
  void startSortingSnapPoints();
  void takeSortedSnapPoints();
  // The snap point under the cursor: a click's looks at the snap points one by one while the
  // index is not ready, a hover's takes only what is ready.
  std::optional<SnapPoint> snapAt(const QPoint& position);
  std::optional<SnapPoint> readySnapAt(const QPoint& position);
  std::optional<SnapPoint> snapIn(const SnapIndex& index, const QPoint& position) const;
  std::optional<Eigen::Vector3d> pointAt(const QPoint& position,
                                         const std::optional<SnapPoint>& snap) const;
  void updateHover(const QPoint& position);
  void rememberView();
  void fitExtents();
  void paintRubberBand(QPainter& painter) const;
  // Paints the drawing and its highlight, or with `from` only the pieces appended after it.
  DrawingImage::Painter drawingPainter(const SceneMark* from = nullptr);
  // The highlighted entities, dashed for this zoom; null when there are none.
  const Scene* highlightAtThisZoom();
};

}  // namespace host::view
