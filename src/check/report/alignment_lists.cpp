#include "check/deviation_scale.h"
#include "check/report/alignment_pages.h"

namespace check::report {
namespace {

QString q(const std::string& text) {
  return QString::fromStdString(text);
}

// The shots outside tolerance, or with --all-pairs every shot along the alignment and its
// verdict; differences in the report's unit.
ReportList shotList(const AlignmentRun& run, const CheckReport& report) {
  const survey::Comparison& comparison = run.comparison;
  const std::size_t along = run.shots.size() - run.outside;
  ReportList list{report.allPairs ? QStringLiteral("Shots along the alignment (%1, %2 outside "
                                                   "tolerance), in order of chainage")
                                        .arg(along)
                                        .arg(comparison.failed)
                                  : QStringLiteral("Shots outside tolerance (%1 of %2), in order "
                                                   "of chainage")
                                        .arg(comparison.failed)
                                        .arg(along),
                  {{QStringLiteral("shot"), 28, Qt::AlignLeft},
                   {QStringLiteral("code"), 20, Qt::AlignLeft},
                   {QStringLiteral("chainage"), 26},
                   {QStringLiteral("offset"), 22}},
                  {},
                  report.allPairs ? QStringLiteral("None: no shot lies along the alignment.")
                                  : QStringLiteral("None: every shot is within tolerance.")};
  std::vector<DeviationScale> scales;
  for (std::size_t k = 0; k < comparison.schema.size(); ++k) {
    scales.push_back(deviationScale(report, k));
    // Wide enough for "doffset (mm)".
    list.columns.push_back({q(scales.back().heading(comparison.schema[k].heading)), 28});
  }
  list.columns.push_back({QStringLiteral("outside in"), 26, Qt::AlignHCenter});
  for (std::size_t i = 0; i < run.shots.size(); ++i) {
    const survey::AlignedShot& shot = run.shots[i];
    const survey::ComparedPair& pair = comparison.pairs[i];
    if (shot.outside || (pair.failing.empty() && !report.allPairs)) continue;
    const survey::Point& point = run.survey.points[shot.shot];
    QStringList row{q(point.id), q(point.code), q(report.number(shot.station.chainage)),
                    q(report.number(shot.station.offset))};
    for (std::size_t k = 0; k < pair.values.size(); ++k) {
      row << (pair.values[k] ? q(scales[k].text(*pair.values[k])) : QString());
    }
    row << (pair.failing.empty() ? QStringLiteral("within")
                                 : q(survey::keysOf(comparison.schema, pair.failing, ", ")));
    list.rows.push_back(row);
  }
  return list;
}

// The shots beyond the alignment's ends or too far from it, with where they lie.
ReportList outsideList(const AlignmentRun& run, const CheckReport& report) {
  ReportList list{
      QStringLiteral("Shots outside the alignment (%1), in order of chainage").arg(run.outside),
      {{QStringLiteral("shot"), 30, Qt::AlignLeft},
       {QStringLiteral("code"), 22, Qt::AlignLeft},
       {QStringLiteral("x"), 30},
       {QStringLiteral("y"), 30},
       {QStringLiteral("chainage"), 26},
       {QStringLiteral("offset"), 22},
       {QStringLiteral("where"), 20, Qt::AlignLeft}},
      {},
      QStringLiteral("None: every shot lies along the alignment.")};
  const survey::HorizontalAlignment& plan = run.alignment.plan;
  for (const survey::AlignedShot& shot : run.shots) {
    if (!shot.outside) continue;
    const survey::Point& point = run.survey.points[shot.shot];
    const QString where = !shot.station.beyondEnds ? QStringLiteral("too far")
                          : shot.station.chainage < plan.startChainage()
                              ? QStringLiteral("before start")
                              : QStringLiteral("beyond end");
    list.rows.push_back({q(point.id), q(point.code), q(report.number(point.x)),
                         q(report.number(point.y)), q(report.number(shot.station.chainage)),
                         q(report.number(shot.station.offset)), where});
  }
  return list;
}

}  // namespace

std::vector<ReportList> alignmentLists(const AlignmentRun& run, const CheckReport& report) {
  return {shotList(run, report), outsideList(run, report)};
}

}  // namespace check::report
