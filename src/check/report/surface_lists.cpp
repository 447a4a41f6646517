#include <algorithm>
#include <numeric>

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

ReportList outsideTolerance(const SurfaceRun& run, const CheckReport& report) {
  const survey::Comparison& comparison = run.comparison;
  ReportList list{QStringLiteral("Shots outside tolerance (%1 of %2 on the surface)")
                      .arg(comparison.failed)
                      .arg(run.count(survey::ShotPlace::OnSurface)),
                  {{QStringLiteral("shot"), 26, Qt::AlignLeft},
                   {QStringLiteral("code"), 14, Qt::AlignLeft},
                   {QStringLiteral("x"), 27},
                   {QStringLiteral("y"), 27},
                   {QStringLiteral("z"), 21},
                   {QStringLiteral("design z"), 21},
                   {QStringLiteral("dz"), 17},
                   {QStringLiteral("dn"), 17},
                   {QStringLiteral("in"), 10, Qt::AlignHCenter}},
                  {},
                  QStringLiteral("None: every shot on the surface is within tolerance.")};
  for (std::size_t i = 0; i < comparison.pairs.size(); ++i) {
    const survey::ComparedPair& shot = comparison.pairs[i];
    if (shot.failing.empty()) continue;
    const survey::Point& point = run.survey.points[i];
    list.rows.push_back({q(point.id), q(point.code), q(report.number(point.x)),
                         q(report.number(point.y)), number(report, point.z),
                         number(report, run.designZ[i]),
                         number(report, shot.values[survey::kSurfaceDz]),
                         number(report, shot.values[survey::kSurfaceDn]),
                         q(survey::keysOf(comparison.schema, shot.failing, ", "))});
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
  std::vector<ReportList> lists{outsideTolerance(run, report), outsideSurface(run, report)};
  if (run.volumes) {
    lists.push_back(volumeTotals(*run.volumes, report));
    if (run.volumes->gridSize) lists.push_back(gridSquares(*run.volumes, report));
  }
  return lists;
}

}  // namespace check::report
