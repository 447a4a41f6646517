#include "survey/clothoid.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace survey {
namespace {

// Eight-point Gauss-Legendre nodes and weights on [-1, 1], the positive half.
constexpr std::array<double, 4> kNodes{0.1834346424956498, 0.5255324099163290, 0.7966664774136267,
                                       0.9602898564975363};
constexpr std::array<double, 4> kWeights{0.3626837833783620, 0.3137066458778873, 0.2223810344533745,
                                         0.1012285362903763};

// The phase may turn by this much within one piece: the eight-point rule is then exact to
// about 1e-15 of the piece's length.
constexpr double kTurnPerPiece = 0.25;

}  // namespace

Eigen::Vector2d curvedPathEnd(double heading, double curvature, double rate, double length) {
  // φ' is the curvature and φ'' the rate: the integrand's derivatives grow with the larger of
  // |curvature| (largest at an end, as it changes linearly) and sqrt|rate|.
  const double endCurvature = curvature + rate * length;
  const double wiggle =
      std::max({std::abs(curvature), std::abs(endCurvature), std::sqrt(std::abs(rate))});
  const int pieces = std::max(1, static_cast<int>(std::ceil(wiggle * length / kTurnPerPiece)));
  const double piece = length / pieces;
  const double half = piece / 2.0;
  Eigen::Vector2d sum = Eigen::Vector2d::Zero();
  for (int p = 0; p < pieces; ++p) {
    const double middle = (p + 0.5) * piece;
    for (std::size_t k = 0; k < kNodes.size(); ++k) {
      for (const double t : {middle - half * kNodes[k], middle + half * kNodes[k]}) {
        const double phase = heading + curvature * t + rate * t * t / 2.0;
        sum += kWeights[k] * Eigen::Vector2d(std::cos(phase), std::sin(phase));
      }
    }
  }
  return sum * half;
}

}  // namespace survey
