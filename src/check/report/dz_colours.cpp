#include "check/report/dz_colours.h"

#include <algorithm>

#include "check/report/histogram.h"
#include "check/report/plan_scale.h"

namespace check::report {
namespace {

const QColor kColours[DzColours::kClasses] = {
    QColor(165, 0, 0),     QColor(230, 60, 40),  QColor(250, 160, 140), QColor(170, 170, 170),
    QColor(140, 175, 240), QColor(40, 100, 220), QColor(0, 35, 140)};

}  // namespace

DzColours::DzColours(const std::vector<double>& dz,
                     const std::optional<survey::Tolerance>& tolerance) {
  const double lower = tolerance ? tolerance->lower : 0.0;
  const double upper = tolerance ? tolerance->upper : 0.0;
  double reach = 0.0;
  if (!dz.empty()) {
    const Histogram bulk = histogramOf(dz, tolerance, false);
    reach = std::max({lower - bulk.start, bulk.end() - upper, bulk.binWidth});
  }
  // Three steps reach about as far as the bulk does, each a round number to read and not much
  // finer than the tolerance is wide, so that noise just beyond a bound takes no colour of its
  // own.
  const double step = std::max(reach, upper - lower) > 0.0
                          ? roundNumberAtMost(std::max(reach, upper - lower) / 2.0)
                          : 0.001;
  limits_ = {lower - 2 * step, lower - step, lower, upper, upper + step, upper + 2 * step};
}

std::size_t DzColours::classOf(double dz, bool withinTolerance) const {
  if (withinTolerance) return kWithin;
  if (dz < limits_[2]) return dz < limits_[0] ? 0 : dz < limits_[1] ? 1 : 2;
  if (dz <= limits_[3]) return kWithin;  // beyond only in its normal distance
  return dz <= limits_[4] ? 4 : dz <= limits_[5] ? 5 : 6;
}

QColor DzColours::colour(std::size_t colourClass) const {
  return kColours[colourClass];
}

}  // namespace check::report
