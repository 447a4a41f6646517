#include "host/dxf/hatch_boundary.h"

#include <cmath>
#include <numbers>

#include "host/dxf/fields.h"

namespace host::dxf {
namespace {

using Eigen::Vector2d;
using Loop = std::vector<Vector2d>;

constexpr double kChordAngle = std::numbers::pi / 36.0;  // 5 degrees per chord, as arcs
constexpr std::int64_t kPolylinePath = 2;                // path type flag, group 92
// More than this in one hatch is taken for a damaged record.
constexpr std::int64_t kMostItems = 1'000'000;

// Reads groups one after another, each of the code the path structure calls for.
class Cursor {
 public:
  Cursor(const model::RawGroups& groups, std::size_t at) : groups_(groups), at_(at) {}

  std::size_t at() const { return at_; }
  bool next(int code) const { return at_ < groups_.size() && groups_[at_].code == code; }
  // The next group's number, which must be of `code`.
  std::optional<double> real(int code) {
    if (!next(code)) return std::nullopt;
    return realOf(groups_[at_++].value);
  }
  std::optional<std::int64_t> count(int code) {
    const auto value = real(code);
    if (!value || *value < 0 || *value > kMostItems) return std::nullopt;
    return static_cast<std::int64_t>(*value);
  }
  std::optional<Vector2d> point(int code) {
    const auto x = real(code);
    const auto y = real(code + 10);
    if (!x || !y) return std::nullopt;
    return Vector2d(*x, *y);
  }
  // Skips to the next group of `code`, if there is one.
  bool seek(int code) {
    while (at_ < groups_.size() && groups_[at_].code != code) ++at_;
    return at_ < groups_.size();
  }

 private:
  const model::RawGroups& groups_;
  std::size_t at_;
};

// Points of an elliptic arc about `centre` with axes `u` (major) and `v`, from parameter
// `start` turning by `sweep`, the start left out (the edge before ends there).
void appendArc(const Vector2d& centre, const Vector2d& u, const Vector2d& v, double start,
               double sweep, Loop& loop) {
  const int chords = std::max(2, static_cast<int>(std::ceil(std::abs(sweep) / kChordAngle)));
  for (int k = 0; k <= chords; ++k) {
    const double t = start + sweep * k / chords;
    loop.push_back(centre + std::cos(t) * u + std::sin(t) * v);
  }
}

// A sweep from `start` to `end` degrees the way the edge turns. A clockwise edge gives its
// angles as its mirror image about X does.
std::pair<double, double> sweepOf(double start, double end, bool counterClockwise) {
  const double degree = std::numbers::pi / 180.0;
  double from = start * degree;
  double to = end * degree;
  if (!counterClockwise) {
    from = -from;
    to = -to;
  }
  double sweep = to - from;
  const double turn = 2.0 * std::numbers::pi;
  if (counterClockwise) {
    while (sweep <= 0.0) sweep += turn;
  } else {
    while (sweep >= 0.0) sweep -= turn;
  }
  if (std::abs(std::abs(sweep) - turn) < 1e-12 || std::abs(sweep) > turn) {
    sweep = counterClockwise ? turn : -turn;
  }
  return {from, sweep};
}

std::optional<Loop> polylinePath(Cursor& c) {
  const auto bulges = c.real(72);
  c.real(73);  // closed or not, a boundary always closes
  const auto count = c.count(93);
  if (!bulges || !count) return std::nullopt;
  std::vector<std::pair<Vector2d, double>> vertices;
  for (std::int64_t i = 0; i < *count; ++i) {
    const auto p = c.point(10);
    if (!p) return std::nullopt;
    vertices.push_back({*p, c.next(42) ? c.real(42).value_or(0.0) : 0.0});
  }
  Loop loop;
  for (std::size_t i = 0; i < vertices.size(); ++i) {
    const auto& [from, bulge] = vertices[i];
    const Vector2d& to = vertices[(i + 1) % vertices.size()].first;
    const double length = (to - from).norm();
    if (std::abs(bulge) < 1e-9 || length == 0.0) {
      loop.push_back(from);
      continue;
    }
    const double included = 4.0 * std::atan(bulge);
    const Vector2d left(-(to - from).y() / length, (to - from).x() / length);
    const Vector2d centre = 0.5 * (from + to) + left * (0.5 * length / std::tan(0.5 * included));
    const double radius = (from - centre).norm();
    const double start = std::atan2(from.y() - centre.y(), from.x() - centre.x());
    appendArc(centre, {radius, 0}, {0, radius}, start, included, loop);
    loop.pop_back();  // the next vertex begins there
  }
  return loop;
}

bool splineEdge(Cursor& c, Loop& loop) {
  c.real(94);
  const auto rational = c.real(73);
  c.real(74);
  const auto knots = c.count(95);
  const auto controls = c.count(96);
  if (!rational || !knots || !controls) return false;
  for (std::int64_t i = 0; i < *knots; ++i) {
    if (!c.real(40)) return false;
  }
  Loop controlPoints;
  for (std::int64_t i = 0; i < *controls; ++i) {
    const auto p = c.point(10);
    if (!p) return false;
    controlPoints.push_back(*p);
    if (c.next(42)) c.real(42);
  }
  Loop fitPoints;
  if (c.next(97)) {
    const auto fits = c.count(97);
    for (std::int64_t i = 0; fits && i < *fits; ++i) {
      const auto p = c.point(11);
      if (!p) return false;
      fitPoints.push_back(*p);
    }
    if (c.next(12)) c.point(12);
    if (c.next(13)) c.point(13);
  }
  const Loop& shown = fitPoints.empty() ? controlPoints : fitPoints;
  loop.insert(loop.end(), shown.begin(), shown.end());
  return true;
}

std::optional<Loop> edgePath(Cursor& c) {
  const auto edges = c.count(93);
  if (!edges) return std::nullopt;
  Loop loop;
  for (std::int64_t e = 0; e < *edges; ++e) {
    const auto type = c.real(72);
    if (!type) return std::nullopt;
    if (*type == 1) {
      const auto from = c.point(10);
      const auto to = c.point(11);
      if (!from || !to) return std::nullopt;
      loop.push_back(*from);
      loop.push_back(*to);
    } else if (*type == 2 || *type == 3) {
      const auto centre = c.point(10);
      const auto axis = *type == 3 ? c.point(11) : std::optional<Vector2d>(Vector2d::Zero());
      const auto size = c.real(40);
      const auto start = c.real(50);
      const auto end = c.real(51);
      const auto ccw = c.real(73);
      if (!centre || !axis || !size || !start || !end || !ccw) return std::nullopt;
      const Vector2d u = *type == 2 ? Vector2d(*size, 0) : *axis;
      const Vector2d v = *type == 2 ? Vector2d(0, *size) : Vector2d(-u.y(), u.x()) * *size;
      const auto [from, sweep] = sweepOf(*start, *end, *ccw != 0.0);
      appendArc(*centre, u, v, from, sweep, loop);
    } else if (*type == 4) {
      if (!splineEdge(c, loop)) return std::nullopt;
    } else {
      return std::nullopt;
    }
  }
  return loop;
}

}  // namespace

std::optional<std::vector<Loop>> hatchBoundary(const model::RawGroups& groups, std::size_t& next) {
  Cursor c(groups, 0);
  if (!c.seek(91)) return std::nullopt;
  const auto paths = c.count(91);
  if (!paths) return std::nullopt;
  std::vector<Loop> loops;
  for (std::int64_t p = 0; p < *paths; ++p) {
    const auto type = c.real(92);
    if (!type) return std::nullopt;
    const auto loop =
        (static_cast<std::int64_t>(*type) & kPolylinePath) ? polylinePath(c) : edgePath(c);
    if (!loop) return std::nullopt;
    if (loop->size() > 2) loops.push_back(*loop);
    // The entities the path was made from, by handle.
    const auto sources = c.count(97);
    for (std::int64_t s = 0; sources && s < *sources && c.next(330); ++s) c.real(330);
    while (c.next(330)) c.real(330);
  }
  next = c.at();
  return loops;
}

}  // namespace host::dxf
