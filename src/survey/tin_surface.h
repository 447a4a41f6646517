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

struct TinSurface {
  // The file's name, and the surface's within it when it has one, as messages show them.
  std::string name;
  std::vector<SurfacePoint> points;
  std::vector<SurfaceFace> faces;
  // The line each face stands on in its file, in the faces' order; empty when not from a text.
  std::vector<std::size_t> faceLines;

  // "face 12 (line 40)", or "face 12" without lines: the face as a message names it.
  std::string faceName(std::size_t face) const;
};

}  // namespace survey
