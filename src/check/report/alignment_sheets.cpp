#include "check/report/alignment_sheets.h"

#include <Eigen/Geometry>
#include <algorithm>
#include <cmath>

#include "check/report/plan_scale.h"
#include "check/report/plan_sheets.h"

namespace check::report {
namespace {

// Points along the alignment close enough together that the line between them strays from
// it by less than a tenth of a millimetre on paper (a chord of 5 m on a 300 m radius).
constexpr double kSampleSpacing = 5.0;
// The room kept at the frame's ends beyond the sheet's range, for its ticks and arrows.
constexpr double kEndRoom = 0.9;

std::vector<Eigen::Vector2d> samples(const survey::HorizontalAlignment& alignment, double from,
                                     double to) {
  const int count = std::max(2, static_cast<int>(std::ceil((to - from) / kSampleSpacing)) + 1);
  std::vector<Eigen::Vector2d> points;
  points.reserve(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) {
    points.push_back(alignment.pointAt(from + (to - from) * i / (count - 1)));
  }
  return points;
}

// The sheet of chainage `from` to `to`, its chord turned level and its extent centred.
AlignmentSheet sheetOf(const survey::HorizontalAlignment& alignment, double from, double to,
                       double halfWidth, double widthMm, double heightMm) {
  const std::vector<Eigen::Vector2d> points = samples(alignment, from, to);
  const Eigen::Vector2d chord = points.back() - points.front();
  AlignmentSheet sheet{from, to, chord.norm() > 0.0 ? -std::atan2(chord.y(), chord.x()) : 0.0, 1.0,
                       Eigen::Vector2d::Zero()};
  const Eigen::Rotation2Dd turn(sheet.turn);
  Eigen::Vector2d low = turn * points.front();
  Eigen::Vector2d high = low;
  for (const Eigen::Vector2d& p : points) {
    low = low.cwiseMin(turn * p);
    high = high.cwiseMax(turn * p);
  }
  low.array() -= halfWidth;
  high.array() += halfWidth;
  const Eigen::Vector2d size = high - low;
  const double metresPerMm =
      std::max({size.x() / (widthMm * kEndRoom), size.y() / (heightMm * kEndRoom), 1e-3});
  sheet.metresPerMm = standardScaleAtLeast(metresPerMm * 1000.0) / 1000.0;
  sheet.centre = turn.inverse() * ((low + high) / 2);
  return sheet;
}

}  // namespace

Eigen::Vector2d AlignmentSheet::onPaper(const Eigen::Vector2d& p) const {
  return Eigen::Rotation2Dd(turn) * (p - centre) / metresPerMm;
}

std::vector<AlignmentSheet> alignmentSheets(const survey::HorizontalAlignment& alignment,
                                            double halfWidth, double widthMm, double heightMm) {
  const double start = alignment.startChainage();
  const double end = alignment.endChainage();
  const AlignmentSheet whole = sheetOf(alignment, start, end, halfWidth, widthMm, heightMm);
  if (whole.metresPerMm <= kMostMetresPerMm) return {whole};
  // Round lengths, so that a sheet's ends fall on the ticks of its chainage; the shots either
  // side of the line beyond the range's ends still fit at the least scale.
  const double room = widthMm * kEndRoom * kMostMetresPerMm;
  const double step = roundNumberAtMost(room / 5);
  const double length =
      std::max(step, std::floor((room - 2 * std::min(halfWidth, room / 4)) / step) * step);
  std::vector<AlignmentSheet> sheets;
  for (double from = start; from < end;) {
    // The last sheet takes what would be a sliver of one at the end.
    const double to = end - (from + length) < length * 1e-6 ? end : from + length;
    sheets.push_back(sheetOf(alignment, from, to, halfWidth, widthMm, heightMm));
    from = to;
  }
  return sheets;
}

}  // namespace check::report
