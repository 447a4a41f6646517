#include "host/dxf/kept_hatch.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <numeric>

#include "host/dxf/fields.h"
#include "host/dxf/hatch_boundary.h"
#include "host/geom/invalid_input.h"
#include "host/geom/ocs.h"

namespace host::dxf {
namespace {

using Eigen::Vector2d;
using Loop = std::vector<Vector2d>;

// A hatch of more pattern lines, or of more dashes, is shown as a light fill.
constexpr std::int64_t kMostLines = 10'000;
constexpr std::size_t kMostDashes = 200'000;

// One family of parallel lines of a pattern: through `base` + k `offset`, at `angle`,
// dashed by `dashes` (empty: continuous).
struct PatternLine {
  double angle = 0.0;
  Vector2d base = Vector2d::Zero();
  Vector2d offset = Vector2d::Zero();
  std::vector<double> dashes;
};

// The pattern's lines, after the boundary paths (from group `from`): group 78 gives how many,
// each line its angle (53), base point (43, 44), offset (45, 46) and dashes (49).
std::vector<PatternLine> patternLines(const model::RawGroups& groups, std::size_t from) {
  std::vector<PatternLine> lines;
  bool inPattern = false;
  for (std::size_t i = from; i < groups.size(); ++i) {
    const auto [code, value] = groups[i];
    if (code == 78) {
      inPattern = true;
      continue;
    }
    if (!inPattern) continue;
    const double number = realOf(value).value_or(0.0);
    if (code == 53) {
      lines.push_back({number * std::numbers::pi / 180.0, Vector2d::Zero(), Vector2d::Zero(), {}});
    } else if (lines.empty() ||
               (code != 43 && code != 44 && code != 45 && code != 46 && code != 79 && code != 49)) {
      break;
    } else if (code == 43 || code == 44) {
      lines.back().base[code - 43] = number;
    } else if (code == 45 || code == 46) {
      lines.back().offset[code - 45] = number;
    } else if (code == 49) {
      lines.back().dashes.push_back(number);
    }
  }
  return lines;
}

// Where the line through `p` along `d` crosses the loops, as distances along it, sorted:
// inside between the first and second, the third and fourth ... (even-odd).
std::vector<double> crossings(const std::vector<Loop>& loops, const Vector2d& p,
                              const Vector2d& d) {
  const Vector2d n(-d.y(), d.x());
  std::vector<double> at;
  for (const Loop& loop : loops) {
    for (std::size_t i = 0; i < loop.size(); ++i) {
      const Vector2d& a = loop[i];
      const Vector2d& b = loop[(i + 1) % loop.size()];
      const double sa = (a - p).dot(n);
      const double sb = (b - p).dot(n);
      if ((sa > 0.0) == (sb > 0.0)) continue;
      at.push_back((a - p).dot(d) + sa / (sa - sb) * (b - a).dot(d));
    }
  }
  std::ranges::sort(at);
  return at;
}

class PatternDrawer {
 public:
  PatternDrawer(const std::vector<Loop>& loops, model::KeptShapes& shapes,
                const std::function<Eigen::Vector3d(const Vector2d&)>& place)
      : loops_(loops), shapes_(shapes), place_(place) {
    for (const Loop& loop : loops) {
      for (const Vector2d& p : loop) box_.extend(p);
    }
  }

  // False when the pattern is too dense to draw.
  bool draw(const std::vector<PatternLine>& lines) {
    std::int64_t total = 0;
    for (const PatternLine& line : lines) {
      const auto [first, last] = range(line);
      total += std::max<std::int64_t>(0, last - first + 1);
      if (total > kMostLines) return false;
    }
    for (const PatternLine& line : lines) {
      const auto [first, last] = range(line);
      const Vector2d d(std::cos(line.angle), std::sin(line.angle));
      for (std::int64_t k = first; k <= last; ++k) {
        const Vector2d p = line.base + static_cast<double>(k) * line.offset;
        const auto at = crossings(loops_, p, d);
        for (std::size_t i = 0; i + 1 < at.size(); i += 2) {
          if (!dash(p, d, at[i], at[i + 1], line.dashes)) return false;
        }
      }
    }
    return true;
  }

 private:
  const std::vector<Loop>& loops_;
  model::KeptShapes& shapes_;
  const std::function<Eigen::Vector3d(const Vector2d&)>& place_;
  Eigen::AlignedBox2d box_;

  // The lines of a family that can cross the boundary's box.
  std::pair<std::int64_t, std::int64_t> range(const PatternLine& line) const {
    const Vector2d n(-std::sin(line.angle), std::cos(line.angle));
    const double spacing = line.offset.dot(n);
    if (!(std::abs(spacing) > 1e-9 * std::max(1.0, box_.diagonal().norm()))) return {1, 0};
    double low = INFINITY, high = -INFINITY;
    for (const auto corner : {Eigen::AlignedBox2d::BottomLeft, Eigen::AlignedBox2d::BottomRight,
                              Eigen::AlignedBox2d::TopLeft, Eigen::AlignedBox2d::TopRight}) {
      const double s = (box_.corner(corner) - line.base).dot(n) / spacing;
      low = std::min(low, s);
      high = std::max(high, s);
    }
    if (!std::isfinite(low) || !std::isfinite(high) || high - low > 1e9) return {1, 0};
    return {static_cast<std::int64_t>(std::ceil(low)), static_cast<std::int64_t>(std::floor(high))};
  }

  void segment(const Vector2d& a, const Vector2d& b) {
    shapes_.outlines.push_back({{place_(a), place_(b)}, false});
  }

  // The pattern's dashes between distances `from` and `to` along the line through `p`,
  // counted from `p`. False once the hatch holds too many.
  bool dash(const Vector2d& p, const Vector2d& d, double from, double to,
            const std::vector<double>& dashes) {
    const double period =
        std::accumulate(dashes.begin(), dashes.end(), 0.0,
                        [](double sum, double element) { return sum + std::abs(element); });
    if (dashes.empty() || period <= 0.0) {
      segment(p + from * d, p + to * d);
      return shapes_.outlines.size() <= kMostDashes;
    }
    double at = from - std::fmod(from, period) - (from < 0.0 ? period : 0.0);
    while (at < to) {
      for (const double element : dashes) {
        const double start = std::max(at, from);
        const double end = std::min(at + std::abs(element), to);
        if (element >= 0.0 && end >= start) segment(p + start * d, p + std::max(end, start) * d);
        at += std::abs(element);
        if (at >= to) break;
      }
      if (shapes_.outlines.size() > kMostDashes) return false;
    }
    return true;
  }
};

}  // namespace

std::optional<model::KeptShapes> keptHatch(const model::RawGroups& groups,
                                           const Eigen::Affine3d& toWorld) {
  const Fields head(groups);
  geom::Frame ocs;
  try {
    ocs = geom::objectCoordinateSystem(head.point(210, Eigen::Vector3d::UnitZ()));
  } catch (const InvalidInput&) {
    return std::nullopt;
  }
  std::size_t afterBoundary = 0;
  const auto loops = hatchBoundary(groups, afterBoundary);
  if (!loops) return std::nullopt;
  const double elevation = head.real(30, 0.0);
  const std::function<Eigen::Vector3d(const Vector2d&)> place = [&](const Vector2d& p) {
    return Eigen::Vector3d(toWorld * ocs.pointToWorld({p.x(), p.y(), elevation}));
  };
  model::KeptShapes shapes;
  const auto area = [&](bool light) {
    model::KeptArea filled{{}, light};
    for (const Loop& loop : *loops) {
      model::WorldPolyline outline{{}, true};
      for (const Vector2d& p : loop) outline.points.push_back(place(p));
      filled.loops.push_back(std::move(outline));
    }
    shapes.areas.push_back(std::move(filled));
  };
  if (head.whole(70, 0) & 1) {
    area(false);
    return shapes;
  }
  PatternDrawer pattern(*loops, shapes, place);
  if (!pattern.draw(patternLines(groups, afterBoundary))) {
    shapes.outlines.clear();
    area(true);
  }
  return shapes;
}

}  // namespace host::dxf
