#pragma once

#include <optional>
#include <string>

// The options of `kestova check --against surface`.
namespace check {

struct SurfaceOptions {
  std::optional<std::string> name;             // --surface: which surface of a LandXML file
  std::optional<double> maxEdge;               // --max-edge: of faces along a triangulated hull
  std::optional<std::string> breaklinesLayer;  // --breaklines-layer: a drawing's 3D polylines
  std::optional<std::string> layer;            // --layer: a drawing's faces on one layer
  bool volumes = false;                        // --volumes
  std::optional<double> grid;                  // --grid: volumes per square of this side too
};

// Whether `name` is an option of the surface check that takes a value.
bool isSurfaceOption(const std::string& name);

// Sets the surface option `name` from `value`. Throws UsageError for a bad value.
void applySurfaceOption(SurfaceOptions& options, const std::string& name, const std::string& value);

// The first surface option given, to name when the check is not against a surface; empty when
// none is.
std::string firstSurfaceOptionGiven(const SurfaceOptions& options);

}  // namespace check
