#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// A design surface as triangles over points (a TIN), however it was made: read from a LandXML
// surface, taken from a drawing's faces, or triangulated from points.
namespace survey {

struct SurfacePoint {
  double x = 0.0;  // easting
  double y = 0.0;  // northing
  double z = 0.0;
};

using SurfaceFace = std::array<std::uint32_t, 3>;  // indices into the points, either turn

// A line the surface must follow (a kerb, a ridge): its points are corners of the surface and
// its segments edges of it.
struct Breakline {
  std::vector<SurfacePoint> points;
  std::size_t line = 0;  // where it stands in its file, for messages; 0 when unknown
};

// Where a surface ends: its outer edge, a void (a hole in it: a building, a pond), or an island
// of surface again within a void. A closed ring, its last point not repeating the first.
struct SurfaceBoundary {
  enum class Kind { Outer, Void, Island };
  Kind kind = Kind::Outer;
  std::vector<SurfacePoint> points;
  std::size_t line = 0;  // where it stands in its file, for messages; 0 when unknown
};

struct TinSurface {
  // The file's name, and the surface's within it when it has one, as messages show them.
  std::string name;
  // The surface's own name in a LandXML file; empty for a drawing's faces or points.
  std::string surfaceName;
  std::vector<SurfacePoint> points;
  std::vector<SurfaceFace> faces;
  // The line each face stands on in its file, in the faces' order; empty when not from a text.
  std::vector<std::size_t> faceLines;
  // As the design file gives them, to be drawn with the surface; shots outside the outer
  // boundaries or in a void are outside the surface.
  std::vector<Breakline> breaklines;
  std::vector<SurfaceBoundary> boundaries;

  // "face 12 (line 40)", or "face 12" without lines: the face as a message names it.
  std::string faceName(std::size_t face) const;
};

}  // namespace survey
