#pragma once

#include <optional>
#include <vector>

#include "survey/point.h"
#include "survey/reference.h"
#include "survey/surface_locator.h"
#include "survey/tin_surface.h"

namespace survey {

// The components of a check against a surface, as surfaceComponents() orders them.
enum SurfaceComponent : std::size_t { kSurfaceDz, kSurfaceDn };

// dz, the survey's level minus the design's (positive above the design: fill), within bounds
// that need not mirror each other; dn, the distance along the surface's normal.
const ComponentSchema& surfaceComponents();

// Where a shot stands on the design surface.
enum class ShotPlace {
  OnSurface,
  Outside,   // no face under it
  NoHeight,  // the shot has no level
};

// Shots as a reference against a design surface: each shot's values are its dz and dn on the
// face under it (the upper where faces overlap); a shot outside the surface or without a level
// has none.
class SurfaceShots : public Reference {
 public:
  // Refers to `shots`, which outlive it. Locates every shot at once.
  SurfaceShots(const SurfaceLocator& design, const std::vector<Point>& shots);

  const ComponentSchema& schema() const override;
  std::size_t shotCount() const override;
  const std::string& idOf(std::size_t shot) const override;
  ComponentValues valuesOf(std::size_t shot) const override;

  ShotPlace placeOf(std::size_t shot) const;
  // The design's level under the shot; none outside the surface.
  std::optional<double> designZ(std::size_t shot) const;

 private:
  const std::vector<Point>& shots_;
  std::vector<std::optional<SurfaceHit>> hits_;
};

// A warning naming the first two faces of `design` that overlap, or none.
std::optional<std::string> overlapWarning(const TinSurface& design, const SurfaceLocator& locator);

}  // namespace survey
