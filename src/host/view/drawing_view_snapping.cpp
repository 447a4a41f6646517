// Object snap in the drawing window: the snap points found a part at a time between the
// window's events and sorted into an index on another thread, so that neither the first picture
// nor the mouse waits for them. They are found on the window's thread because the drawing is
// changed there at any time: another thread reading it meanwhile would read it half changed.
#include <cmath>

#include <QElapsedTimer>
#include <QTimer>
#include <QtConcurrent/QtConcurrentRun>

#include "host/view/drawing_view.h"

namespace host::view {
namespace {

// How near (pixels) the cursor must be to a snap point to take it.
constexpr double kSnapAperture = 8.0;
// The snap points are found this many entities at a time, for about this long before the window
// looks at its events again: a mouse move meanwhile waits no longer.
constexpr std::size_t kEntitiesAtATime = 2000;
constexpr qint64 kFindingMilliseconds = 4;

Eigen::Vector2d toEigen(const QPoint& p) {
  return {double(p.x()), double(p.y())};
}

}  // namespace

const SnapIndex* DrawingView::snapIndexIfReady() {
  const double cell = kSnapAperture / projection_.scale();
  // The grid is rebuilt when zooming has made its cells much larger or smaller than the
  // aperture, so that a search always looks at a handful of cells.
  if (snapIndex_ && (snapIndex_->cellSize() > 4 * cell || snapIndex_->cellSize() < cell / 4)) {
    forgetSnapIndex();
  }
  if (!snapIndex_) makeSnapIndexSoon();
  return snapIndex_ ? &*snapIndex_ : nullptr;
}

void DrawingView::forgetSnapIndex() {
  snapIndex_.reset();
  ++snapIndexAge_;
}

void DrawingView::makeSnapIndexSoon() {
  if (snapIndexComing_ || snapSorting_.isRunning()) return;
  snapIndexComing_ = true;
  // Queued behind the events waiting now: the first picture, a mouse move.
  QTimer::singleShot(0, this, [this] {
    snapIndexComing_ = false;
    if (snapIndex_ || !snapEnabled_ || snapSorting_.isRunning()) return;
    if (findSomeSnapPoints()) {
      startSortingSnapPoints();
    } else {
      makeSnapIndexSoon();
    }
  });
}

bool DrawingView::findSomeSnapPoints() {
  QElapsedTimer finding;
  finding.start();
  while (!projected().findMoreSnapPoints(kEntitiesAtATime)) {
    if (finding.elapsed() >= kFindingMilliseconds) return false;
  }
  return true;
}

void DrawingView::startSortingSnapPoints() {
  const double cell = kSnapAperture / projection_.scale();
  if (!(cell > 0.0) || !std::isfinite(cell)) return;  // a view of no size has nothing to snap
  snapSortingAge_ = snapIndexAge_;
  // Shared: an edit meanwhile changes a copy of the window's own.
  snapSorting_.setFuture(QtConcurrent::run(
      [points = projected().sharedSnapPoints(), orientation = projection_.orientation(), cell] {
        return SnapIndex(*points, orientation, cell);
      }));
}

void DrawingView::takeSortedSnapPoints() {
  SnapIndex sorted = snapSorting_.future().takeResult();
  if (snapSortingAge_ != snapIndexAge_ || snapIndex_) {
    makeSnapIndexSoon();  // sorted for a drawing or a view that has changed since
    return;
  }
  snapIndex_ = std::move(sorted);
  if (hoverPosition_) updateHover(*hoverPosition_);
  emit snapPointsReady();
}

std::optional<SnapPoint> DrawingView::snapIn(const SnapIndex& index, const QPoint& position) const {
  const Eigen::Vector2d view = projection_.screenToView(toEigen(position));
  return index.nearest(view, kSnapAperture / projection_.scale());
}

std::optional<SnapPoint> DrawingView::snapAt(const QPoint& position) {
  if (!snapEnabled_) return std::nullopt;
  if (const SnapIndex* index = snapIndexIfReady()) return snapIn(*index, position);
  // Finding the snap points of a large drawing takes long: a click does not wait for it, and
  // looks at those found so far.
  return nearestAmong(projected().snapPointsFoundSoFar(), projection_.orientation(),
                      projection_.screenToView(toEigen(position)),
                      kSnapAperture / projection_.scale());
}

std::optional<SnapPoint> DrawingView::readySnapAt(const QPoint& position) {
  if (!snapEnabled_) return std::nullopt;
  const SnapIndex* index = snapIndexIfReady();
  return index ? snapIn(*index, position) : std::nullopt;
}

}  // namespace host::view
