#include "survey/surface_locator.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace survey {
namespace {

// A position this close to an edge, relative to the face's size, is on it: rounding must not
// drop a shot on a shared edge or on the hull.
constexpr double kOnEdge = 1e-10;

// So many cells per face keeps a cell's list short without a grid much larger than the faces.
constexpr double kCellsPerFace = 2.0;

}  // namespace

FacePosition positionOn(const TinSurface& surface, std::size_t face, double x, double y) {
  const SurfaceFace& f = surface.faces[face];
  const SurfacePoint& a = surface.points[f[0]];
  const SurfacePoint& b = surface.points[f[1]];
  const SurfacePoint& c = surface.points[f[2]];
  const double bx = b.x - a.x, by = b.y - a.y, bz = b.z - a.z;
  const double cx = c.x - a.x, cy = c.y - a.y, cz = c.z - a.z;
  const double px = x - a.x, py = y - a.y;
  FacePosition position;
  const double area2 = bx * cy - by * cx;
  const double turn = area2 < 0.0 ? -1.0 : 1.0;  // faces may run either way round
  position.area2 = std::abs(area2);
  position.w[1] = turn * (px * cy - py * cx);
  position.w[2] = turn * (bx * py - by * px);
  position.w[0] = position.area2 - position.w[1] - position.w[2];
  if (position.area2 == 0.0) return position;
  position.z = a.z + (position.w[1] * bz + position.w[2] * cz) / position.area2;
  return position;
}

double normalZOf(const TinSurface& surface, std::size_t face) {
  const SurfaceFace& f = surface.faces[face];
  const SurfacePoint& a = surface.points[f[0]];
  const SurfacePoint& b = surface.points[f[1]];
  const SurfacePoint& c = surface.points[f[2]];
  const double bx = b.x - a.x, by = b.y - a.y, bz = b.z - a.z;
  const double cx = c.x - a.x, cy = c.y - a.y, cz = c.z - a.z;
  const double nx = by * cz - bz * cy, ny = bz * cx - bx * cz, nz = bx * cy - by * cx;
  const double length = std::sqrt(nx * nx + ny * ny + nz * nz);
  return length > 0.0 ? std::abs(nz) / length : 1.0;
}

SurfaceLocator::SurfaceLocator(const TinSurface& surface, double reach)
    : surface_(surface), region_(surface.boundaries), reach_(reach) {
  if (surface.faces.empty()) return;
  minX_ = minY_ = std::numeric_limits<double>::max();
  maxX_ = maxY_ = std::numeric_limits<double>::lowest();
  for (const SurfaceFace& face : surface.faces) {
    for (const std::uint32_t corner : face) {
      const SurfacePoint& p = surface.points[corner];
      minX_ = std::min(minX_, p.x), maxX_ = std::max(maxX_, p.x);
      minY_ = std::min(minY_, p.y), maxY_ = std::max(maxY_, p.y);
    }
  }
  const double width = maxX_ - minX_, height = maxY_ - minY_;
  const double cells = kCellsPerFace * static_cast<double>(surface.faces.size());
  cellSize_ = std::max(std::sqrt(width * height / cells), std::max(width, height) / cells);
  if (!(cellSize_ > 0.0)) cellSize_ = 1.0;
  columns_ = static_cast<std::size_t>(width / cellSize_) + 1;
  rows_ = static_cast<std::size_t>(height / cellSize_) + 1;
  // Two passes: count the faces of each cell, then list them in one array.
  cellStart_.assign(columns_ * rows_ + 1, 0);
  const auto eachCell = [&](const SurfaceFace& face, auto visit) {
    const SurfacePoint& a = surface.points[face[0]];
    const SurfacePoint& b = surface.points[face[1]];
    const SurfacePoint& c = surface.points[face[2]];
    const std::size_t c0 = column(std::min({a.x, b.x, c.x})),
                      c1 = column(std::max({a.x, b.x, c.x}));
    const std::size_t r0 = row(std::min({a.y, b.y, c.y})), r1 = row(std::max({a.y, b.y, c.y}));
    for (std::size_t r = r0; r <= r1; ++r) {
      for (std::size_t k = c0; k <= c1; ++k) visit(r * columns_ + k);
    }
  };
  for (const SurfaceFace& face : surface.faces) {
    eachCell(face, [&](std::size_t cell) { ++cellStart_[cell + 1]; });
  }
  for (std::size_t cell = 0; cell + 1 < cellStart_.size(); ++cell) {
    cellStart_[cell + 1] += cellStart_[cell];
  }
  cellFaces_.resize(cellStart_.back());
  std::vector<std::uint32_t> filled(cellStart_.begin(), cellStart_.end() - 1);
  for (std::size_t f = 0; f < surface.faces.size(); ++f) {
    eachCell(surface.faces[f],
             [&](std::size_t cell) { cellFaces_[filled[cell]++] = static_cast<std::uint32_t>(f); });
  }
}

std::size_t SurfaceLocator::column(double x) const {
  const double k = std::floor((x - minX_) / cellSize_);
  return static_cast<std::size_t>(std::clamp(k, 0.0, static_cast<double>(columns_ - 1)));
}

std::size_t SurfaceLocator::row(double y) const {
  const double k = std::floor((y - minY_) / cellSize_);
  return static_cast<std::size_t>(std::clamp(k, 0.0, static_cast<double>(rows_ - 1)));
}

std::size_t SurfaceLocator::cellOf(double x, double y) const {
  return columns_ == 0 ? 0 : row(y) * columns_ + column(x);
}

std::optional<SurfaceHit> SurfaceLocator::at(double x, double y) const {
  const double margin = std::max(kOnEdge * cellSize_, reach_);
  if (cellStart_.empty() || !(x >= minX_ - margin && x <= maxX_ + margin) ||
      !(y >= minY_ - margin && y <= maxY_ + margin) || !region_.contains(x, y)) {
    return std::nullopt;
  }
  const std::size_t cell = row(y) * columns_ + column(x);
  std::optional<SurfaceHit> hit, near;
  double nearest = reach_;
  for (std::uint32_t k = cellStart_[cell]; k < cellStart_[cell + 1]; ++k) {
    const FacePosition p = positionOn(surface_, cellFaces_[k], x, y);
    if (p.area2 == 0.0) continue;
    const double slack = -kOnEdge * p.area2;
    if (p.w[0] >= slack && p.w[1] >= slack && p.w[2] >= slack) {
      if (!hit || p.z > hit->z) hit = SurfaceHit{cellFaces_[k], p.z, 1.0};
    } else if (!hit && reach_ > 0.0) {
      if (const double beyond = distanceBeyond(cellFaces_[k], p); beyond <= nearest) {
        nearest = beyond;
        near = SurfaceHit{cellFaces_[k], p.z, 1.0};
      }
    }
  }
  if (!hit) hit = near;
  if (hit) hit->normalZ = normalZOf(surface_, hit->face);
  return hit;
}

double SurfaceLocator::distanceBeyond(std::size_t face, const FacePosition& position) const {
  const SurfaceFace& f = surface_.faces[face];
  const SurfacePoint& a = surface_.points[f[0]];
  const SurfacePoint& b = surface_.points[f[1]];
  const SurfacePoint& c = surface_.points[f[2]];
  // Each weight is the edge opposite its corner times the distance from that edge's line.
  const double lengths[3] = {std::hypot(c.x - b.x, c.y - b.y), std::hypot(c.x - a.x, c.y - a.y),
                             std::hypot(b.x - a.x, b.y - a.y)};
  double beyond = 0.0;
  for (std::size_t i = 0; i < 3; ++i) beyond = std::max(beyond, -position.w[i] / lengths[i]);
  return beyond;
}

std::optional<std::pair<std::size_t, std::size_t>> SurfaceLocator::firstOverlap() const {
  for (std::size_t f = 0; f < surface_.faces.size(); ++f) {
    const SurfaceFace& face = surface_.faces[f];
    double x = 0.0, y = 0.0;
    for (const std::uint32_t corner : face) {
      x += surface_.points[corner].x / 3.0;
      y += surface_.points[corner].y / 3.0;
    }
    const std::size_t cell = row(y) * columns_ + column(x);
    for (std::uint32_t k = cellStart_[cell]; k < cellStart_[cell + 1]; ++k) {
      if (cellFaces_[k] == f) continue;
      const FacePosition p = positionOn(surface_, cellFaces_[k], x, y);
      const double inside = 1e-6 * p.area2;
      if (p.area2 > 0.0 && p.w[0] > inside && p.w[1] > inside && p.w[2] > inside) {
        return std::pair{std::min<std::size_t>(f, cellFaces_[k]),
                         std::max<std::size_t>(f, cellFaces_[k])};
      }
    }
  }
  return std::nullopt;
}

}  // namespace survey
