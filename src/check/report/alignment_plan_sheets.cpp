#include <Eigen/Geometry>
#include <QFontMetricsF>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "check/report/alignment_pages.h"
#include "check/report/plan_marks.h"
#include "check/report/plan_scale.h"
#include "numbers/number_format.h"

namespace check::report {
namespace {

using Eigen::Vector2d;

constexpr double kFrameTop = ReportCanvas::kBodyTop + 20;
constexpr double kFrameHeight = 200.0;
constexpr double kFrameCentreX = ReportCanvas::kMargin + ReportCanvas::kBodyWidth / 2;
constexpr double kFrameCentreY = kFrameTop + kFrameHeight / 2;
// Unless the user gives the exaggeration: the median offset difference this long on paper.
constexpr double kMedianArrowMm = 4.0;
// Ids beside the shots outside tolerance, when a sheet has few enough to read.
constexpr std::size_t kMostLabels = 40;
// Chainage ticks about this far apart on paper.
constexpr double kTickSpacingMm = 25.0;

QString q(const std::string& text) {
  return QString::fromStdString(text);
}

QString roundText(double value) {
  return QString::fromStdString(numbers::storedForm(value, "."));
}

Vector2d rightOf(const survey::HorizontalAlignment& plan, double chainage) {
  const double heading = plan.headingAt(chainage);
  return {std::sin(heading), -std::cos(heading)};
}

// The plan on a sheet's frame, in the page's millimetres.
class SheetProjection {
 public:
  explicit SheetProjection(const AlignmentSheet& sheet) : sheet_(sheet) {}
  QPointF mm(const Vector2d& p) const {
    const Vector2d paper = sheet_.onPaper(p);
    return {kFrameCentreX + paper.x(), kFrameCentreY - paper.y()};
  }
  // A direction of the plan on the page, its length kept.
  QPointF direction(const Vector2d& d) const {
    const Vector2d turned = Eigen::Rotation2Dd(sheet_.turn) * d;
    return {turned.x(), -turned.y()};
  }

 private:
  const AlignmentSheet& sheet_;
};

// The line across the frame: the sheet's range black, its neighbours' grey.
void drawLine(ReportCanvas& canvas, const survey::HorizontalAlignment& plan,
              const AlignmentSheet& sheet, const SheetProjection& projection) {
  const double beyond = ReportCanvas::kBodyWidth * sheet.metresPerMm;
  const double spacing = std::min(5.0, sheet.metresPerMm / 2);
  const auto path = [&](double from, double to) {
    QPainterPath line;
    const int count = std::max(2, static_cast<int>(std::ceil((to - from) / spacing)) + 1);
    for (int i = 0; i < count; ++i) {
      const QPointF p = projection.mm(plan.pointAt(from + (to - from) * i / (count - 1)));
      if (i == 0) {
        line.moveTo(canvas.at(p.x(), p.y()));
      } else {
        line.lineTo(canvas.at(p.x(), p.y()));
      }
    }
    return line;
  };
  QPainter& painter = canvas.painter();
  painter.setPen(QPen(Qt::gray, canvas.units(0.3)));
  const double start = std::max(plan.startChainage(), sheet.fromChainage - beyond);
  const double end = std::min(plan.endChainage(), sheet.toChainage + beyond);
  if (start < sheet.fromChainage) painter.drawPath(path(start, sheet.fromChainage));
  if (end > sheet.toChainage) painter.drawPath(path(sheet.toChainage, end));
  painter.setPen(QPen(Qt::black, canvas.units(0.4)));
  painter.drawPath(path(sheet.fromChainage, sheet.toChainage));
}

// Ticks across the line at round chainages, their chainage on the left of it.
void drawTicks(ReportCanvas& canvas, const survey::HorizontalAlignment& plan,
               const AlignmentSheet& sheet, const SheetProjection& projection) {
  const double step = roundNumberAtMost(kTickSpacingMm * sheet.metresPerMm);
  QPainter& painter = canvas.painter();
  painter.setFont(ReportCanvas::font(7));
  for (double k = std::ceil(sheet.fromChainage / step - 1e-9); k * step <= sheet.toChainage + 1e-6;
       ++k) {
    const double chainage = k * step;
    const QPointF at = projection.mm(plan.pointAt(chainage));
    const QPointF right = projection.direction(rightOf(plan, chainage));
    painter.setPen(QPen(Qt::black, canvas.units(0.3)));
    painter.drawLine(canvas.at(at.x() - right.x() * 2, at.y() - right.y() * 2),
                     canvas.at(at.x() + right.x() * 2, at.y() + right.y() * 2));
    // On white, so that it reads among the arrows.
    const QPointF label = at - right * 5.0;
    const QString text = roundText(chainage);
    const double width = QFontMetricsF(painter.font(), painter.device()).horizontalAdvance(text) /
                             canvas.units(1.0) +
                         1.0;
    painter.fillRect(canvas.rect(label.x() - width / 2, label.y() - 1.6, width, 3.2), Qt::white);
    canvas.text(label.x() - 10, label.y() - 2, 20, 4, text, Qt::AlignHCenter);
  }
}

void drawShots(ReportCanvas& canvas, const AlignmentRun& run, const AlignmentSheet& sheet,
               const SheetProjection& projection, double exaggeration) {
  const survey::HorizontalAlignment& plan = run.alignment.plan;
  const bool first = sheet.fromChainage <= plan.startChainage();
  const bool last = sheet.toChainage >= plan.endChainage();
  // The shots are in order of chainage.
  const auto begin =
      first
          ? run.shots.begin()
          : std::lower_bound(run.shots.begin(), run.shots.end(), sheet.fromChainage,
                             [](const auto& shot, double c) { return shot.station.chainage < c; });
  const auto end =
      last ? run.shots.end()
           : std::lower_bound(begin, run.shots.end(), sheet.toChainage,
                              [](const auto& shot, double c) { return shot.station.chainage < c; });
  std::vector<std::pair<QPointF, std::size_t>> failing;
  for (const bool failures : {false, true}) {
    for (auto shot = begin; shot != end; ++shot) {
      const std::size_t i = static_cast<std::size_t>(shot - run.shots.begin());
      if (shot->outside || run.comparison.pairs[i].failing.empty() == failures) continue;
      const Vector2d right = rightOf(plan, shot->station.chainage);
      const Vector2d from = plan.pointAt(shot->station.chainage) + right * shot->designOffset;
      const Vector2d to = from + right * shot->offsetDifference.value_or(0.0) * exaggeration;
      drawVector(canvas, projection.mm(from), projection.mm(to),
                 failures ? kFailColour : kPassColour);
      if (failures) failing.emplace_back(projection.mm(from), shot->shot);
    }
  }
  for (auto shot = begin; shot != end; ++shot) {
    if (!shot->outside) continue;
    const survey::Point& point = run.survey.points[shot->shot];
    drawUnmatched(canvas, projection.mm({point.x, point.y}), false);
  }
  if (failing.size() > kMostLabels) return;
  canvas.painter().setPen(Qt::black);
  canvas.painter().setFont(ReportCanvas::font(6));
  for (const auto& [at, shot] : failing) {
    canvas.text(at.x() + 1.5, at.y() - 3.5, 30, 3,
                QString::fromStdString(run.survey.points[shot].id));
  }
}

void drawLegend(ReportCanvas& canvas, const AlignmentRun& run, double y) {
  const std::size_t along = run.shots.size() - run.outside;
  const QString texts[] = {
      QStringLiteral("within tolerance (%1)").arg(along - run.comparison.failed),
      QStringLiteral("outside tolerance (%1)").arg(run.comparison.failed),
      QStringLiteral("outside the alignment (%1)").arg(run.outside)};
  double x = ReportCanvas::kMargin;
  for (int i = 0; i < 3; ++i) {
    const QPointF at(x + 2, y + 2.5);
    if (i < 2) {
      drawVector(canvas, at, at + QPointF(0, -4), i == 0 ? kPassColour : kFailColour);
    } else {
      drawUnmatched(canvas, at, false);
    }
    canvas.painter().setPen(Qt::black);
    canvas.painter().setFont(ReportCanvas::font(8));
    canvas.text(x + 6, y, 50, 5, texts[i]);
    x += 60;
  }
}

}  // namespace

AlignmentPlan alignmentPlan(const AlignmentRun& run, const CheckReport& report) {
  double halfWidth = 0.0;
  std::vector<double> differences;
  differences.reserve(run.shots.size());
  for (const survey::AlignedShot& shot : run.shots) {
    if (shot.outside) continue;
    halfWidth = std::max(halfWidth, std::abs(shot.station.offset));
    if (shot.offsetDifference) differences.push_back(std::abs(*shot.offsetDifference));
  }
  AlignmentPlan plan;
  plan.sheets =
      alignmentSheets(run.alignment.plan, halfWidth, ReportCanvas::kBodyWidth, kFrameHeight);
  const auto median = differences.begin() + static_cast<std::ptrdiff_t>(differences.size() / 2);
  if (!differences.empty()) std::nth_element(differences.begin(), median, differences.end());
  plan.exaggeration = report.exaggeration.value_or(vectorExaggeration(
      differences.empty() ? 0.0 : *median, 1.0 / plan.sheets.front().metresPerMm, kMedianArrowMm));
  return plan;
}

void drawAlignmentSheet(ReportCanvas& canvas, const AlignmentRun& run, const CheckReport& report,
                        const AlignmentPlan& plan, std::size_t index) {
  const AlignmentSheet& sheet = plan.sheets[index];
  const SheetProjection projection(sheet);
  QPainter& painter = canvas.painter();
  painter.setFont(ReportCanvas::font(14, true));
  canvas.text(ReportCanvas::kMargin, ReportCanvas::kBodyTop, ReportCanvas::kBodyWidth, 8,
              QStringLiteral("Plan along the alignment, sheet %1 of %2 (1:%3)")
                  .arg(index + 1)
                  .arg(plan.sheets.size())
                  .arg(roundText(sheet.metresPerMm * 1000)));
  painter.setFont(ReportCanvas::font(9));
  canvas.wrappedText(
      ReportCanvas::kMargin, ReportCanvas::kBodyTop + 9, ReportCanvas::kBodyWidth, 4.5,
      QStringLiteral("Chainage %1 to %2. Offset differences drawn %3 across the line, from "
                     "the design offset.")
          .arg(q(report.number(sheet.fromChainage)), q(report.number(sheet.toChainage)),
               plan.exaggeration == 1.0
                   ? QStringLiteral("at their true length")
                   : QStringLiteral("%1 times their length").arg(roundText(plan.exaggeration))));

  const QRectF frame =
      canvas.rect(ReportCanvas::kMargin, kFrameTop, ReportCanvas::kBodyWidth, kFrameHeight);
  painter.save();
  painter.setClipRect(frame);
  drawLine(canvas, run.alignment.plan, sheet, projection);
  drawShots(canvas, run, sheet, projection, plan.exaggeration);
  drawTicks(canvas, run.alignment.plan, sheet, projection);
  painter.restore();
  painter.setPen(QPen(Qt::black, canvas.units(0.3)));
  painter.drawRect(frame);
  // Towards north as the sheet turns the plan.
  drawNorthArrow(canvas, ReportCanvas::kMargin + ReportCanvas::kBodyWidth - 10, kFrameTop + 4,
                 -sheet.turn);

  const double below = kFrameTop + kFrameHeight;
  drawLegend(canvas, run, below + 3);
  const double mmPerMetre = 1.0 / sheet.metresPerMm;
  const double planBar = roundNumberAtMost(40.0 / mmPerMetre);
  drawScaleBar(canvas, ReportCanvas::kMargin, below + 15, planBar * mmPerMetre,
               QStringLiteral("Plan"), roundText(planBar));
  const double mmPerDifference = mmPerMetre * plan.exaggeration;
  const double differenceBar = roundNumberAtMost(20.0 / mmPerDifference);
  drawScaleBar(canvas, ReportCanvas::kMargin + 95, below + 15, differenceBar * mmPerDifference,
               QStringLiteral("Differences"), roundText(differenceBar));
}

}  // namespace check::report
