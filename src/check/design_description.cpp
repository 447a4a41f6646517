#include "check/design_description.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <vector>

#include "numbers/number_format.h"

namespace check {
namespace {

constexpr int kDecimals = 3;

std::string number(double value, int decimals) {
  return numbers::formatWithDP(value, numbers::numberFormatFor(decimals), ".");
}

std::string counted(std::size_t count, const char* one, const char* several) {
  return std::to_string(count) + ' ' + (count == 1 ? one : several);
}

// The places the surface's faces meet at: a drawing's faces each hold their own corners, so
// that a corner shared by six faces is one point to the user, not six.
std::size_t pointsOf(const survey::TinSurface& surface) {
  std::vector<std::array<double, 3>> places;
  places.reserve(surface.points.size());
  for (const survey::SurfacePoint& p : surface.points) places.push_back({p.x, p.y, p.z});
  std::sort(places.begin(), places.end());
  return static_cast<std::size_t>(std::unique(places.begin(), places.end()) - places.begin());
}

}  // namespace

std::string describeSurface(const survey::TinSurface& surface) {
  // A drawing's surface is named by its file, which the window shows above it.
  std::string text = surface.surfaceName.empty()
                         ? "Surface of " + std::filesystem::path(surface.name).filename().string()
                         : "Surface '" + surface.surfaceName + "'";
  text += ": " + counted(pointsOf(surface), "point", "points") + ", " +
          counted(surface.faces.size(), "face", "faces");
  if (!surface.breaklines.empty()) {
    text += ", " + counted(surface.breaklines.size(), "breakline", "breaklines");
  }
  if (!surface.boundaries.empty()) {
    text += ", " + counted(surface.boundaries.size(), "boundary", "boundaries");
  }
  if (surface.points.empty()) return text;
  const auto [west, east] = std::ranges::minmax(surface.points, {}, &survey::SurfacePoint::x);
  const auto [south, north] = std::ranges::minmax(surface.points, {}, &survey::SurfacePoint::y);
  return text + "\nPlan extent: east " + number(west.x, kDecimals) + " to " +
         number(east.x, kDecimals) + ", north " + number(south.y, kDecimals) + " to " +
         number(north.y, kDecimals);
}

std::string alignmentNamed(const survey::Alignment& alignment, const AlignmentOptions& options) {
  return options.layer ? "the polyline on layer '" + *options.layer + "'"
                       : "alignment '" + alignment.name + "'";
}

std::string alignmentExtent(const survey::Alignment& alignment, int decimals) {
  const survey::HorizontalAlignment& plan = alignment.plan;
  return "chainage " + number(plan.startChainage(), decimals) + " to " +
         number(plan.endChainage(), decimals) + ", " +
         counted(plan.elements().size(), "element", "elements") +
         (alignment.profile ? ", with a profile" : ", without a profile");
}

}  // namespace check
