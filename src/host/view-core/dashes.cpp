#include "host/view-core/dashes.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "host/view-core/clip.h"

namespace host::view {
namespace {

constexpr double kDotPixels = 1.0;

// Walks a polyline's visible segments, tracking where along the pattern each point falls.
class Dasher {
 public:
  Dasher(const std::vector<double>& pattern, const Eigen::AlignedBox2d& box,
         const std::function<void(const std::vector<Eigen::Vector2d>&)>& dash)
      : box_(box), dash_(dash) {
    for (const double element : pattern) {
      lengths_.push_back(element == 0.0 ? kDotPixels : std::abs(element));
      drawn_.push_back(element >= 0.0);
    }
    period_ = std::accumulate(lengths_.begin(), lengths_.end(), 0.0);
  }

  void segment(const Eigen::Vector2d& a, const Eigen::Vector2d& b) {
    const double length = (b - a).norm();
    if (length == 0.0) return;
    Eigen::Vector2d from = a;
    Eigen::Vector2d to = b;
    if (!clipSegment(from, to, box_)) {
      flush();
      advance(length);
      return;
    }
    const double skipped = (from - a).norm();
    if (skipped > 0.0) {
      flush();
      advance(skipped);
    }
    const Eigen::Vector2d direction = (b - a) / length;
    double at = skipped;
    const double end = (to - a).norm();
    while (at < end) {
      const double step = std::min(end - at, lengths_[element_] - into_);
      if (drawn_[element_]) {
        if (current_.empty()) current_.push_back(a + at * direction);
        current_.push_back(a + (at + step) * direction);
      } else {
        flush();
      }
      at += step;
      into_ += step;
      if (into_ >= lengths_[element_]) nextElement();
    }
    if (end < length) {
      flush();
      advance(length - end);
    }
  }

  void flush() {
    if (current_.size() > 1) dash_(current_);
    current_.clear();
  }

 private:
  Eigen::AlignedBox2d box_;
  const std::function<void(const std::vector<Eigen::Vector2d>&)>& dash_;
  std::vector<double> lengths_;
  std::vector<bool> drawn_;
  double period_ = 0.0;
  std::size_t element_ = 0;
  double into_ = 0.0;  // how far into the current element
  std::vector<Eigen::Vector2d> current_;

  void nextElement() {
    into_ = 0.0;
    element_ = (element_ + 1) % lengths_.size();
  }

  // Moves along the pattern by a distance that is not drawn (off screen).
  void advance(double distance) {
    distance = std::fmod(distance + into_, period_);
    into_ = 0.0;
    element_ = 0;
    while (distance >= lengths_[element_]) {
      distance -= lengths_[element_];
      element_ = (element_ + 1) % lengths_.size();
    }
    into_ = distance;
  }
};

}  // namespace

bool showsDashes(const std::vector<double>& pattern) {
  return !pattern.empty() && std::ranges::all_of(pattern, [](double element) {
    return element == 0.0 || std::abs(element) >= 1.0;
  });
}

void dashPolyline(const std::vector<Eigen::Vector2d>& points, bool closed,
                  const std::vector<double>& pattern, const Eigen::AlignedBox2d& box,
                  const std::function<void(const std::vector<Eigen::Vector2d>&)>& dash) {
  Dasher dasher(pattern, box, dash);
  const std::size_t count = points.size();
  const std::size_t segments = closed ? count : (count == 0 ? 0 : count - 1);
  for (std::size_t i = 0; i < segments; ++i) dasher.segment(points[i], points[(i + 1) % count]);
  dasher.flush();
}

}  // namespace host::view
