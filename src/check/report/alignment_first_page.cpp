#include "check/report/alignment_pages.h"
#include "check/report/report_pages.h"
#include "check/statistics_cells.h"

namespace check::report {
namespace {

QString q(const std::string& text) {
  return QString::fromStdString(text);
}

QString plural(std::size_t count, const char* one, const char* many) {
  return QStringLiteral("%1 %2").arg(count).arg(QLatin1String(count == 1 ? one : many));
}

QStringList verdict(const AlignmentRun& run) {
  const std::size_t along = run.shots.size() - run.outside;
  if (run.allWithinTolerance()) {
    return {QStringLiteral("All %1 along the alignment within tolerance")
                .arg(plural(along, "shot", "shots"))};
  }
  QStringList lines;
  if (run.comparison.failed > 0) {
    lines << QStringLiteral("%1 of %2 outside tolerance")
                 .arg(run.comparison.failed)
                 .arg(plural(along, "shot", "shots"));
  }
  if (run.outside > 0) {
    lines << plural(run.outside, "shot", "shots") + QStringLiteral(" outside the alignment");
  }
  return lines;
}

// "KERB-L -3.500, KERB-R 3.500, others 0.000"; empty when every shot is checked against the
// line itself.
QString designOffsets(const AlignmentRun& run, const CheckReport& report) {
  const survey::CrossSection& section = run.section;
  if (section.offsetByCode.empty()) {
    return section.offsetForAll ? q(report.number(*section.offsetForAll)) : QString();
  }
  QStringList parts;
  for (const auto& [code, offset] : section.offsetByCode) {
    parts << q(code) + QLatin1Char(' ') + q(report.number(offset));
  }
  parts << QStringLiteral("others ") + q(report.number(section.offsetForAll.value_or(0.0)));
  return parts.join(QStringLiteral(", "));
}

std::vector<std::pair<QString, QString>> particulars(const AlignmentRun& run,
                                                     const CheckReport& report,
                                                     const QDateTime& date) {
  const survey::HorizontalAlignment& plan = run.alignment.plan;
  std::vector<std::pair<QString, QString>> lines{
      {QStringLiteral("Design"), q(run.design.name) + QStringLiteral(", ") + q(run.described)},
      {QStringLiteral("Alignment"),
       QStringLiteral("chainage %1 to %2, %3, %4")
           .arg(q(report.number(plan.startChainage())), q(report.number(plan.endChainage())),
                plural(plan.elements().size(), "element", "elements"),
                run.alignment.profile ? QStringLiteral("with a profile")
                                      : QStringLiteral("without a profile"))},
      {QStringLiteral("Survey"), q(run.survey.name) + QStringLiteral(", ") +
                                     plural(run.survey.points.size(), "shot", "shots")},
      {QStringLiteral("Date"), date.toString(QStringLiteral("yyyy-MM-dd HH:mm"))},
      {QStringLiteral("Shots"), QStringLiteral("%1 along the alignment, %2 outside it")
                                    .arg(run.shots.size() - run.outside)
                                    .arg(run.outside)},
      {QStringLiteral("Differences"),
       QStringLiteral("survey minus design, offsets positive to the right, %1 decimals")
           .arg(run.decimals)}};
  if (const QString offsets = designOffsets(run, report); !offsets.isEmpty()) {
    lines.emplace_back(QStringLiteral("Design offset"), offsets);
  }
  if (run.section.crossfallPercent && run.alignment.profile) {
    lines.emplace_back(QStringLiteral("Crossfall"),
                       q(report.number(*run.section.crossfallPercent)) +
                           QStringLiteral(" % of the distance from the line"));
  }
  if (run.section.maxOffset) {
    lines.emplace_back(QStringLiteral("Largest offset"), q(report.number(*run.section.maxOffset)));
  }
  lines.emplace_back(QStringLiteral("Tolerances"), q(tolerancesText(report)));
  if (run.survey.skippedCount > 0) {
    lines.emplace_back(QStringLiteral("Skipped"), plural(run.survey.skippedCount, "line", "lines") +
                                                      QStringLiteral(" of ") + q(run.survey.name));
  }
  return lines;
}

}  // namespace

void drawAlignmentFirstPage(ReportCanvas& canvas, const AlignmentRun& run,
                            const CheckReport& report, const QDateTime& date) {
  drawFirstPage(
      canvas, report,
      {QStringLiteral("Survey check along the alignment"), verdict(run), run.allWithinTolerance(),
       particulars(run, report, date), QStringLiteral("shots"), QStringLiteral("at shot")});
}

}  // namespace check::report
