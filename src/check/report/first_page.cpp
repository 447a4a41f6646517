#include "check/report/report_pages.h"
#include "check/report_fields.h"
#include "check/statistics_cells.h"

namespace check::report {
namespace {

constexpr double kLine = 6.0;
constexpr double kLabelWidth = 40.0;  // "Coordinate system" whole
const QColor kPassText(0, 130, 0);
const QColor kFailText(200, 0, 0);

QString q(const std::string& text) {
  return QString::fromStdString(text);
}

QString plural(std::size_t count, const char* one, const char* many) {
  return QStringLiteral("%1 %2").arg(count).arg(QLatin1String(count == 1 ? one : many));
}

// What the surveyor hands over, a line each: all within tolerance, or what is not.
QStringList verdict(const CheckReport& report) {
  const std::size_t pairs = report.comparison.pairs.size();
  if (report.allWithinTolerance()) {
    return {QStringLiteral("All %1 within tolerance").arg(plural(pairs, "pair", "pairs"))};
  }
  QStringList parts;
  if (report.comparison.failed > 0) {
    parts << QStringLiteral("%1 of %2 outside tolerance")
                 .arg(report.comparison.failed)
                 .arg(plural(pairs, "pair", "pairs"));
  }
  if (const std::size_t n = report.pairing.unmatchedDesign.size()) {
    parts << plural(n, "design point", "design points") + QStringLiteral(" never surveyed");
  }
  if (const std::size_t n = report.pairing.unmatchedSurvey.size()) {
    parts << plural(n, "survey point", "survey points") + QStringLiteral(" without design point");
  }
  return parts;
}

QString pairsText(const CheckReport& report) {
  std::size_t repeated = 0;
  for (const survey::Pair& pair : report.pairing.pairs) repeated += pair.survey.shots > 1 ? 1 : 0;
  QString text = QStringLiteral("%1, %2").arg(report.pairing.pairs.size()).arg(q(report.matching));
  if (repeated > 0) text += QStringLiteral(" (%1 from several shots)").arg(repeated);
  return text;
}

QString skippedText(const CheckReport& report) {
  QStringList parts;
  for (const survey::PointFile* file : {&report.design, &report.survey}) {
    if (file->skippedCount > 0) {
      parts << plural(file->skippedCount, "line", "lines") + QStringLiteral(" of ") + q(file->name);
    }
  }
  return parts.join(QStringLiteral(", "));
}

// A label and its value, over as many lines as the value takes.
double drawLabelled(ReportCanvas& canvas, double y, const QString& label, const QString& value) {
  canvas.painter().setFont(ReportCanvas::font(10, true));
  canvas.text(ReportCanvas::kMargin, y, kLabelWidth, kLine, label);
  canvas.painter().setFont(ReportCanvas::font(10));
  return y + canvas.wrappedText(ReportCanvas::kMargin + kLabelWidth, y,
                                ReportCanvas::kBodyWidth - kLabelWidth, kLine, value);
}

// The job's fields as the surveyor gave them, a rule under them.
double drawFields(ReportCanvas& canvas, const CheckReport& report, double y) {
  const auto fields = givenFields(report.fields);
  if (fields.empty()) return y;
  for (const auto& [label, value] : fields) y = drawLabelled(canvas, y, q(label), q(value));
  canvas.painter().setPen(QPen(Qt::gray, canvas.units(0.2)));
  canvas.painter().drawLine(canvas.at(ReportCanvas::kMargin, y + 1.5),
                            canvas.at(ReportCanvas::kMargin + ReportCanvas::kBodyWidth, y + 1.5));
  canvas.painter().setPen(Qt::black);
  return y + 3;
}

// The label-and-value lines that say what was checked, and how.
std::vector<std::pair<QString, QString>> particulars(const CheckReport& report,
                                                     const QDateTime& date) {
  std::vector<std::pair<QString, QString>> lines{
      {QStringLiteral("Design"), q(report.design.name) + QStringLiteral(", ") +
                                     plural(report.design.points.size(), "point", "points")},
      {QStringLiteral("Survey"), q(report.survey.name) + QStringLiteral(", ") +
                                     plural(report.survey.points.size(), "shot", "shots")},
      {QStringLiteral("Date"), date.toString(QStringLiteral("yyyy-MM-dd HH:mm"))},
      {QStringLiteral("Pairs"), pairsText(report)},
      {QStringLiteral("Deviations"), QStringLiteral("survey minus design along ") +
                                         q(report.frame) +
                                         QStringLiteral(", %1 decimals").arg(report.decimals)},
      {QStringLiteral("Tolerances"), q(tolerancesText(report))}};
  if (const QString skipped = skippedText(report); !skipped.isEmpty()) {
    lines.emplace_back(QStringLiteral("Skipped"), skipped);
  }
  return lines;
}

double drawParticulars(ReportCanvas& canvas, const CheckReport& report,
                       const std::vector<std::pair<QString, QString>>& lines, double y) {
  for (const auto& [label, value] : lines) {
    canvas.painter().setFont(ReportCanvas::font(10, true));
    canvas.text(ReportCanvas::kMargin, y, kLabelWidth, kLine, label);
    canvas.painter().setFont(ReportCanvas::font(10));
    canvas.text(ReportCanvas::kMargin + kLabelWidth, y, ReportCanvas::kBodyWidth - kLabelWidth,
                kLine, value);
    y += kLine;
  }
  // A warning is read whole, over as many lines as it takes.
  for (const std::string& warning : report.warnings) {
    y = drawLabelled(canvas, y, QStringLiteral("Warning"), q(warning));
  }
  return y;
}

// The statistics with a column per component, as they read best on a portrait page.
void drawStatistics(ReportCanvas& canvas, const CheckReport& report, const QString& counted,
                    double y) {
  const survey::ComponentSchema& schema = report.comparison.schema;
  std::vector<StatisticsCells> cells;
  QStringList tolerance{QStringLiteral("tolerance")};
  for (std::size_t k = 0; k < schema.size(); ++k) {
    cells.push_back(statisticsCells(report, k, CellUnits::Report));
    tolerance << q(toleranceCell(report, k, CellUnits::Report));
  }
  const auto row = [&](const QString& name, std::string StatisticsCells::*field) {
    QStringList texts{name};
    for (const StatisticsCells& c : cells) texts << q(c.*field);
    return texts;
  };
  const std::vector<QStringList> rows{
      row("", &StatisticsCells::name),
      row(counted, &StatisticsCells::count),
      row("mean", &StatisticsCells::mean),
      row("standard deviation", &StatisticsCells::standardDeviation),
      row("RMS", &StatisticsCells::rms),
      row("min", &StatisticsCells::min),
      row("max", &StatisticsCells::max),
      row("largest magnitude", &StatisticsCells::largest),
      row("at point", &StatisticsCells::largestId),
      row("95th percentile", &StatisticsCells::percentile95),
      tolerance,
      row("within tolerance", &StatisticsCells::withinTolerance)};
  constexpr double kNameWidth = 56.0;
  const int columns = static_cast<int>(schema.size());
  const double columnWidth = (ReportCanvas::kBodyWidth - kNameWidth) / columns;
  QPainter& painter = canvas.painter();
  for (std::size_t r = 0; r < rows.size(); ++r) {
    painter.setFont(ReportCanvas::font(10, r == 0));
    if (r % 2 == 1) {
      painter.fillRect(canvas.rect(ReportCanvas::kMargin, y, ReportCanvas::kBodyWidth, kLine),
                       QColor(240, 240, 240));
    }
    canvas.text(ReportCanvas::kMargin + 1, y, kNameWidth, kLine, rows[r][0]);
    for (int k = 1; k <= columns; ++k) {
      canvas.text(ReportCanvas::kMargin + kNameWidth + (k - 1) * columnWidth, y, columnWidth - 2,
                  kLine, rows[r][k], Qt::AlignRight);
    }
    y += kLine;
  }
  painter.setFont(ReportCanvas::font(8));
  y += 2;
  QStringList notes{
      QStringLiteral("Standard deviation from n - 1 pairs. The largest magnitude keeps its sign."),
      QStringLiteral("The 95th percentile is of the magnitudes, nearest rank.")};
  for (const survey::Component& component : schema) {
    if (!component.note.empty()) notes << q(component.note);
  }
  for (const QString& note : notes) {
    canvas.text(ReportCanvas::kMargin, y, ReportCanvas::kBodyWidth, 4.5, note);
    y += 4.5;
  }
}

}  // namespace

void drawFirstPage(ReportCanvas& canvas, const CheckReport& report, const QDateTime& date) {
  drawFirstPage(
      canvas, report,
      {QStringLiteral("Survey check against the design"), verdict(report),
       report.allWithinTolerance(), particulars(report, date), QStringLiteral("n (pairs)")});
}

void drawFirstPage(ReportCanvas& canvas, const CheckReport& report, const FirstPageText& text) {
  QPainter& painter = canvas.painter();
  double y = ReportCanvas::kBodyTop;
  painter.setFont(ReportCanvas::font(18, true));
  canvas.text(ReportCanvas::kMargin, y, ReportCanvas::kBodyWidth, 10, text.title);
  y += 13;
  painter.setFont(ReportCanvas::font(12, true));
  painter.setPen(text.passed ? kPassText : kFailText);
  for (const QString& line : text.verdict) {
    canvas.text(ReportCanvas::kMargin, y, ReportCanvas::kBodyWidth, 7, line);
    y += 7;
  }
  painter.setPen(Qt::black);
  y = drawFields(canvas, report, y + 5);
  y = drawParticulars(canvas, report, text.particulars, y);
  painter.setFont(ReportCanvas::font(12, true));
  canvas.text(ReportCanvas::kMargin, y + 6, ReportCanvas::kBodyWidth, 8,
              QStringLiteral("Statistics of the deviations"));
  drawStatistics(canvas, report, text.counted, y + 16);
}

}  // namespace check::report
