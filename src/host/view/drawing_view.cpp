#include "host/view/drawing_view.h"

#include <algorithm>
#include <cmath>
#include <span>

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include "host/view-core/drawing_display.h"
#include "host/view-core/highlight_scene.h"
#include "host/view-core/renderer.h"
#include "host/view/qt_canvas.h"

namespace host::view {
namespace {

// One wheel notch zooms by this factor.
constexpr double kZoomPerNotch = 1.2;
// The rubber band shows light on the dark drawing background, apart from the drawing's lines.
const QColor kRubberBandColour(255, 255, 160);
// How many earlier views ZOOM PREVIOUS can go back through.
constexpr std::size_t kPreviousViews = 10;
// Widget positions far off screen (or of a point that is not finite) stay within this many
// pixels, so that they convert to whole pixels.
constexpr double kFarOffScreen = 1e6;

Eigen::Vector2d toEigen(const QPointF& p) {
  return {p.x(), p.y()};
}

}  // namespace

DrawingView::DrawingView(std::shared_ptr<OpenDrawing> drawing, QWidget* parent)
    : QWidget(parent), drawing_(std::move(drawing)), document_(*drawing_->document()) {
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMinimumSize(200, 150);
  listener_ = document_.addListener([this] { documentChanged(); });
  connect(&snapSorting_, &QFutureWatcher<SnapIndex>::finished, this,
          &DrawingView::takeSortedSnapPoints);
  lineWeightsShown_ = drawingDisplay(document_).lineWeightsShown;
}

DrawingView::~DrawingView() {
  document_.removeListener(listener_);
}

void DrawingView::documentChanged() {
  if (projected_) showChanges(projected_->update());
  emit drawingChanged();
}

void DrawingView::showChanges(const ProjectedDrawing::Update& change) {
  using Kind = ProjectedDrawing::Update::Kind;
  if (change.kind == Kind::None) return;
  highlightScene_.reset();
  hoverSnap_.reset();
  if (snapIndex_) {
    const std::vector<SnapPoint>& points = projected_->snapPoints();
    snapIndex_->truncate(change.snapFrom);
    snapIndex_->append(std::span(points).subspan(change.snapFrom));
  } else {
    forgetSnapIndex();  // one being sorted holds the points from before the change
  }
  // New pieces are drawn last, over the rest, as a full repaint draws them; a highlight must
  // stay on top.
  if (change.kind == Kind::Grown && highlighted_.empty()) {
    image_.paintOver(projection_, devicePixelRatioF(), drawingPainter(&change.from));
  } else {
    image_.invalidate();
  }
  update();
  emit sceneBuilt();
}

void DrawingView::setOrientation(const Eigen::Matrix3d& worldToView) {
  rememberView();
  projection_.setOrientation(worldToView);
  image_.invalidate();
  projected_.reset();
  highlightScene_.reset();
  forgetSnapIndex();
  hoverSnap_.reset();
  fitExtents();
}

void DrawingView::setStandardView(StandardView view) {
  setOrientation(viewOrientation(view));
}

void DrawingView::setPlanView() {
  setOrientation(planOrientation(document_.currentUcs().frame));
}

void DrawingView::zoomExtents() {
  rememberView();
  fitExtents();
}

void DrawingView::fitExtents() {
  projection_.fit(scene().bounds);
  forgetSnapIndex();
  update();
}

void DrawingView::zoomWindow(const Eigen::Vector3d& corner, const Eigen::Vector3d& opposite) {
  Eigen::AlignedBox2d box;
  box.extend(projection_.worldToView(corner).head<2>());
  box.extend(projection_.worldToView(opposite).head<2>());
  if (!box.sizes().allFinite()) return;
  rememberView();
  projection_.fit(box);
  forgetSnapIndex();
  update();
}

bool DrawingView::zoomPrevious() {
  if (previousViews_.empty()) return false;
  const bool turned = previousViews_.back().orientation() != projection_.orientation();
  projection_ = previousViews_.back();
  previousViews_.pop_back();
  projection_.setViewport(width(), height());
  if (turned) {
    image_.invalidate();
    projected_.reset();
    highlightScene_.reset();
  }
  forgetSnapIndex();
  hoverSnap_.reset();
  update();
  return true;
}

void DrawingView::rememberView() {
  if (previousViews_.size() == kPreviousViews) previousViews_.erase(previousViews_.begin());
  previousViews_.push_back(projection_);
}

void DrawingView::setRubberBand(const std::optional<Eigen::Vector3d>& base, bool box) {
  rubberBase_ = base;
  rubberBox_ = box;
  update();
}

void DrawingView::paintRubberBand(QPainter& painter) const {
  if (!rubberBase_ || !cursorPoint_) return;
  const Eigen::Vector2d from = projection_.worldToScreen(*rubberBase_);
  const Eigen::Vector2d to = projection_.worldToScreen(*cursorPoint_);
  if (!from.allFinite() || !to.allFinite()) return;
  // A window's box is dashed, as CAD programs show it; a line from the base point is solid.
  painter.setPen(QPen(kRubberBandColour, 0, rubberBox_ ? Qt::DashLine : Qt::SolidLine));
  painter.setBrush(Qt::NoBrush);
  // Crisp, so that it stands apart from the smoothed drawing.
  painter.setRenderHint(QPainter::Antialiasing, false);
  if (rubberBox_) {
    painter.drawRect(QRectF(QPointF(from.x(), from.y()), QPointF(to.x(), to.y())).normalized());
  } else {
    painter.drawLine(QPointF(from.x(), from.y()), QPointF(to.x(), to.y()));
  }
}

void DrawingView::setHighlighted(model::Handle handle, bool highlighted) {
  const bool changed =
      highlighted ? highlighted_.insert(handle).second : highlighted_.erase(handle);
  if (!changed) return;
  image_.invalidate();
  highlightScene_.reset();
  update();
}

void DrawingView::clearHighlight() {
  if (highlighted_.empty()) return;
  highlighted_.clear();
  image_.invalidate();
  highlightScene_.reset();
  update();
}

const Scene* DrawingView::highlightAtThisZoom() {
  if (highlighted_.empty()) return nullptr;
  if (!highlightScene_) {
    highlightScene_ = highlightScene(document_, projection_.orientation(), highlighted_);
  }
  setHighlightDashes(*highlightScene_, projection_.scale());
  return &*highlightScene_;
}

void DrawingView::setSnapEnabled(bool enabled) {
  snapEnabled_ = enabled;
  hoverSnap_.reset();
  update();
}

void DrawingView::setLineWeightsShown(bool shown) {
  lineWeightsShown_ = shown;
  image_.invalidate();
  update();
}

ProjectedDrawing& DrawingView::projected() {
  if (!projected_) {
    projected_.emplace(document_, projection_.orientation());
    emit sceneBuilt();
  }
  return *projected_;
}

LineWeightDisplay DrawingView::lineWeightDisplay() const {
  return {lineWeightsShown_, double(logicalDpiX())};
}

std::optional<Eigen::Vector3d> DrawingView::pointAt(const QPoint& position) {
  return pointAt(position, snapAt(position));
}

std::optional<Eigen::Vector3d> DrawingView::pointAt(const QPoint& position,
                                                    const std::optional<SnapPoint>& snap) const {
  if (snap) return snap->world;
  // Empty space gives the point at the drawing's elevation above the UCS's XY plane.
  const geom::Frame& ucs = document_.currentUcs().frame;
  const Eigen::Vector3d raised = ucs.origin() + document_.header().elevation * ucs.zAxis();
  return projection_.screenToPlane(toEigen(position),
                                   geom::Frame::fromDirections(raised, ucs.xAxis(), ucs.yAxis()));
}

QPoint DrawingView::widgetPosition(const Eigen::Vector3d& world) const {
  const Eigen::Vector2d screen = projection_.worldToScreen(world);
  const auto coordinate = [](double value) {
    if (std::isnan(value)) return 0;
    return static_cast<int>(std::lround(std::clamp(value, -kFarOffScreen, kFarOffScreen)));
  };
  return {coordinate(screen.x()), coordinate(screen.y())};
}

void DrawingView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QImage& drawing = image_.image(projection_, devicePixelRatioF(), drawingPainter());
  if (drawing.isNull()) painter.fillRect(rect(), QtCanvas::background());
  painter.drawImage(QPoint(0, 0), drawing);
  QtCanvas canvas(painter);
  renderUcsIcon(document_.currentUcs().frame, projection_, canvas);
  if (hoverSnap_) renderSnapMarker(*hoverSnap_, projection_, canvas);
  paintRubberBand(painter);
  // Snap points are sorted once the drawing shows, before the user can reach for it.
  if (snapEnabled_ && !snapIndex_) makeSnapIndexSoon();
  emit painted();
}

DrawingImage::Painter DrawingView::drawingPainter(const SceneMark* from) {
  // Made ready here: the bands only read them.
  const Scene* drawing = &scene();
  const Scene* highlight = from ? nullptr : highlightAtThisZoom();
  const RenderOptions options{lineWeightDisplay(), from ? *from : SceneMark{}};
  return [=, projection = projection_](QPainter& painter, const QRect& area) {
    if (!from) painter.fillRect(area, QtCanvas::background());
    QtCanvas canvas(painter);
    RenderOptions part = options;
    part.area = Eigen::AlignedBox2d(Eigen::Vector2d(area.left(), area.top()),
                                    Eigen::Vector2d(area.right() + 1, area.bottom() + 1));
    renderScene(*drawing, projection, canvas, part);
    if (highlight) {
      RenderOptions highlightPart;
      highlightPart.area = part.area;
      renderScene(*highlight, projection, canvas, highlightPart);
    }
  };
}

void DrawingView::resizeEvent(QResizeEvent*) {
  // A view showing the drawing's extents goes on showing them as the window takes its size, so
  // that a drawing opened before its window has its final size is seen whole; a view the user
  // has zoomed or panned stays where it is.
  const bool showedExtents = !sized_ || showsExtents();
  projection_.setViewport(width(), height());
  if (showedExtents) {
    sized_ = true;
    projection_.fit(scene().bounds);
    forgetSnapIndex();
  }
}

bool DrawingView::showsExtents() {
  ViewProjection fitted = projection_;
  fitted.fit(scene().bounds);
  return fitted.scale() == projection_.scale() && fitted.centre() == projection_.centre();
}

void DrawingView::wheelEvent(QWheelEvent* event) {
  const double notches = event->angleDelta().y() / 120.0;
  if (notches == 0.0) return;
  if (!wheeling_) rememberView();
  wheeling_ = true;
  projection_.zoomAbout(toEigen(event->position()), std::pow(kZoomPerNotch, notches));
  updateHover(event->position().toPoint());
  update();
}

void DrawingView::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::MiddleButton) {
    rememberView();
    panFrom_ = event->position().toPoint();
    setCursor(Qt::ClosedHandCursor);
  } else if (event->button() == Qt::LeftButton) {
    clearHighlight();
    const QPoint position = event->position().toPoint();
    const std::optional<SnapPoint> snap = snapAt(position);
    if (const auto point = pointAt(position, snap)) emit pointClicked(*point, snap.has_value());
  }
}

void DrawingView::mouseMoveEvent(QMouseEvent* event) {
  const QPoint position = event->position().toPoint();
  if (panFrom_) {
    const QPoint delta = position - *panFrom_;
    projection_.panByPixels({double(delta.x()), double(delta.y())});
    panFrom_ = position;
    update();
  } else {
    wheeling_ = false;
  }
  updateHover(position);
}

void DrawingView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::MiddleButton && panFrom_) {
    panFrom_.reset();
    unsetCursor();
  }
}

void DrawingView::leaveEvent(QEvent*) {
  hoverPosition_.reset();
  if (hoverSnap_) {
    hoverSnap_.reset();
    update();
  }
}

void DrawingView::keyPressEvent(QKeyEvent* event) {
  // Typing over the drawing goes to the command line, so a point or a command can be typed
  // without clicking the command line first.
  if (QWidget* entry = focusProxy()) {
    entry->setFocus();
    QCoreApplication::sendEvent(entry, event);
    return;
  }
  QWidget::keyPressEvent(event);
}

void DrawingView::updateHover(const QPoint& position) {
  hoverPosition_ = position;
  const auto snap = readySnapAt(position);
  const bool moved = snap.has_value() != hoverSnap_.has_value() ||
                     (snap && !snap->world.isApprox(hoverSnap_->world));
  hoverSnap_ = snap;
  const std::optional<Eigen::Vector3d> cursor = pointAt(position, snap);
  if (moved || (rubberBase_ && cursor != cursorPoint_)) update();
  cursorPoint_ = cursor;
  emit cursorMoved(cursor);
}

}  // namespace host::view
