#pragma once

#include <optional>
#include <vector>

// The vertical profile of an alignment: levels by chainage.
namespace survey {

enum class VerticalCurve { None, Parabola, Circle };

// A point of intersection of two grades, rounded off by a vertical curve where it has one.
struct Pvi {
  double chainage = 0.0;
  double level = 0.0;
  VerticalCurve curve = VerticalCurve::None;
  double length = 0.0;  // of the curve along the chainage, centred on the PVI for a parabola
  double radius = 0.0;  // of a circular curve; 0: found from its length
};

class Profile {
 public:
  // The PVIs in order of increasing chainage, at least two; the first and the last without a
  // curve. Throws std::invalid_argument saying what is wrong.
  explicit Profile(std::vector<Pvi> pvis);

  // The design level at `chainage`; none beyond the first and the last PVI.
  std::optional<double> levelAt(double chainage) const;

 private:
  // The grades the curve at PVI `i` joins rounded off: its level at `chainage` when that lies on
  // the curve.
  std::optional<double> curveLevelAt(std::size_t i, double chainage) const;
  double gradeBefore(std::size_t i) const;

  std::vector<Pvi> pvis_;
};

}  // namespace survey
