#pragma once

#include <optional>
#include <string>
#include <variant>

#include <Eigen/Geometry>

// Where a part of a drawing goes on a sheet of paper, and at which scale.
namespace host::view {

// A sheet of the A series, in millimetres.
struct Sheet {
  double width = 297.0;
  double height = 210.0;
};
// A0 to A4 (`size` 0 to 4), the long side across when `landscape`.
Sheet sheetA(int size, bool landscape);

// The white border left around what is plotted, in millimetres.
inline constexpr double kPlotMargin = 10.0;

struct PlotLayout {
  double millimetresPerUnit = 1.0;
  // The point of the area (view coordinates) in the middle of the sheet.
  Eigen::Vector2d centre = Eigen::Vector2d::Zero();
  // The N of 1:N the plot is at, in the drawing's units (metres for a unitless drawing).
  double scale = 1.0;
  // Whether the area at that scale is larger than the sheet's printable part: its middle is
  // plotted and the rest cut off.
  bool cut = false;
};

// Lays `area` (view coordinates) out in the middle of `sheet`, at 1:`scale`, or as large as
// fits when none. One drawing unit is `metresPerUnit` long; a unitless drawing is taken to be
// in metres, as survey drawings are. A message instead when there is nothing to plot.
std::variant<PlotLayout, std::string> layOutPlot(const Eigen::AlignedBox2d& area,
                                                 const Sheet& sheet, std::optional<double> scale,
                                                 std::optional<double> metresPerUnit);

}  // namespace host::view
