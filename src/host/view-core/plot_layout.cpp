#include "host/view-core/plot_layout.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace host::view {

Sheet sheetA(int size, bool landscape) {
  // Short and long sides of A0 to A4 in millimetres.
  constexpr std::array<std::array<double, 2>, 5> kSides{
      {{841, 1189}, {594, 841}, {420, 594}, {297, 420}, {210, 297}}};
  const auto& sides = kSides[static_cast<std::size_t>(std::clamp(size, 0, 4))];
  return landscape ? Sheet{sides[1], sides[0]} : Sheet{sides[0], sides[1]};
}

std::variant<PlotLayout, std::string> layOutPlot(const Eigen::AlignedBox2d& area,
                                                 const Sheet& sheet, std::optional<double> scale,
                                                 std::optional<double> metresPerUnit) {
  if (area.isEmpty() || !area.sizes().allFinite()) return std::string("Nothing to plot");
  const double unitMillimetres = 1000.0 * metresPerUnit.value_or(1.0);
  const Eigen::Vector2d printable(sheet.width - 2 * kPlotMargin, sheet.height - 2 * kPlotMargin);
  const Eigen::Vector2d size = area.sizes();
  PlotLayout layout;
  layout.centre = 0.5 * area.min() + 0.5 * area.max();
  if (scale) {
    layout.millimetresPerUnit = unitMillimetres / *scale;
    layout.scale = *scale;
  } else {
    // A single point or a line seen end-on has no size to fit; it is plotted at 1:1.
    const double across =
        size.x() > 0 ? printable.x() / size.x() : std::numeric_limits<double>::infinity();
    const double down =
        size.y() > 0 ? printable.y() / size.y() : std::numeric_limits<double>::infinity();
    layout.millimetresPerUnit =
        std::isfinite(std::min(across, down)) ? std::min(across, down) : unitMillimetres;
    layout.scale = unitMillimetres / layout.millimetresPerUnit;
  }
  // A rounding's worth over the printable part is not cut.
  constexpr double kTolerance = 1e-9;
  const Eigen::Vector2d plotted = size * layout.millimetresPerUnit;
  layout.cut = (plotted.array() > printable.array() * (1 + kTolerance)).any();
  return layout;
}

}  // namespace host::view
