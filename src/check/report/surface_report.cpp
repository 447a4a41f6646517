#include "check/report/surface_report.h"

#include "check/report/histogram_chart.h"
#include "check/report/report_document.h"
#include "check/report/report_pages.h"
#include "check/report/surface_pages.h"
#include "check/statistics_cells.h"

namespace check::report {
namespace {

// The first page, the plan and the histograms come before the lists.
constexpr int kPagesBeforeLists = 3;

QString q(const std::string& text) {
  return QString::fromStdString(text);
}

QString verdictLine(const SurfaceRun& run) {
  const std::size_t on = run.count(survey::ShotPlace::OnSurface);
  const std::size_t outside = run.count(survey::ShotPlace::Outside);
  if (run.allWithinTolerance()) {
    return QStringLiteral("All %1 shots on the surface within tolerance").arg(on);
  }
  QStringList parts;
  if (run.comparison.failed > 0) {
    parts << QStringLiteral("%1 of %2 shots outside tolerance").arg(run.comparison.failed).arg(on);
  }
  if (outside > 0) parts << QStringLiteral("%1 outside the surface").arg(outside);
  return parts.join(QStringLiteral(", "));
}

FirstPage firstPage(const SurfaceRun& run, const CheckReport& report, const QDateTime& date) {
  FirstPage page{
      QStringLiteral("Survey check against the design surface"),
      {verdictLine(run)},
      run.allWithinTolerance(),
      {{QStringLiteral("Design surface"),
        QStringLiteral("%1, %2 faces").arg(q(run.design.name)).arg(run.design.faces.size())},
       {QStringLiteral("Survey"),
        QStringLiteral("%1, %2 shots").arg(q(run.survey.name)).arg(run.survey.points.size())},
       {QStringLiteral("Date"), date.toString(QStringLiteral("yyyy-MM-dd HH:mm"))},
       {QStringLiteral("Shots"), QStringLiteral("%1 on the surface, %2 outside it")
                                     .arg(run.count(survey::ShotPlace::OnSurface))
                                     .arg(run.count(survey::ShotPlace::Outside))},
       {QStringLiteral("Deviations"),
        QStringLiteral("dz survey minus design level (+ fill), dn along the normal, "
                       "%1 decimals")
            .arg(run.decimals)},
       {QStringLiteral("Tolerances"), q(tolerancesText(report))}},
      QStringLiteral("shots"),
      QStringLiteral("at shot")};
  if (run.survey.skippedCount > 0) {
    page.particulars.emplace_back(
        QStringLiteral("Skipped"),
        QStringLiteral("%1 lines of %2").arg(run.survey.skippedCount).arg(q(run.survey.name)));
  }
  return page;
}

void drawSurfaceHistogramPage(ReportCanvas& canvas, const CheckReport& report) {
  canvas.painter().setFont(ReportCanvas::font(14, true));
  canvas.text(ReportCanvas::kMargin, ReportCanvas::kBodyTop, ReportCanvas::kBodyWidth, 8,
              QStringLiteral("Histograms of dz and dn"));
  canvas.painter().setFont(ReportCanvas::font(9));
  canvas.text(ReportCanvas::kMargin, ReportCanvas::kBodyTop + 9, ReportCanvas::kBodyWidth, 6,
              QStringLiteral("How many shots deviate by how much; the dashed red lines mark the "
                             "lower and the upper bound."));
  const double top = ReportCanvas::kBodyTop + 20;
  const double height = (ReportCanvas::kBodyBottom - top) / 2 - 4;
  for (const std::size_t component : {survey::kSurfaceDz, survey::kSurfaceDn}) {
    const QRectF place(ReportCanvas::kMargin, top + static_cast<double>(component) * (height + 8),
                       ReportCanvas::kBodyWidth, height);
    drawChart(canvas, histogramChart(report, component, QStringLiteral("shots")), place);
  }
}

}  // namespace

QByteArray surfacePdfReport(const SurfaceRun& run, const CheckReport& report,
                            const QDateTime& date) {
  ReportDocument document(QStringLiteral("Survey check against a surface"));
  const std::vector<ReportList> lists = surfaceLists(run, report);
  const std::vector<ListPage> listPages = listPagesOf(lists);

  ReportCanvas canvas(document.writer(), kPagesBeforeLists + static_cast<int>(listPages.size()),
                      QStringLiteral("Surface check: %1 against %2, %3")
                          .arg(q(run.survey.name), q(run.design.name),
                               date.toString(QStringLiteral("yyyy-MM-dd HH:mm"))));
  drawFirstPage(canvas, report, firstPage(run, report, date));
  canvas.nextPage();
  drawSurfacePlanPage(canvas, run, report);
  canvas.nextPage();
  drawSurfaceHistogramPage(canvas, report);
  drawListPages(canvas, lists, listPages);
  canvas.finish();
  return document.bytes();
}

void saveSurfacePdfReport(const std::filesystem::path& path, const SurfaceRun& run,
                          const CheckReport& report, const QDateTime& date) {
  savePdfBytes(path, surfacePdfReport(run, report, date));
}

}  // namespace check::report
