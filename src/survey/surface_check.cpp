#include "survey/surface_check.h"

#include <algorithm>
#include <cstdint>

namespace survey {

const ComponentSchema& surfaceComponents() {
  static const ComponentSchema schema{
      {"z", "dz", "dz", "", ToleranceRule::Bounds, "z (level)",
       "dz is the survey's level minus the design's: positive above the design (fill), negative "
       "below (cut).",
       0.02},
      {"n", "dn", "dn", "", ToleranceRule::Symmetric, "n (normal)",
       "dn is the distance from the design surface along its normal.", 0.02},
  };
  return schema;
}

SurfaceShots::SurfaceShots(const SurfaceLocator& design, const std::vector<Point>& shots)
    : shots_(shots), hits_(shots.size()) {
  // Shots in the order of the grid's cells: a survey in the order it was walked, or in none,
  // would look up faces all over the surface.
  std::vector<std::uint64_t> order(shots.size());
  for (std::size_t i = 0; i < shots.size(); ++i) {
    order[i] = (static_cast<std::uint64_t>(design.cellOf(shots[i].x, shots[i].y)) << 32) | i;
  }
  std::sort(order.begin(), order.end());
  for (const std::uint64_t key : order) {
    const std::size_t i = key & 0xFFFFFFFFu;
    hits_[i] = design.at(shots[i].x, shots[i].y);
  }
}

const ComponentSchema& SurfaceShots::schema() const {
  return surfaceComponents();
}

std::size_t SurfaceShots::shotCount() const {
  return shots_.size();
}

const std::string& SurfaceShots::idOf(std::size_t shot) const {
  return shots_[shot].id;
}

ComponentValues SurfaceShots::valuesOf(std::size_t shot) const {
  if (placeOf(shot) != ShotPlace::OnSurface) return {std::nullopt, std::nullopt};
  const double dz = *shots_[shot].z - hits_[shot]->z;
  return {dz, dz * hits_[shot]->normalZ};
}

ShotPlace SurfaceShots::placeOf(std::size_t shot) const {
  if (!hits_[shot]) return ShotPlace::Outside;
  if (!shots_[shot].z) return ShotPlace::NoHeight;
  return ShotPlace::OnSurface;
}

std::optional<double> SurfaceShots::designZ(std::size_t shot) const {
  if (!hits_[shot]) return std::nullopt;
  return hits_[shot]->z;
}

std::optional<std::string> overlapWarning(const TinSurface& design, const SurfaceLocator& locator) {
  const auto overlap = locator.firstOverlap();
  if (!overlap) return std::nullopt;
  return design.name + ": " + design.faceName(overlap->first) + " and " +
         design.faceName(overlap->second) +
         " overlap; where faces overlap, shots are checked against the upper one";
}

}  // namespace survey
