#include "survey/profile.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

namespace survey {
namespace {

std::string at(const Pvi& pvi) {
  return "the PVI at chainage " + std::to_string(pvi.chainage);
}

}  // namespace

Profile::Profile(std::vector<Pvi> pvis) : pvis_(std::move(pvis)) {
  if (pvis_.size() < 2) throw std::invalid_argument("a profile needs two PVIs or more");
  for (std::size_t i = 1; i < pvis_.size(); ++i) {
    if (!(pvis_[i].chainage > pvis_[i - 1].chainage)) {
      throw std::invalid_argument(at(pvis_[i]) + " does not follow the one before it");
    }
  }
  for (const std::size_t end : {std::size_t{0}, pvis_.size() - 1}) {
    if (pvis_[end].curve != VerticalCurve::None) {
      throw std::invalid_argument(at(pvis_[end]) + " ends the profile and cannot have a curve");
    }
  }
  for (std::size_t i = 1; i + 1 < pvis_.size(); ++i) {
    const Pvi& pvi = pvis_[i];
    if (pvi.curve == VerticalCurve::None) continue;
    if (pvi.length < 0.0 || pvi.radius < 0.0) {
      throw std::invalid_argument(at(pvi) + " has a curve of negative length or radius");
    }
    if (pvi.curve == VerticalCurve::Circle && pvi.radius == 0.0 && pvi.length > 0.0) {
      // The horizontal extent of a circle between its tangent points is R·|sin a2 - sin a1|.
      const double turn =
          std::abs(std::sin(std::atan(gradeBefore(i + 1))) - std::sin(std::atan(gradeBefore(i))));
      if (turn > 0.0) pvis_[i].radius = pvi.length / turn;
    }
  }
}

double Profile::gradeBefore(std::size_t i) const {
  return (pvis_[i].level - pvis_[i - 1].level) / (pvis_[i].chainage - pvis_[i - 1].chainage);
}

std::optional<double> Profile::curveLevelAt(std::size_t i, double chainage) const {
  const Pvi& pvi = pvis_[i];
  const double g1 = gradeBefore(i);
  const double g2 = gradeBefore(i + 1);
  if (pvi.curve == VerticalCurve::Parabola) {
    const double start = pvi.chainage - pvi.length / 2.0;
    const double x = chainage - start;
    if (pvi.length == 0.0 || x < 0.0 || x > pvi.length) return std::nullopt;
    return pvi.level - g1 * pvi.length / 2.0 + g1 * x + (g2 - g1) * x * x / (2.0 * pvi.length);
  }
  if (pvi.curve != VerticalCurve::Circle || pvi.radius == 0.0 || g1 == g2) return std::nullopt;
  // In the plane of chainage and level: the circle touching both grades.
  const double a1 = std::atan(g1);
  const double a2 = std::atan(g2);
  const double tangent = pvi.radius * std::tan(std::abs(a2 - a1) / 2.0);
  const double firstX = pvi.chainage - tangent * std::cos(a1);
  const double lastX = pvi.chainage + tangent * std::cos(a2);
  if (chainage < firstX || chainage > lastX) return std::nullopt;
  const double firstZ = pvi.level - tangent * std::sin(a1);
  const double sag = g2 > g1 ? 1.0 : -1.0;  // the centre above (a sag) or below (a crest)
  const double centerX = firstX - sag * pvi.radius * std::sin(a1);
  const double centerZ = firstZ + sag * pvi.radius * std::cos(a1);
  const double dx = chainage - centerX;
  return centerZ - sag * std::sqrt(std::max(0.0, pvi.radius * pvi.radius - dx * dx));
}

std::optional<double> Profile::levelAt(double chainage) const {
  if (chainage < pvis_.front().chainage || chainage > pvis_.back().chainage) return std::nullopt;
  const auto after = std::upper_bound(pvis_.begin() + 1, pvis_.end() - 1, chainage,
                                      [](double c, const Pvi& p) { return c < p.chainage; });
  const auto next = static_cast<std::size_t>(after - pvis_.begin());
  // The curves of the PVIs at both ends of this grade may reach into it.
  for (const std::size_t i : {next - 1, next}) {
    if (i == 0 || i + 1 == pvis_.size()) continue;
    if (const std::optional<double> level = curveLevelAt(i, chainage)) return level;
  }
  const Pvi& from = pvis_[next - 1];
  return from.level + gradeBefore(next) * (chainage - from.chainage);
}

}  // namespace survey
