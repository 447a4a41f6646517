#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "check/report/plan_marks.h"
#include "check/report/plan_scale.h"
#include "check/report/report_pages.h"
#include "numbers/number_format.h"

namespace check::report {
namespace {

constexpr double kFrameTop = ReportCanvas::kBodyTop + 20;
constexpr double kFrameHeight = 200.0;
constexpr double kPadding = 12.0;  // room inside the frame for vectors and labels
// Unless the user gives the exaggeration: the median vector this long, so that most vectors
// read and a blunder stands out, however long it is.
constexpr double kMedianVectorMm = 4.0;
// Ids beside the points outside tolerance and unmatched, when there are few enough to read.
constexpr std::size_t kMostLabels = 40;

// A point in the X and Y of the axes the check measured along (a UCS turned against the world,
// say), so that the plan shows the deviations as the lists give them.
QPointF inAxes(const CheckReport& report, const survey::Point& point) {
  const Eigen::Vector3d local = report.axes.pointToLocal({point.x, point.y, point.z.value_or(0.0)});
  return {local.x(), local.y()};
}

// The check's X and Y onto the page: its Y up, the points centred in the frame.
class PlanProjection {
 public:
  explicit PlanProjection(const CheckReport& report) {
    const auto include = [this, &report](const survey::Point& point) {
      const QPointF p = inAxes(report, point);
      minX_ = std::min(minX_, p.x());
      maxX_ = std::max(maxX_, p.x());
      minY_ = std::min(minY_, p.y());
      maxY_ = std::max(maxY_, p.y());
    };
    for (const survey::Pair& pair : report.pairing.pairs) {
      include(report.design.points[pair.design]);
      include(pair.survey.point);
    }
    for (const std::size_t i : report.pairing.unmatchedDesign) include(report.design.points[i]);
    for (const survey::Observation& o : report.pairing.unmatchedSurvey) include(o.point);
    // A single point, or points on one line, still get a scale.
    const double span = std::max({maxX_ - minX_, maxY_ - minY_, 1e-6});
    const double width = ReportCanvas::kBodyWidth - 2 * kPadding;
    const double height = kFrameHeight - 2 * kPadding;
    mmPerUnit_ = std::min(width / std::max(maxX_ - minX_, span * 1e-3),
                          height / std::max(maxY_ - minY_, span * 1e-3));
    left_ = ReportCanvas::kMargin + kPadding + (width - (maxX_ - minX_) * mmPerUnit_) / 2;
    bottom_ = kFrameTop + kPadding + height - (height - (maxY_ - minY_) * mmPerUnit_) / 2;
  }

  double mmPerUnit() const { return mmPerUnit_; }
  // The page's millimetres of a point in the check's axes.
  QPointF mm(QPointF p) const {
    return {left_ + (p.x() - minX_) * mmPerUnit_, bottom_ - (p.y() - minY_) * mmPerUnit_};
  }

 private:
  double minX_ = std::numeric_limits<double>::max();
  double maxX_ = std::numeric_limits<double>::lowest();
  double minY_ = std::numeric_limits<double>::max();
  double maxY_ = std::numeric_limits<double>::lowest();
  double mmPerUnit_ = 1.0;
  double left_ = 0.0;
  double bottom_ = 0.0;
};

void drawLabel(ReportCanvas& canvas, QPointF at, const std::string& id) {
  canvas.painter().setPen(Qt::black);
  canvas.painter().setFont(ReportCanvas::font(6));
  canvas.text(at.x() + 1.5, at.y() - 3.5, 30, 3, QString::fromStdString(id));
}

void drawPoints(ReportCanvas& canvas, const CheckReport& report, const PlanProjection& plan,
                double exaggeration) {
  const auto& pairs = report.pairing.pairs;
  const auto vectorOf = [&](std::size_t i) {
    const QPointF design = inAxes(report, report.design.points[pairs[i].design]);
    const QPointF surveyed = inAxes(report, pairs[i].survey.point);
    return std::pair{plan.mm(design), plan.mm(design + (surveyed - design) * exaggeration)};
  };
  // The failures on top of the passes, the unmatched on top of all.
  for (const bool failing : {false, true}) {
    for (std::size_t i = 0; i < pairs.size(); ++i) {
      if (report.comparison.pairs[i].failing.empty() == failing) continue;
      const auto [from, to] = vectorOf(i);
      drawVector(canvas, from, to, failing ? kFailColour : kPassColour);
    }
  }
  for (const std::size_t i : report.pairing.unmatchedDesign) {
    const survey::Point& p = report.design.points[i];
    drawUnmatched(canvas, plan.mm(inAxes(report, p)), true);
  }
  for (const survey::Observation& o : report.pairing.unmatchedSurvey) {
    drawUnmatched(canvas, plan.mm(inAxes(report, o.point)), false);
  }
  if (report.comparison.failed + report.pairing.unmatchedDesign.size() +
          report.pairing.unmatchedSurvey.size() >
      kMostLabels) {
    return;
  }
  for (std::size_t i = 0; i < pairs.size(); ++i) {
    if (!report.comparison.pairs[i].failing.empty()) {
      drawLabel(canvas, vectorOf(i).first, report.design.points[pairs[i].design].id);
    }
  }
  for (const std::size_t i : report.pairing.unmatchedDesign) {
    const survey::Point& p = report.design.points[i];
    drawLabel(canvas, plan.mm(inAxes(report, p)), p.id);
  }
  for (const survey::Observation& o : report.pairing.unmatchedSurvey) {
    drawLabel(canvas, plan.mm(inAxes(report, o.point)), o.point.id);
  }
}

void drawLegend(ReportCanvas& canvas, const CheckReport& report, double y) {
  const struct {
    QColor colour;
    QString text;
  } entries[] = {
      {kPassColour, QStringLiteral("within tolerance (%1)")
                        .arg(report.comparison.pairs.size() - report.comparison.failed)},
      {kFailColour, QStringLiteral("outside tolerance (%1)").arg(report.comparison.failed)},
      {kUnmatchedColour,
       QStringLiteral("never surveyed (%1)").arg(report.pairing.unmatchedDesign.size())},
      {kUnmatchedColour,
       QStringLiteral("no design point (%1)").arg(report.pairing.unmatchedSurvey.size())}};
  double x = ReportCanvas::kMargin;
  for (int i = 0; i < 4; ++i) {
    const QPointF at(x + 2, y + 2.5);
    if (i < 2) {
      drawVector(canvas, at, at + QPointF(5, -2), entries[i].colour);
    } else {
      drawUnmatched(canvas, at, i == 2);
    }
    canvas.painter().setPen(Qt::black);
    canvas.painter().setFont(ReportCanvas::font(8));
    canvas.text(x + 9, y, 36, 5, entries[i].text);
    x += 45;
  }
}

}  // namespace

void drawPlanPage(ReportCanvas& canvas, const CheckReport& report) {
  const PlanProjection plan(report);
  std::vector<double> lengths;
  lengths.reserve(report.pairing.pairs.size());
  for (const survey::Pair& pair : report.pairing.pairs) {
    const survey::Point& design = report.design.points[pair.design];
    lengths.push_back(std::hypot(pair.survey.point.x - design.x, pair.survey.point.y - design.y));
  }
  const auto median = lengths.begin() + static_cast<std::ptrdiff_t>(lengths.size() / 2);
  if (!lengths.empty()) std::nth_element(lengths.begin(), median, lengths.end());
  const double exaggeration = report.exaggeration.value_or(
      vectorExaggeration(lengths.empty() ? 0.0 : *median, plan.mmPerUnit(), kMedianVectorMm));

  QPainter& painter = canvas.painter();
  painter.setFont(ReportCanvas::font(14, true));
  canvas.text(ReportCanvas::kMargin, ReportCanvas::kBodyTop, ReportCanvas::kBodyWidth, 8,
              QStringLiteral("Plan of the pairs"));
  painter.setFont(ReportCanvas::font(9));
  // Over two lines where the axes' name is long.
  canvas.wrappedText(
      ReportCanvas::kMargin, ReportCanvas::kBodyTop + 9, ReportCanvas::kBodyWidth, 4.5,
      exaggeration == 1.0
          ? QStringLiteral("Vectors at their true length, from each design point to its "
                           "surveyed point, along %1.")
                .arg(QString::fromStdString(report.frame))
          : QStringLiteral("Vectors drawn %1 times their length, from each design point "
                           "towards its surveyed point, along %2.")
                .arg(QString::number(exaggeration), QString::fromStdString(report.frame)));

  const QRectF frame =
      canvas.rect(ReportCanvas::kMargin, kFrameTop, ReportCanvas::kBodyWidth, kFrameHeight);
  painter.save();
  painter.setClipRect(frame);
  drawPoints(canvas, report, plan, exaggeration);
  painter.restore();
  painter.setPen(QPen(Qt::black, canvas.units(0.3)));
  painter.drawRect(frame);
  // Towards world north (+Y) as the check's axes turn it on the page.
  const Eigen::Vector3d north = report.axes.vectorToLocal(Eigen::Vector3d::UnitY());
  drawNorthArrow(canvas, ReportCanvas::kMargin + ReportCanvas::kBodyWidth - 10, kFrameTop + 4,
                 std::atan2(north.x(), north.y()));

  const double below = kFrameTop + kFrameHeight;
  drawLegend(canvas, report, below + 3);
  const double planBar = roundNumberAtMost(40.0 / plan.mmPerUnit());
  drawScaleBar(canvas, ReportCanvas::kMargin, below + 15, planBar * plan.mmPerUnit(),
               QStringLiteral("Plan"), QString::fromStdString(numbers::storedForm(planBar, ".")));
  const double mmPerDeviation = plan.mmPerUnit() * exaggeration;
  const double vectorBar = roundNumberAtMost(20.0 / mmPerDeviation);
  drawScaleBar(canvas, ReportCanvas::kMargin + 95, below + 15, vectorBar * mmPerDeviation,
               QStringLiteral("Vectors"),
               QString::fromStdString(numbers::storedForm(vectorBar, ".")));
}

}  // namespace check::report
