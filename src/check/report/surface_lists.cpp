#include <algorithm>
#include <numeric>

#include "check/deviation_scale.h"
#include "check/report/surface_pages.h"

namespace check::report {
namespace {

// The grid's squares listed at most, the most moved first: a fine grid over a large site has
// millions, which no one reads on paper.
constexpr std::size_t kMostSquares = 1000;

QString q(const std::string& text) {
  return QString::fromStdString(text);
}

QString number(const CheckReport& report, const std::optional<double>& value) {
  return value ? q(report.number(*value)) : QString();
}

// The shots outside tolerance, or with --all-pairs every shot on the surface and its verdict;
// the levels in the files' unit, dz and dn in the report's.
ReportList shotList(const SurfaceRun& run, const CheckReport& report) {
  const survey::Comparison& comparison = run.comparison;
  const std::size_t on = run.count(survey::ShotPlace::OnSurface);
  const DeviationScale dz = deviationScale(report, survey::kSurfaceDz);
  const DeviationScale dn = deviationScale(report, survey::kSurfaceDn);
  const auto deviation = [](const DeviationScale& scale, const std::optional<double>& value) {
    return value ? q(scale.text(*value)) : QString();
  };
  ReportList list{
      report.allPairs ? QStringLiteral("Shots on the surface (%1, %2 outside tolerance)")
                            .arg(on)
                            .arg(comparison.failed)
                      : QStringLiteral("Shots outside tolerance (%1 of %2 on the surface)")
                            .arg(comparison.failed)
                            .arg(on),
      // Wide enough for "dz (mm)".
      {{QStringLiteral("shot"), 22, Qt::AlignLeft},
       {QStringLiteral("code"), 12, Qt::AlignLeft},
       {QStringLiteral("x"), 24},
       {QStringLiteral("y"), 24},
       {QStringLiteral("z"), 19},
       {QStringLiteral("design z"), 19},
       {q(dz.heading("dz")), 20},
       {q(dn.heading("dn")), 20},
       {QStringLiteral("outside in"), 20, Qt::AlignHCenter}},
      {},
      report.allPairs ? QStringLiteral("None: no shot lies on the surface.")
                      : QStringLiteral("None: every shot on the surface is within tolerance.")};
  for (std::size_t i = 0; i < comparison.pairs.size(); ++i) {
    const survey::ComparedPair& shot = comparison.pairs[i];
    const bool listed =
        report.allPairs ? run.places[i] == survey::ShotPlace::OnSurface : !shot.failing.empty();
    if (!listed) continue;
    const survey::Point& point = run.survey.points[i];
    list.rows.push_back(
        {q(point.id), q(point.code), q(report.number(point.x)), q(report.number(point.y)),
         number(report, point.z), number(report, run.designZ[i]),
         deviation(dz, shot.values[survey::kSurfaceDz]),
         deviation(dn, shot.values[survey::kSurfaceDn]),
         // A pass is said, so that a listed shot is never read as unchecked.
         shot.failing.empty() ? QStringLiteral("within")
                              : q(survey::keysOf(comparison.schema, shot.failing, ", "))});
  }
  return list;
}

ReportList outsideSurface(const SurfaceRun& run, const CheckReport& report) {
  ReportList list{
      QStringLiteral("Shots outside the surface (%1)").arg(run.count(survey::ShotPlace::Outside)),
      {{QStringLiteral("shot"), 45, Qt::AlignLeft},
       {QStringLiteral("code"), 20, Qt::AlignLeft},
       {QStringLiteral("x"), 35},
       {QStringLiteral("y"), 35},
       {QStringLiteral("z"), 25}},
      {},
      QStringLiteral("None: every shot lies on the surface.")};
  for (std::size_t i = 0; i < run.places.size(); ++i) {
    if (run.places[i] != survey::ShotPlace::Outside) continue;
    const survey::Point& point = run.survey.points[i];
    list.rows.push_back({q(point.id), q(point.code), q(report.number(point.x)),
                         q(report.number(point.y)), number(report, point.z)});
  }
  return list;
}

std::vector<ListColumn> volumeColumns(const QString& first, const QString& second) {
  return {{first, 35, Qt::AlignLeft},
          {second, 35, Qt::AlignLeft},
          {QStringLiteral("cut"), 27},
          {QStringLiteral("fill"), 27},
          {QStringLiteral("net (fill - cut)"), 29},
          {QStringLiteral("area"), 27}};
}

QStringList sumsRow(const CheckReport& report, QString first, QString second,
                    const survey::VolumeSums& sums) {
  return {std::move(first),
          std::move(second),
          q(report.number(sums.cut)),
          q(report.number(sums.fill)),
          q(report.number(sums.fill - sums.cut)),
          q(report.number(sums.area))};
}

ReportList volumeTotals(const survey::SurfaceVolumes& volumes, const CheckReport& report) {
  ReportList list{QStringLiteral("Volumes of the surface through the shots against the design"),
                  volumeColumns(QString(), QString()),
                  {},
                  QString()};
  list.rows.push_back(sumsRow(report, QStringLiteral("all"), QString(), volumes.total));
  list.rows.push_back({QStringLiteral("surveyed area"), QString(), QString(), QString(), QString(),
                       q(report.number(volumes.surveyArea))});
  return list;
}

ReportList gridSquares(const survey::SurfaceVolumes& volumes, const CheckReport& report) {
  std::vector<std::size_t> order(volumes.squares.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  const auto moved = [&](std::size_t k) {
    return volumes.squares[k].sums.cut + volumes.squares[k].sums.fill;
  };
  std::stable_sort(order.begin(), order.end(),
                   [&](std::size_t a, std::size_t b) { return moved(a) > moved(b); });
  const std::size_t listed = std::min(order.size(), kMostSquares);
  ReportList list{
      QStringLiteral("Squares of %1 by their lower left corner, the most moved first (%2)")
          .arg(q(report.number(*volumes.gridSize)))
          .arg(listed < order.size() ? QStringLiteral("%1 of %2").arg(listed).arg(order.size())
                                     : QString::number(order.size())),
      volumeColumns(QStringLiteral("x"), QStringLiteral("y")),
      {},
      QStringLiteral("None: the surveyed surface does not reach the design.")};
  for (std::size_t k = 0; k < listed; ++k) {
    const survey::GridSquare& square = volumes.squares[order[k]];
    list.rows.push_back(
        sumsRow(report, q(report.number(square.x)), q(report.number(square.y)), square.sums));
  }
  return list;
}

}  // namespace

std::vector<ReportList> surfaceLists(const SurfaceRun& run, const CheckReport& report) {
  std::vector<ReportList> lists{shotList(run, report), outsideSurface(run, report)};
  if (run.volumes) {
    lists.push_back(volumeTotals(*run.volumes, report));
    if (run.volumes->gridSize) lists.push_back(gridSquares(*run.volumes, report));
  }
  return lists;
}

}  // namespace check::report
