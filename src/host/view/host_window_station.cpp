// STATION: the chainage and offset of picked points against a polyline of the drawing.
#include <QPointer>

#include "host/view-core/length_format.h"
#include "host/view-core/polyline_station.h"
#include "host/view/host_window.h"

namespace host::view {

void HostWindow::station(DrawingView& view, const command::Station& station) {
  const QPointer<DrawingView> shown(&view);
  // A copy: the drawing may change while the user is asked for the points.
  std::optional<model::EntityData> polyline;
  std::optional<model::Handle> chosen;
  while (!polyline) {
    const auto picked = requestPoint(*view.document(), "Select a polyline: ");
    if (!picked || !shown) return;
    chosen = entityUnder(view, *picked);
    const model::Document& document = *view.document();
    const auto location =
        chosen ? document.locate(model::BlockTable::kModelSpace, *chosen) : std::nullopt;
    if (!location) {
      say("No object there: pick a polyline");
      continue;
    }
    const model::EntityData& data = document.entity(*location).data;
    if (!std::holds_alternative<model::Polyline2d>(data) &&
        !std::holds_alternative<model::Polyline3d>(data)) {
      say("Not a polyline: STATION measures along a LWPOLYLINE or a 2D or 3D POLYLINE");
      continue;
    }
    polyline = data;
  }
  const int decimals = view.document()->header().luprec;

  std::optional<double> start = station.startChainage;
  while (!start) {
    const auto typed =
        requestText(*view.document(), "Start chainage <" + formatChainage(0.0, decimals) + ">: ");
    if (!typed || !shown) return;
    start = typed->empty() ? std::optional(0.0) : parseChainage(*typed);
    if (!start) say("Type the start chainage as a number or kilometres+metres, as 1250 or 1+250");
  }

  const auto alignment = alignmentOfEntity(*polyline, *start);
  if (const auto* refused = std::get_if<EntryError>(&alignment)) {
    say(QString::fromStdString(refused->message));
    return;
  }
  const auto& along = std::get<survey::HorizontalAlignment>(alignment);
  view.setHighlighted(*chosen, true);
  PointRequest untilEnter;
  untilEnter.emptyEnds = true;
  while (true) {
    const auto point =
        requestPoint(*view.document(), "Specify a point (Enter to end): ", untilEnter);
    if (!point || !shown) break;
    say(QString::fromStdString(
        describeStation(along.stationOf(point->head<2>()), along, decimals)));
  }
  if (shown) view.setHighlighted(*chosen, false);
}

}  // namespace host::view
