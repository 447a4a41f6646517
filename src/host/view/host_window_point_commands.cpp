// The commands that ask for their points one after another, with a rubber band from the point
// before: POINT and LINE without points, ZOOM WINDOW.
#include <QPointer>

#include "host/view-core/drawing_commands.h"
#include "host/view/host_window.h"

namespace host::view {
namespace {

PointEntry worldEntry(const Eigen::Vector3d& world) {
  return {PointEntry::Base::World, world};
}

}  // namespace

std::optional<Eigen::Vector3d> HostWindow::pointFor(DrawingView& view,
                                                    const std::optional<PointEntry>& typed,
                                                    const std::string& prompt,
                                                    const PointRequest& request) {
  if (!typed) return requestPoint(*view.document(), prompt, request);
  auto placed = placePoint(*typed, view.document()->currentUcs().frame, view.drawing().lastPoint());
  if (const auto* error = std::get_if<EntryError>(&placed)) {
    say(QString::fromStdString(error->message));
    return std::nullopt;
  }
  return std::get<Eigen::Vector3d>(placed);
}

void HostWindow::addPickedPoint(DrawingView& view) {
  const std::shared_ptr<model::Document> document = view.document();
  const auto at = requestPoint(*document, "Specify a point: ");
  if (!at) return;
  if (const auto refused = applyToDrawing(*document, command::AddPoint{worldEntry(*at)},
                                          view.drawing().lastPoint())) {
    say(QString::fromStdString(*refused));
  }
}

// Every segment shows as it is drawn; the whole run is one step of the drawing's history.
void HostWindow::drawLines(DrawingView& view) {
  const std::shared_ptr<model::Document> document = view.document();
  const QPointer<HostWindow> self(this);
  std::optional<Eigen::Vector3d> from = requestPoint(*document, "Specify first point: ");
  if (!from) return;
  model::Document::UndoGroup step(*document, "LINE");
  while (self) {
    const auto to = requestPoint(*document, "Specify next point or press Enter to end: ",
                                 {.basePoint = from, .emptyEnds = true});
    if (!to || !self) return;
    std::optional<Eigen::Vector3d> last = from;
    if (const auto refused =
            applyToDrawing(*document, command::AddLine{worldEntry(*from), worldEntry(*to)}, last)) {
      say(QString::fromStdString(*refused));
      continue;
    }
    step.showChanges();
    from = to;
  }
}

void HostWindow::zoom(DrawingView& view, const command::Zoom& zoom) {
  switch (zoom.kind) {
    case command::Zoom::Kind::Extents:
      view.zoomExtents();
      return;
    case command::Zoom::Kind::Previous:
      if (!view.zoomPrevious()) say("No previous view");
      return;
    case command::Zoom::Kind::Window: {
      const QPointer<DrawingView> shown(&view);
      const auto corner = pointFor(view, zoom.corner, "Specify first corner: ", {});
      if (!corner || !shown) return;
      const auto opposite =
          pointFor(view, zoom.oppositeCorner,
                   "Specify opposite corner: ", {.basePoint = corner, .box = true});
      if (!opposite || !shown) return;
      view.zoomWindow(*corner, *opposite);
      return;
    }
  }
}

}  // namespace host::view
