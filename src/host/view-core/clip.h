#pragma once

#include <vector>

#include <Eigen/Geometry>

namespace host::view {

// Clips the segment from `a` to `b` to `box` (Liang-Barsky), moving the ends inward. False
// when nothing of it lies inside.
bool clipSegment(Eigen::Vector2d& a, Eigen::Vector2d& b, const Eigen::AlignedBox2d& box);

// The parts of a polyline inside `box`, each a polyline of its own.
std::vector<std::vector<Eigen::Vector2d>> clipPolyline(const std::vector<Eigen::Vector2d>& points,
                                                       bool closed, const Eigen::AlignedBox2d& box);

// The part of a filled polygon inside `box` (Sutherland-Hodgman): a polygon of its own, empty
// when nothing of it lies inside.
std::vector<Eigen::Vector2d> clipPolygon(const std::vector<Eigen::Vector2d>& points,
                                         const Eigen::AlignedBox2d& box);

}  // namespace host::view
