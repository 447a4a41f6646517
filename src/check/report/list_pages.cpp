#include "check/deviation_scale.h"
#include "check/pair_code.h"
#include "check/report/report_list.h"
#include "check/report/report_pages.h"

namespace check::report {
namespace {

constexpr double kLineHeight = 5.0;

QString q(const std::string& text) {
  return QString::fromStdString(text);
}

QString coordinate(const CheckReport& report, const std::optional<double>& value) {
  return value ? q(report.number(*value)) : QString();
}

QStringList pointRow(const CheckReport& report, const survey::Point& point) {
  return {q(point.id), q(point.code), q(report.number(point.x)), q(report.number(point.y)),
          coordinate(report, point.z)};
}

std::vector<ListColumn> pointColumns() {
  return {{QStringLiteral("point"), 45, Qt::AlignLeft},
          {QStringLiteral("code"), 20, Qt::AlignLeft},
          {QStringLiteral("x"), 35},
          {QStringLiteral("y"), 35},
          {QStringLiteral("z"), 25}};
}

// The pairs outside tolerance, or with --all-pairs every pair and its verdict; deviations in
// the report's unit, and under a pair of repeated shots their spread.
ReportList pairList(const CheckReport& report) {
  const survey::Comparison& comparison = report.comparison;
  ReportList list{
      report.allPairs ? QStringLiteral("Pairs (%1, %2 outside tolerance)")
                            .arg(comparison.pairs.size())
                            .arg(comparison.failed)
                      : QStringLiteral("Pairs outside tolerance (%1 of %2)")
                            .arg(comparison.failed)
                            .arg(comparison.pairs.size()),
      {{QStringLiteral("point"), 40, Qt::AlignLeft}, {QStringLiteral("code"), 20, Qt::AlignLeft}},
      {},
      report.allPairs ? QStringLiteral("None: no point was paired.")
                      : QStringLiteral("None: every pair is within tolerance.")};
  std::vector<DeviationScale> scales;
  for (std::size_t k = 0; k < comparison.schema.size(); ++k) {
    scales.push_back(deviationScale(report, k));
    list.columns.push_back({q(scales.back().heading(comparison.schema[k].heading)), 22});
  }
  list.columns.push_back({QStringLiteral("outside in"), 30, Qt::AlignHCenter});
  for (std::size_t i = 0; i < comparison.pairs.size(); ++i) {
    const survey::ComparedPair& pair = comparison.pairs[i];
    if (pair.failing.empty() && !report.allPairs) continue;
    const survey::Point& design = report.design.points[report.pairing.pairs[i].design];
    QStringList row{q(design.id),
                    q(pairCode(design.code, report.pairing.pairs[i].survey.point.code))};
    for (std::size_t k = 0; k < pair.values.size(); ++k) {
      row << (pair.values[k] ? q(scales[k].text(*pair.values[k])) : QString());
    }
    // The CSV's keys with a comma between them, easier to read on paper: "x, z, h"; a pass is
    // said, so that a listed pair is never read as unchecked.
    row << (pair.failing.empty() ? QStringLiteral("within")
                                 : q(survey::keysOf(comparison.schema, pair.failing, ", ")));
    list.rows.push_back(row);
    // Under a pair of several shots, how far they lie apart.
    if (i < report.spreads.size() && !report.spreads[i].empty()) {
      QStringList spread{
          QStringLiteral("  spread of %1 shots").arg(report.pairing.pairs[i].survey.shots)};
      for (std::size_t k = 0; k < scales.size(); ++k) {
        const std::optional<double>& value = report.spreads[i][k];
        spread << (value ? q(scales[k].text(*value)) : QString());
      }
      list.rows.push_back(spread);
    }
  }
  return list;
}

ReportList neverSurveyed(const CheckReport& report) {
  ReportList list{QStringLiteral("Design points never surveyed (%1)")
                      .arg(report.pairing.unmatchedDesign.size()),
                  pointColumns(),
                  {},
                  QStringLiteral("None: every design point was surveyed.")};
  for (const std::size_t i : report.pairing.unmatchedDesign) {
    list.rows.push_back(pointRow(report, report.design.points[i]));
  }
  return list;
}

ReportList withoutDesign(const CheckReport& report) {
  ReportList list{QStringLiteral("Survey points without a design point (%1)")
                      .arg(report.pairing.unmatchedSurvey.size()),
                  pointColumns(),
                  {},
                  QStringLiteral("None: every survey point has its design point.")};
  list.columns.push_back({QStringLiteral("shots"), 15});
  for (const survey::Observation& observation : report.pairing.unmatchedSurvey) {
    list.rows.push_back(pointRow(report, observation.point) << QString::number(observation.shots));
  }
  return list;
}

void drawRow(ReportCanvas& canvas, double y, const std::vector<ListColumn>& columns,
             const QStringList& cells) {
  double x = ReportCanvas::kMargin;
  for (std::size_t k = 0; k < columns.size(); ++k) {
    // A little room between a right-aligned column and the next one.
    const double pad = columns[k].alignment == Qt::AlignRight ? 3.0 : 0.0;
    canvas.text(x, y, columns[k].width - pad, kLineHeight, cells.value(static_cast<int>(k)),
                columns[k].alignment);
    x += columns[k].width;
  }
}

}  // namespace

std::vector<ReportList> reportLists(const CheckReport& report) {
  return {pairList(report), neverSurveyed(report), withoutDesign(report)};
}

std::size_t linesPerListPage() {
  return static_cast<std::size_t>((ReportCanvas::kBodyBottom - ReportCanvas::kBodyTop) /
                                  kLineHeight);
}

void drawListPage(ReportCanvas& canvas, const std::vector<ReportList>& lists,
                  const ListPage& page) {
  double y = ReportCanvas::kBodyTop;
  QPainter& painter = canvas.painter();
  for (const ListSlice& slice : page) {
    const ReportList& list = lists[slice.list];
    painter.setFont(ReportCanvas::font(11, true));
    canvas.text(ReportCanvas::kMargin, y, ReportCanvas::kBodyWidth, kLineHeight,
                slice.continued ? list.title + QStringLiteral(", continued") : list.title);
    y += kLineHeight;
    if (list.rows.empty()) {
      painter.setFont(ReportCanvas::font(9));
      canvas.text(ReportCanvas::kMargin, y, ReportCanvas::kBodyWidth, kLineHeight, list.whenEmpty);
      y += 3 * kLineHeight;
      continue;
    }
    painter.setFont(ReportCanvas::font(9, true));
    QStringList headers;
    for (const ListColumn& column : list.columns) headers << column.header;
    drawRow(canvas, y, list.columns, headers);
    painter.setPen(QPen(Qt::gray, canvas.units(0.2)));
    painter.drawLine(canvas.at(ReportCanvas::kMargin, y + kLineHeight),
                     canvas.at(ReportCanvas::kPageWidth - ReportCanvas::kMargin, y + kLineHeight));
    painter.setPen(Qt::black);
    y += kLineHeight;
    painter.setFont(ReportCanvas::font(9));
    for (std::size_t row = slice.firstRow; row < slice.firstRow + slice.rowCount; ++row) {
      drawRow(canvas, y, list.columns, list.rows[row]);
      y += kLineHeight;
    }
    y += kLineHeight;
  }
}

}  // namespace check::report
