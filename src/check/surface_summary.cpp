#include "check/surface_summary.h"

#include <algorithm>
#include <numeric>

#include "check/statistics_cells.h"
#include "check/summary.h"
#include "check/text_table.h"

namespace check {
namespace {

// Lists longer than this are cut short on the terminal; the CSV has them all.
constexpr std::size_t kListed = 20;

void writeFailures(std::ostream& out, const SurfaceRun& run, const CheckReport& report) {
  const survey::Comparison& comparison = run.comparison;
  out << "Outside tolerance: " << comparison.failed << " of "
      << run.count(survey::ShotPlace::OnSurface) << " shots on the surface\n";
  TextTable table;
  std::size_t listed = 0;
  for (std::size_t i = 0; i < comparison.pairs.size() && listed < kListed; ++i) {
    if (comparison.pairs[i].failing.empty()) continue;
    table.addRow({"  " + run.survey.points[i].id,
                  report.number(*comparison.pairs[i].values[survey::kSurfaceDz])});
    ++listed;
  }
  table.write(out);
  if (comparison.failed > listed) out << "  and " << comparison.failed - listed << " more\n";
}

void writeOutside(std::ostream& out, const SurfaceRun& run) {
  const std::size_t outside = run.count(survey::ShotPlace::Outside);
  if (outside == 0) return;
  out << "Outside the surface (" << outside << "): ";
  std::size_t listed = 0;
  for (std::size_t i = 0; i < run.places.size() && listed < kListed; ++i) {
    if (run.places[i] != survey::ShotPlace::Outside) continue;
    out << (listed++ > 0 ? ", " : "") << run.survey.points[i].id;
  }
  if (outside > listed) out << " and " << outside - listed << " more";
  out << '\n';
}

void writeSums(TextTable& table, const std::string& name, const survey::VolumeSums& sums,
               const CheckReport& report) {
  table.addRow({name, report.number(sums.cut), report.number(sums.fill),
                report.number(sums.fill - sums.cut), report.number(sums.area)});
}

void writeVolumes(std::ostream& out, const survey::SurfaceVolumes& volumes,
                  const CheckReport& report) {
  out << "Volumes between the surface through the shots and the design (cut below it, fill "
         "above):\n";
  TextTable table;
  table.addRow({"", "cut", "fill", "net", "area"});
  writeSums(table, "  all", volumes.total, report);
  table.write(out);
  out << "Area compared: " << report.number(volumes.total.area) << " of "
      << report.number(volumes.surveyArea) << " surveyed\n";
  if (!volumes.gridSize) return;
  // The squares that move the most earth come first.
  std::vector<std::size_t> order(volumes.squares.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  const auto moved = [&](std::size_t k) {
    return volumes.squares[k].sums.cut + volumes.squares[k].sums.fill;
  };
  std::stable_sort(order.begin(), order.end(),
                   [&](std::size_t a, std::size_t b) { return moved(a) > moved(b); });
  out << "Squares of " << report.number(*volumes.gridSize) << " (" << volumes.squares.size()
      << "), the most moved first, by lower left corner:\n";
  TextTable squares;
  squares.addRow({"", "cut", "fill", "net", "area"});
  for (std::size_t k = 0; k < std::min(order.size(), kListed); ++k) {
    const survey::GridSquare& square = volumes.squares[order[k]];
    writeSums(squares, "  " + report.number(square.x) + " " + report.number(square.y), square.sums,
              report);
  }
  squares.write(out);
  if (order.size() > kListed) out << "  and " << order.size() - kListed << " more\n";
}

}  // namespace

void writeSurfaceSummary(std::ostream& out, const SurfaceRun& run) {
  const CheckReport report = run.report();
  out << "Design surface: " << run.design.name << ", " << run.design.faces.size() << " faces\n";
  writeSurvey(out, run.survey);
  out << "On the surface: " << run.count(survey::ShotPlace::OnSurface)
      << ", outside it: " << run.count(survey::ShotPlace::Outside) << '\n';
  out << "Levels: survey minus design, positive above the design (fill), " << run.decimals
      << " decimals\n\n";
  writeStatistics(out, report);
  out << '\n';
  writeTolerances(out, report);
  writeFailures(out, run, report);
  writeOutside(out, run);
  if (run.volumes) writeVolumes(out, *run.volumes, report);
  for (const std::string& warning : run.warnings) out << "Warning: " << warning << '\n';
}

}  // namespace check
