// The commands that look into a drawing and erase from it: ID, DIST, LIST, ERASE.
#include <QPointer>

#include "host/view-core/entity_listing.h"
#include "host/view-core/entity_picking.h"
#include "host/view-core/measurements.h"
#include "host/view/host_window.h"

namespace host::view {
namespace {

// How near (pixels) a pick must be to what an entity shows to take it.
constexpr double kPickAperture = 6.0;

Eigen::Vector2d inView(const DrawingView& view, const Eigen::Vector3d& world) {
  return view.projection().worldToView(world).head<2>();
}

}  // namespace

void HostWindow::sayLines(const std::vector<std::string>& lines) {
  for (const std::string& line : lines) say(QString::fromStdString(line));
}

std::optional<model::Handle> HostWindow::entityUnder(DrawingView& view,
                                                     const Eigen::Vector3d& picked) {
  return entityNear(*view.document(), view.projection().orientation(), inView(view, picked),
                    kPickAperture / view.projection().scale());
}

void HostWindow::identify(DrawingView& view, const command::Identify& identify) {
  const QPointer<DrawingView> shown(&view);
  const auto at = pointFor(view, identify.at, "Specify a point: ", {});
  if (!at || !shown) return;
  const model::Document& document = *view.document();
  sayLines(describePoint(*at, document.currentUcs().frame, document.header().luprec));
}

void HostWindow::measure(DrawingView& view, const command::Measure& measure) {
  const QPointer<DrawingView> shown(&view);
  const auto from = pointFor(view, measure.from, "Specify first point: ", {});
  if (!from || !shown) return;
  const auto to = pointFor(view, measure.to, "Specify second point: ", {.basePoint = from});
  if (!to || !shown) return;
  const model::Document& document = *view.document();
  sayLines(describeDistance(*from, *to, document.currentUcs().frame, document.header().luprec));
}

void HostWindow::listEntity(DrawingView& view) {
  const QPointer<DrawingView> shown(&view);
  const auto picked = requestPoint(*view.document(), "Select an object: ");
  if (!picked || !shown) return;
  const auto handle = entityUnder(view, *picked);
  const model::Document& document = *view.document();
  const auto location =
      handle ? document.locate(model::BlockTable::kModelSpace, *handle) : std::nullopt;
  if (!location) {
    say("No object there: pick a line, a text or a point of one");
    return;
  }
  sayLines(host::view::listEntity(document, document.entity(*location), document.header().luprec));
}

// A pick on an object erases it; a pick in empty space starts a window, and what lies wholly
// inside it is erased. Either is one step, undone by one UNDO.
void HostWindow::erase(DrawingView& view) {
  const std::shared_ptr<model::Document> document = view.document();
  const QPointer<DrawingView> shown(&view);
  const auto first = requestPoint(*document, "Select an object or the first corner of a window: ");
  if (!first || !shown) return;
  std::vector<model::Handle> chosen;
  if (const auto picked = entityUnder(view, *first)) {
    chosen.push_back(*picked);
  } else {
    const auto opposite =
        requestPoint(*document, "Specify opposite corner: ", {.basePoint = first, .box = true});
    if (!opposite || !shown) return;
    Eigen::AlignedBox2d window(inView(view, *first));
    window.extend(inView(view, *opposite));
    chosen = entitiesInside(*document, view.projection().orientation(), window);
  }
  if (chosen.empty()) {
    say("Nothing selected: no object lies wholly inside the window");
    return;
  }
  const std::size_t locked = eraseEntities(*document, chosen);
  QString told = QString("%1 erased").arg(chosen.size() - locked);
  if (locked > 0) told += QString("; %1 on a locked layer left as it is").arg(locked);
  say(told);
}

}  // namespace host::view
