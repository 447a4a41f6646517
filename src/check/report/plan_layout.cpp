#include "check/report/plan_layout.h"

#include <algorithm>
#include <cmath>

#include "check/report/plan_scale.h"

namespace check::report {
namespace {

// Points closer than this on paper crowd their symbols and ids: the plan goes on more sheets.
constexpr double kReadableSpacingMm = 8.0;
// More sheets than this are no longer a plan to leaf through: the scale gets smaller.
constexpr std::size_t kMostSheets = 48;
// Unless the user gives the exaggeration: the median vector this long, so that most vectors
// read and a blunder stands out, however long it is.
constexpr double kMedianVectorMm = 4.0;

// A point in the X and Y of the axes the check measured along (a UCS turned against the world,
// say), so that the plan shows the deviations as the lists give them.
PlanPoint inAxes(const CheckReport& report, const survey::Point& point) {
  const Eigen::Vector3d local = report.axes.pointToLocal({point.x, point.y, point.z.value_or(0.0)});
  return {local.x(), local.y()};
}

std::vector<PlanItem> itemsOf(const CheckReport& report) {
  std::vector<PlanItem> items;
  const auto& pairs = report.pairing.pairs;
  for (std::size_t i = 0; i < pairs.size(); ++i) {
    const survey::Point& design = report.design.points[pairs[i].design];
    items.push_back(
        {report.comparison.pairs[i].failing.empty() ? PlanKind::Within : PlanKind::Outside,
         inAxes(report, design), inAxes(report, pairs[i].survey.point), design.id});
  }
  for (const std::size_t i : report.pairing.unmatchedDesign) {
    const survey::Point& p = report.design.points[i];
    items.push_back({PlanKind::NeverSurveyed, inAxes(report, p), inAxes(report, p), p.id});
  }
  for (const survey::Observation& o : report.pairing.unmatchedSurvey) {
    const PlanPoint at = inAxes(report, o.point);
    items.push_back({PlanKind::NoDesign, at, at, o.point.id});
  }
  return items;
}

double medianVectorLength(const std::vector<PlanItem>& items) {
  std::vector<double> lengths;
  for (const PlanItem& item : items) {
    if (item.kind == PlanKind::Within || item.kind == PlanKind::Outside) {
      lengths.push_back(std::hypot(item.surveyed.x - item.at.x, item.surveyed.y - item.at.y));
    }
  }
  if (lengths.empty()) return 0.0;
  const auto median = lengths.begin() + static_cast<std::ptrdiff_t>(lengths.size() / 2);
  std::nth_element(lengths.begin(), median, lengths.end());
  return *median;
}

}  // namespace

PlanLayout planLayout(const CheckReport& report) {
  PlanLayout layout;
  layout.items = itemsOf(report);
  std::vector<PlanPoint> places;
  places.reserve(layout.items.size());
  for (const PlanItem& item : layout.items) places.push_back(item.at);
  const double metresPerUnit = survey::metresPer(report.inputUnit);
  layout.sheets =
      planSheets(places, kPlanFrameWidth - 2 * kPlanPadding, kPlanFrameHeight - 2 * kPlanPadding,
                 metresPerUnit, kReadableSpacingMm, kMostSheets);
  layout.mmPerUnit = layout.sheets.mmPerUnit(metresPerUnit);
  layout.exaggeration = report.exaggeration.value_or(
      vectorExaggeration(medianVectorLength(layout.items), layout.mmPerUnit, kMedianVectorMm));
  return layout;
}

}  // namespace check::report
