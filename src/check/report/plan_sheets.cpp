#include "check/report/plan_sheets.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <utility>

namespace check::report {
namespace {

// The multiples of a power of ten that make the standard scales.
constexpr double kSteps[] = {1.0, 2.0, 2.5, 5.0, 10.0};
// How many points typicalSpacing measures at most, so that 20,000 cost no more than 400.
constexpr std::size_t kSpacingSample = 400;
// The largest scale the plan is split into sheets at, however close some points lie: closer
// than that, their ids are listed rather than the plan drawn on hundreds of sheets.
constexpr double kLargestSheetScale = 100.0;

double powerOfTenBelow(double value) {
  return std::pow(10.0, std::floor(std::log10(value)));
}

PlanWindow extentOf(const std::vector<PlanPoint>& points) {
  if (points.empty()) return {};
  PlanWindow extent{points[0].x, points[0].y, points[0].x, points[0].y};
  for (const PlanPoint& p : points) {
    extent.minX = std::min(extent.minX, p.x);
    extent.minY = std::min(extent.minY, p.y);
    extent.maxX = std::max(extent.maxX, p.x);
    extent.maxY = std::max(extent.maxY, p.y);
  }
  return extent;
}

// How many windows `size` long it takes to cover `span`, at least one.
double windowsAcross(double span, double size) {
  return std::max(1.0, std::ceil(span / size - 1e-9));
}

// The grid of windows at `scale`, centred on the points, keeping those with points; stops
// counting once there are more than `mostSheets`.
PlanSheets gridAt(const std::vector<PlanPoint>& points, const PlanWindow& extent, double scale,
                  double widthMm, double heightMm, double metresPerUnit, std::size_t mostSheets) {
  PlanSheets layout{scale, {}, extent};
  const double width = widthMm / layout.mmPerUnit(metresPerUnit);
  const double height = heightMm / layout.mmPerUnit(metresPerUnit);
  const double columns = windowsAcross(extent.maxX - extent.minX, width);
  const double rows = windowsAcross(extent.maxY - extent.minY, height);
  const double left = extent.minX - (columns * width - (extent.maxX - extent.minX)) / 2;
  const double top = extent.maxY + (rows * height - (extent.maxY - extent.minY)) / 2;
  // Ordered by row, then column: the sheets' numbers.
  std::map<std::pair<double, double>, std::vector<std::size_t>> occupied;
  for (std::size_t i = 0; i < points.size(); ++i) {
    const double column = std::clamp(std::floor((points[i].x - left) / width), 0.0, columns - 1);
    const double row = std::clamp(std::floor((top - points[i].y) / height), 0.0, rows - 1);
    occupied[{row, column}].push_back(i);
    if (occupied.size() > mostSheets) break;
  }
  if (occupied.empty()) occupied[{0.0, 0.0}];
  for (auto& [cell, indices] : occupied) {
    const double minX = left + cell.second * width;
    const double maxY = top - cell.first * height;
    layout.sheets.push_back({{minX, maxY - height, minX + width, maxY}, std::move(indices)});
  }
  return layout;
}

}  // namespace

double standardScaleAtLeast(double denominator) {
  denominator = std::max(denominator, 1.0);
  const double power = powerOfTenBelow(denominator);
  // A little slack so that a scale that is standard, give or take its last bit, stays itself.
  for (const double step : kSteps) {
    if (step * power >= denominator * (1.0 - 1e-12)) return step * power;
  }
  return 10.0 * power;
}

double standardScaleAtMost(double denominator) {
  if (!(denominator > 1.0)) return 1.0;
  const double power = powerOfTenBelow(denominator);
  double scale = power;
  for (const double step : kSteps) {
    if (step * power <= denominator * (1.0 + 1e-12)) scale = step * power;
  }
  return scale;
}

double typicalSpacing(const std::vector<PlanPoint>& points) {
  const std::size_t stride = std::max<std::size_t>(1, points.size() / kSpacingSample);
  std::vector<double> nearest;
  for (std::size_t i = 0; i < points.size(); i += stride) {
    // Squared distances: their roots are taken of the nearest alone.
    double closest = std::numeric_limits<double>::infinity();
    for (const PlanPoint& other : points) {
      const double dx = other.x - points[i].x;
      const double dy = other.y - points[i].y;
      const double squared = dx * dx + dy * dy;
      if (squared > 0.0) closest = std::min(closest, squared);
    }
    if (std::isfinite(closest)) nearest.push_back(std::sqrt(closest));
  }
  if (nearest.empty()) return 0.0;
  const auto middle = nearest.begin() + static_cast<std::ptrdiff_t>(nearest.size() / 2);
  std::nth_element(nearest.begin(), middle, nearest.end());
  return *middle;
}

PlanSheets planSheets(const std::vector<PlanPoint>& points, double widthMm, double heightMm,
                      double metresPerUnit, double readableMm, std::size_t mostSheets) {
  mostSheets = std::max<std::size_t>(mostSheets, 1);
  const PlanWindow extent = extentOf(points);
  const double mmPerMetre = 1000.0 * metresPerUnit;
  const double fitting =
      standardScaleAtLeast(std::max((extent.maxX - extent.minX) * mmPerMetre / widthMm,
                                    (extent.maxY - extent.minY) * mmPerMetre / heightMm));
  const double spacing = typicalSpacing(points);
  const double readable = spacing > 0.0 ? standardScaleAtMost(spacing * mmPerMetre / readableMm)
                                        : std::numeric_limits<double>::infinity();
  double scale = std::min(fitting, std::max(readable, kLargestSheetScale));
  for (;;) {
    PlanSheets layout = gridAt(points, extent, scale, widthMm, heightMm, metresPerUnit, mostSheets);
    if (layout.sheets.size() <= mostSheets) return layout;
    scale = standardScaleAtLeast(scale * 1.01);
  }
}

}  // namespace check::report
