#include "host/dxf/kept_spline.h"

#include <algorithm>

#include "host/dxf/fields.h"

namespace host::dxf {
namespace {

using Eigen::Vector3d;
using Eigen::Vector4d;

constexpr int kChordsPerSpan = 8;
constexpr int kMostChords = 4000;
constexpr std::int64_t kClosed = 1;

struct SplineData {
  int degree = 3;
  std::vector<double> knots;
  std::vector<Vector4d> controls;  // weighted: (w x, w y, w z, w)
  std::vector<Vector3d> fitPoints;
};

// The repeated groups in file order: knots (40), weights (41), control points (10, 20, 30)
// and fit points (11, 21, 31).
SplineData read(const model::RawGroups& groups) {
  SplineData data;
  std::vector<Vector3d> points;
  std::vector<double> weights;
  for (const auto& [code, value] : groups) {
    const double number = realOf(value).value_or(0.0);
    if (code == 71) data.degree = static_cast<int>(number);
    if (code == 40) data.knots.push_back(number);
    if (code == 41) weights.push_back(number);
    if (code == 10) points.push_back({number, 0.0, 0.0});
    if (code == 20 && !points.empty()) points.back().y() = number;
    if (code == 30 && !points.empty()) points.back().z() = number;
    if (code == 11) data.fitPoints.push_back({number, 0.0, 0.0});
    if (code == 21 && !data.fitPoints.empty()) data.fitPoints.back().y() = number;
    if (code == 31 && !data.fitPoints.empty()) data.fitPoints.back().z() = number;
  }
  for (std::size_t i = 0; i < points.size(); ++i) {
    const double w = i < weights.size() && weights[i] > 0.0 ? weights[i] : 1.0;
    data.controls.push_back({w * points[i].x(), w * points[i].y(), w * points[i].z(), w});
  }
  return data;
}

// The curve at parameter `u` (de Boor), in the span starting at knot `span`.
Vector3d pointAt(const SplineData& s, std::size_t span, double u) {
  const auto p = static_cast<std::size_t>(s.degree);
  std::vector<Vector4d> d(s.controls.begin() + static_cast<std::ptrdiff_t>(span - p),
                          s.controls.begin() + static_cast<std::ptrdiff_t>(span + 1));
  for (std::size_t r = 1; r <= p; ++r) {
    for (std::size_t j = p; j >= r; --j) {
      const double left = s.knots[j + span - p];
      const double right = s.knots[j + 1 + span - r];
      const double alpha = right > left ? (u - left) / (right - left) : 0.0;
      d[j] = (1.0 - alpha) * d[j - 1] + alpha * d[j];
    }
  }
  return d[p].head<3>() / d[p].w();
}

}  // namespace

std::optional<model::WorldPolyline> keptSpline(const model::RawGroups& groups,
                                               const Eigen::Affine3d& toWorld) {
  const SplineData s = read(groups);
  model::WorldPolyline curve{{}, (Fields(groups).whole(70, 0) & kClosed) != 0};
  const std::size_t n = s.controls.size();
  const bool valid = s.degree >= 1 && n > static_cast<std::size_t>(s.degree) &&
                     s.knots.size() == n + static_cast<std::size_t>(s.degree) + 1 &&
                     std::ranges::is_sorted(s.knots);
  if (!valid) {
    // No curve to evaluate: the line through its fit points, if it has them.
    if (s.fitPoints.size() < 2) return std::nullopt;
    for (const Vector3d& p : s.fitPoints) curve.points.push_back(toWorld * p);
    curve.closed = false;
    return curve;
  }
  const auto p = static_cast<std::size_t>(s.degree);
  const int chords = std::min(kMostChords, kChordsPerSpan * static_cast<int>(n - p));
  const double first = s.knots[p];
  const double last = s.knots[n];
  std::size_t span = p;
  for (int k = 0; k <= chords; ++k) {
    const double u = first + (last - first) * k / chords;
    while (span + 1 < n && s.knots[span + 1] <= u) ++span;
    curve.points.push_back(toWorld * pointAt(s, span, u));
  }
  // The closed flag would join the ends again; a closed curve already comes back.
  curve.closed = false;
  return curve;
}

}  // namespace host::dxf
