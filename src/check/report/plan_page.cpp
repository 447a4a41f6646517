#include <QFontMetricsF>
#include <algorithm>
#include <cmath>
#include <vector>

#include "check/report/label_placement.h"
#include "check/report/plan_drawing.h"
#include "check/report/report_pages.h"

namespace check::report {
namespace {

constexpr double kLabelPoints = 6.0;
// Between a point and its id, beyond the largest symbol (an unmatched point's, 1.2 mm across).
constexpr double kLabelGap = 1.5;
// Room under the scale bars for the ids that found no place: three lines.
constexpr double kNotShownLines = 3.0;
constexpr double kNotShownLineHeight = 3.3;

// The ids outside tolerance and unmatched are placed first: they matter most.
int labelRank(PlanKind kind) {
  switch (kind) {
    case PlanKind::Outside:
      return 0;
    case PlanKind::NeverSurveyed:
    case PlanKind::NoDesign:
      return 1;
    case PlanKind::Within:
      break;
  }
  return 2;
}

bool isPair(const PlanItem& item) {
  return item.kind == PlanKind::Within || item.kind == PlanKind::Outside;
}

// Where an item's vector ends: its surveyed point, as far from the design point as exaggerated.
PlanPoint tipOf(const PlanItem& item, double exaggeration) {
  return {item.at.x + (item.surveyed.x - item.at.x) * exaggeration,
          item.at.y + (item.surveyed.y - item.at.y) * exaggeration};
}

LabelBox boxAround(QPointF mm, double radius) {
  return {mm.x() - radius, mm.y() - radius, mm.x() + radius, mm.y() + radius};
}

LabelBox frameBox() {
  return {ReportCanvas::kMargin, kPlanFrameTop, ReportCanvas::kMargin + kPlanFrameWidth,
          kPlanFrameTop + kPlanFrameHeight};
}

// The part of the vector from `from` to `to` within `frame` as small boxes every millimetre, so
// that no id sits on an arrow; a blunder's vector reaching far off the page adds no more.
void addVectorBoxes(QPointF from, QPointF to, const LabelBox& frame, std::vector<LabelBox>& boxes) {
  // The fractions along the vector between which it runs inside the frame (Liang and Barsky).
  const QPointF along = to - from;
  double enter = 0.0;
  double leave = 1.0;
  const std::pair<double, double> edges[] = {{-along.x(), from.x() - frame.left},
                                             {along.x(), frame.right - from.x()},
                                             {-along.y(), from.y() - frame.top},
                                             {along.y(), frame.bottom - from.y()}};
  for (const auto& [towards, room] : edges) {
    if (towards == 0.0) {
      if (room < 0.0) return;
    } else if (towards < 0.0) {
      enter = std::max(enter, room / towards);
    } else {
      leave = std::min(leave, room / towards);
    }
  }
  if (enter > leave) return;
  const double length = std::hypot(along.x(), along.y()) * (leave - enter);
  const int steps = static_cast<int>(std::ceil(length));
  for (int k = 0; k <= steps; ++k) {
    const double fraction = enter + (leave - enter) * (steps == 0 ? 1.0 : double(k) / steps);
    boxes.push_back(boxAround(from + along * fraction, 0.5));
  }
}

// Draws the items the frame shows, the failures on top of the passes and the unmatched on top
// of all; returns their symbols, which ids must not cover.
std::vector<LabelBox> drawItems(ReportCanvas& canvas, const PlanLayout& layout,
                                const PlanView& view) {
  const PlanWindow visible = view.visible();
  std::vector<LabelBox> symbols;
  for (const PlanKind kind :
       {PlanKind::Within, PlanKind::Outside, PlanKind::NeverSurveyed, PlanKind::NoDesign}) {
    for (const PlanItem& item : layout.items) {
      if (item.kind != kind) continue;
      const PlanPoint tip = tipOf(item, layout.exaggeration);
      const PlanWindow reach{std::min(item.at.x, tip.x), std::min(item.at.y, tip.y),
                             std::max(item.at.x, tip.x), std::max(item.at.y, tip.y)};
      if (reach.maxX < visible.minX || reach.minX > visible.maxX || reach.maxY < visible.minY ||
          reach.minY > visible.maxY) {
        continue;
      }
      if (isPair(item)) {
        const QPointF from = view.mm(item.at);
        const QPointF to = view.mm(tip);
        drawVector(canvas, from, to, colourOf(kind));
        symbols.push_back(boxAround(from, 0.8));
        addVectorBoxes(from, to, frameBox(), symbols);
      } else {
        drawUnmatched(canvas, view.mm(item.at), kind == PlanKind::NeverSurveyed);
        symbols.push_back(boxAround(view.mm(item.at), 1.2));
      }
    }
  }
  return symbols;
}

// Places and draws the ids of the sheet's own items; returns those that found no place.
std::vector<std::string> drawIds(ReportCanvas& canvas, const PlanLayout& layout,
                                 const PlanSheet& sheet, const PlanView& view,
                                 std::vector<LabelBox> symbols) {
  std::vector<std::size_t> order = sheet.points;
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    return labelRank(layout.items[a].kind) < labelRank(layout.items[b].kind);
  });
  canvas.painter().setFont(ReportCanvas::font(kLabelPoints));
  std::vector<LabelWanted> wanted;
  wanted.reserve(order.size());
  for (const std::size_t i : order) {
    const QPointF at = view.mm(layout.items[i].at);
    const QSizeF size = canvas.textSize(QString::fromStdString(layout.items[i].id));
    wanted.push_back({at.x(), at.y(), size.width(), size.height()});
  }
  const QRectF arrow = northArrowBox();
  symbols.push_back({arrow.left(), arrow.top(), arrow.right(), arrow.bottom()});
  const std::vector<std::optional<LabelBox>> boxes =
      placeLabels(wanted, symbols, frameBox(), kLabelGap);

  std::vector<std::string> notShown;
  canvas.painter().setPen(Qt::black);
  for (std::size_t k = 0; k < order.size(); ++k) {
    const std::string& id = layout.items[order[k]].id;
    if (!boxes[k]) {
      notShown.push_back(id);
      continue;
    }
    const LabelBox& box = *boxes[k];
    // A little wider than measured, so that rounding never elides an id.
    canvas.text(box.left, box.top, box.right - box.left + 1.0, box.bottom - box.top,
                QString::fromStdString(id));
  }
  return notShown;
}

// "Ids not shown on this sheet (3): A, B, C", cut short with how many more where it would
// overrun its lines.
void drawIdsNotShown(ReportCanvas& canvas, const std::vector<std::string>& ids, double y) {
  if (ids.empty()) return;
  canvas.painter().setFont(ReportCanvas::font(7));
  QString text = QStringLiteral("Ids not shown on this sheet (%1):").arg(ids.size());
  // Wrapping loses a little at each line's end: a line's worth of room is kept for that.
  const double room = (kNotShownLines - 1) * ReportCanvas::kBodyWidth;
  std::size_t shown = 0;
  for (; shown < ids.size(); ++shown) {
    const QString longer = text + (shown == 0 ? QStringLiteral(" ") : QStringLiteral(", ")) +
                           QString::fromStdString(ids[shown]);
    if (canvas.textSize(longer).width() > room) break;
    text = longer;
  }
  if (shown < ids.size()) text += QStringLiteral(" and %1 more").arg(ids.size() - shown);
  canvas.wrappedText(ReportCanvas::kMargin, y, ReportCanvas::kBodyWidth, kNotShownLineHeight, text);
}

QString planTitle(const PlanLayout& layout, std::size_t sheet) {
  const QString scale = QString::number(layout.sheets.scale, 'g', 12);
  if (!layout.hasKeyPlan()) return QStringLiteral("Plan of the pairs (1:%1)").arg(scale);
  return QStringLiteral("Plan, sheet %1 of %2 (1:%3)")
      .arg(sheet + 1)
      .arg(layout.sheets.sheets.size())
      .arg(scale);
}

}  // namespace

void drawPlanPage(ReportCanvas& canvas, const CheckReport& report, const PlanLayout& layout,
                  std::size_t sheet) {
  const double exaggeration = layout.exaggeration;
  const QString frameName = QString::fromStdString(report.frame);
  drawPlanHeading(
      canvas, planTitle(layout, sheet),
      exaggeration == 1.0
          ? QStringLiteral("Vectors at their true length, from each design point to its "
                           "surveyed point, along %1.")
                .arg(frameName)
          : QStringLiteral("Vectors drawn %1 times their length, from each design point "
                           "towards its surveyed point, along %2.")
                .arg(QString::number(exaggeration), frameName));

  const PlanView view(layout.sheets.sheets[sheet].window, layout.mmPerUnit);
  QPainter& painter = canvas.painter();
  const QRectF frame = planFrame(canvas);
  painter.save();
  painter.setClipRect(frame);
  std::vector<LabelBox> symbols = drawItems(canvas, layout, view);
  const std::vector<std::string> notShown =
      drawIds(canvas, layout, layout.sheets.sheets[sheet], view, std::move(symbols));
  painter.restore();
  painter.setPen(QPen(Qt::black, canvas.units(0.3)));
  painter.drawRect(frame);
  drawNorthArrow(canvas, report.axes);

  const double below = kPlanFrameTop + kPlanFrameHeight;
  drawLegend(canvas, report, below + 3);
  drawRoundScaleBar(canvas, ReportCanvas::kMargin, below + 15, 40.0, layout.mmPerUnit,
                    QStringLiteral("Plan"));
  drawRoundScaleBar(canvas, ReportCanvas::kMargin + 95, below + 15, 20.0,
                    layout.mmPerUnit * exaggeration, QStringLiteral("Vectors"));
  drawIdsNotShown(canvas, notShown, below + 21);
}

}  // namespace check::report
