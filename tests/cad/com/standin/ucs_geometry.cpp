#include "standin/ucs_geometry.h"

#include <cmath>

namespace standin {
namespace {

Point minus(const Point& a, const Point& b) {
  return {a[0] - b[0], a[1] - b[1], a[2] - b[2]};
}

double dot(const Point& a, const Point& b) {
  return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

Point unit(const Point& v) {
  const double length = std::sqrt(dot(v, v));
  if (!(length > 0)) throw Fault{E_INVALIDARG, L"Invalid input"};
  return {v[0] / length, v[1] / length, v[2] / length};
}

Point cross(const Point& a, const Point& b) {
  return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

}  // namespace

Matrix Frame::matrix() const {
  Matrix m{};
  for (int row = 0; row < 3; ++row) {
    m[row][0] = xAxis[row];
    m[row][1] = yAxis[row];
    m[row][2] = zAxis[row];
    m[row][3] = origin[row];
  }
  m[3][3] = 1;
  return m;
}

Point Frame::toWorld(const Point& ucs, bool displacement) const {
  Point world = displacement ? Point{0, 0, 0} : origin;
  for (int i = 0; i < 3; ++i) world[i] += ucs[0] * xAxis[i] + ucs[1] * yAxis[i] + ucs[2] * zAxis[i];
  return world;
}

Point Frame::toUcs(const Point& world, bool displacement) const {
  const Point d = displacement ? world : minus(world, origin);
  return {dot(d, xAxis), dot(d, yAxis), dot(d, zAxis)};
}

Frame currentUcs() {
  return {{100, 200, 5}, {0, 1, 0}, {-1, 0, 0}, {0, 0, 1}};
}

Frame frameThrough(const Point& origin, const Point& xPoint, const Point& yPoint) {
  const Point x = unit(minus(xPoint, origin));
  const Point z = unit(cross(x, unit(minus(yPoint, origin))));
  return {origin, x, cross(z, x), z};
}

}  // namespace standin
