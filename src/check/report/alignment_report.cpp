#include "check/report/alignment_report.h"

#include "check/report/alignment_pages.h"
#include "check/report/report_document.h"
#include "check/report/report_pages.h"

namespace check::report {
namespace {

QString runningHead(const AlignmentRun& run, const QDateTime& date) {
  return QStringLiteral("Survey check along an alignment: %1 against %2, %3")
      .arg(QString::fromStdString(run.survey.name), QString::fromStdString(run.design.name),
           date.toString(QStringLiteral("yyyy-MM-dd HH:mm")));
}

}  // namespace

QByteArray alignmentPdfReport(const AlignmentRun& run, const CheckReport& report,
                              const QDateTime& date) {
  ReportDocument document(QStringLiteral("Survey check along an alignment"));
  const AlignmentPlan plan = alignmentPlan(run, report);
  const std::vector<ReportList> lists = alignmentLists(run, report);
  const std::vector<ListPage> listPages = listPagesOf(lists);
  // The first page, the sheets, the long section and the histograms, then the lists.
  const std::size_t pages = 3 + plan.sheets.size() + listPages.size();

  ReportCanvas canvas(document.writer(), static_cast<int>(pages), runningHead(run, date));
  drawAlignmentFirstPage(canvas, run, report, date);
  for (std::size_t sheet = 0; sheet < plan.sheets.size(); ++sheet) {
    canvas.nextPage();
    drawAlignmentSheet(canvas, run, report, plan, sheet);
  }
  canvas.nextPage();
  drawLongSectionPage(canvas, run, report);
  canvas.nextPage();
  drawHistogramPage(canvas, report);
  drawListPages(canvas, lists, listPages);
  canvas.finish();
  return document.bytes();
}

void saveAlignmentPdfReport(const std::filesystem::path& path, const AlignmentRun& run,
                            const CheckReport& report, const QDateTime& date) {
  savePdfBytes(path, alignmentPdfReport(run, report, date));
}

}  // namespace check::report
