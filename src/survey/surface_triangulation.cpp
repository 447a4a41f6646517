#include "survey/surface_triangulation.h"

#include <CGAL/Constrained_Delaunay_triangulation_2.h>
#include <CGAL/Exact_predicates_inexact_constructions_kernel.h>
#include <CGAL/Spatial_sort_traits_adapter_2.h>
#include <CGAL/Triangulation_face_base_with_info_2.h>
#include <CGAL/Triangulation_vertex_base_with_info_2.h>
#include <CGAL/spatial_sort.h>
#include <deque>
#include <numeric>

#include "numbers/number_format.h"
#include "survey/line_crossing.h"
#include "survey/point_file_error.h"

namespace survey {
namespace {

using Kernel = CGAL::Exact_predicates_inexact_constructions_kernel;
using VertexBase = CGAL::Triangulation_vertex_base_with_info_2<std::uint32_t, Kernel>;
// A face's info: it is left out of the surface (by --max-edge).
using FaceInfo = CGAL::Triangulation_face_base_with_info_2<bool, Kernel>;
using FaceBase = CGAL::Constrained_triangulation_face_base_2<Kernel, FaceInfo>;
using Structure = CGAL::Triangulation_data_structure_2<VertexBase, FaceBase>;
using Triangulation =
    CGAL::Constrained_Delaunay_triangulation_2<Kernel, Structure, CGAL::Exact_predicates_tag>;
using Plan = Kernel::Point_2;

// `corners` holds the vertex of each breakline point, the breaklines one after another: a
// constraint between two points given by place would be searched for from nowhere.
void insertBreaklines(Triangulation& triangulation, const TriangulationInput& input,
                      const std::vector<Triangulation::Vertex_handle>& corners) {
  std::size_t first = 0;
  for (const Breakline& breakline : input.breaklines) {
    const std::size_t before = triangulation.number_of_vertices();
    for (std::size_t i = first; i + 1 < first + breakline.points.size(); ++i) {
      if (corners[i] != corners[i + 1]) triangulation.insert_constraint(corners[i], corners[i + 1]);
    }
    first += breakline.points.size();
    if (triangulation.number_of_vertices() == before) continue;
    // A crossing adds a corner of no known level: the design is not clear there.
    if (const std::optional<SurfacePoint> at = selfCrossing(breakline.points)) {
      throw PointFileError(input.name, breakline.line,
                           "a breakline crosses itself at " + planText(*at));
    }
    throw PointFileError(input.name, breakline.line,
                         "a breakline crosses another where neither has a point");
  }
}

double squaredPlanLength(const Triangulation::Face_handle& face, int opposite) {
  const Plan& a = face->vertex(Triangulation::cw(opposite))->point();
  const Plan& b = face->vertex(Triangulation::ccw(opposite))->point();
  const double dx = a.x() - b.x(), dy = a.y() - b.y();
  return dx * dx + dy * dy;
}

// Leaves out the faces along the outside with an edge on the outside longer than `maxEdge`,
// and then those that have become the outside, until none is left to leave out.
void dropLongOuterFaces(Triangulation& triangulation, double maxEdge) {
  const double limit = maxEdge * maxEdge;
  std::deque<Triangulation::Face_handle> outer;
  for (auto face : triangulation.all_face_handles()) {
    face->info() = false;
    if (triangulation.is_infinite(face)) continue;
    for (int i = 0; i < 3; ++i) {
      if (triangulation.is_infinite(face->neighbor(i))) outer.push_back(face);
    }
  }
  while (!outer.empty()) {
    const Triangulation::Face_handle face = outer.front();
    outer.pop_front();
    if (face->info()) continue;
    for (int i = 0; i < 3; ++i) {
      const Triangulation::Face_handle neighbour = face->neighbor(i);
      const bool outside = triangulation.is_infinite(neighbour) || neighbour->info();
      if (!outside || squaredPlanLength(face, i) <= limit) continue;
      face->info() = true;
      for (int k = 0; k < 3; ++k) {
        const Triangulation::Face_handle next = face->neighbor(k);
        if (!triangulation.is_infinite(next) && !next->info()) outer.push_back(next);
      }
      break;
    }
  }
}

}  // namespace

TinSurface triangulate(const TriangulationInput& input) {
  std::vector<SurfacePoint> given = input.points;
  for (const Breakline& breakline : input.breaklines) {
    given.insert(given.end(), breakline.points.begin(), breakline.points.end());
  }
  // Inserted along a space-filling curve, each point is found from the last one in a few
  // steps. The points are kept in that order, and the faces come out near it, so that whoever
  // walks the surface's faces finds their corners near each other in memory.
  std::vector<Plan> plan;
  plan.reserve(given.size());
  for (const SurfacePoint& p : given) plan.emplace_back(p.x, p.y);
  std::vector<std::size_t> order(given.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  using SortTraits =
      CGAL::Spatial_sort_traits_adapter_2<Kernel, CGAL::Pointer_property_map<Plan>::type>;
  CGAL::spatial_sort(order.begin(), order.end(), SortTraits(CGAL::make_property_map(plan)),
                     CGAL::Hilbert_sort_middle_policy());
  TinSurface surface;
  surface.name = input.name;
  surface.points.reserve(given.size());
  Triangulation triangulation;
  Triangulation::Face_handle hint;
  std::vector<Triangulation::Vertex_handle> breaklineCorners(given.size() - input.points.size());
  for (const std::size_t i : order) {
    const std::size_t before = triangulation.number_of_vertices();
    const Triangulation::Vertex_handle vertex = triangulation.insert(plan[i], hint);
    hint = vertex->face();
    if (i >= input.points.size()) breaklineCorners[i - input.points.size()] = vertex;
    // Of points in one place, the first given holds its level, whichever was inserted first.
    if (triangulation.number_of_vertices() > before || i < order[vertex->info()]) {
      vertex->info() = static_cast<std::uint32_t>(surface.points.size());
    }
    surface.points.push_back(given[i]);
  }
  if (triangulation.dimension() < 2) {
    throw PointFileError(
        input.name, 0, "cannot be made a surface: it needs three points that are not on one line");
  }
  insertBreaklines(triangulation, input, breaklineCorners);
  if (input.maxEdge) dropLongOuterFaces(triangulation, *input.maxEdge);
  surface.faces.reserve(triangulation.number_of_faces());
  for (auto face : triangulation.finite_face_handles()) {
    if (input.maxEdge && face->info()) continue;
    surface.faces.push_back(
        {face->vertex(0)->info(), face->vertex(1)->info(), face->vertex(2)->info()});
  }
  if (surface.faces.empty()) {
    throw PointFileError(input.name, 0,
                         "leaves no faces with --max-edge " +
                             numbers::formatWithDP(*input.maxEdge, "###0.###", "."));
  }
  return surface;
}

}  // namespace survey
