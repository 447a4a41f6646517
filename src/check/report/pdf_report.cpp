#include "check/report/pdf_report.h"

#include "check/report/report_document.h"
#include "check/report/report_pages.h"

namespace check::report {
namespace {

// The first page and the histograms come before the lists, as do the plan's pages.
constexpr int kPagesBeforeLists = 2;

QString runningHead(const CheckReport& report, const QDateTime& date) {
  return QStringLiteral("Survey check: %1 against %2, %3")
      .arg(QString::fromStdString(report.survey.name), QString::fromStdString(report.design.name),
           date.toString(QStringLiteral("yyyy-MM-dd HH:mm")));
}

}  // namespace

QByteArray pdfReport(const CheckReport& report, const QDateTime& date) {
  ReportDocument document(QStringLiteral("Survey check"));
  const std::vector<ReportList> lists = reportLists(report);
  const std::vector<ListPage> listPages = listPagesOf(lists);

  const PlanLayout plan = planLayout(report);
  const std::size_t sheets = plan.sheets.sheets.size();
  const std::size_t planPages = plan.hasKeyPlan() ? 1 + sheets : sheets;
  ReportCanvas canvas(document.writer(),
                      kPagesBeforeLists + static_cast<int>(planPages + listPages.size()),
                      runningHead(report, date));
  drawFirstPage(canvas, report, date);
  if (plan.hasKeyPlan()) {
    canvas.nextPage();
    drawKeyPlanPage(canvas, report, plan);
  }
  for (std::size_t sheet = 0; sheet < sheets; ++sheet) {
    canvas.nextPage();
    drawPlanPage(canvas, report, plan, sheet);
  }
  canvas.nextPage();
  drawHistogramPage(canvas, report);
  drawListPages(canvas, lists, listPages);
  canvas.finish();
  return document.bytes();
}

void savePdfReport(const std::filesystem::path& path, const CheckReport& report,
                   const QDateTime& date) {
  savePdfBytes(path, pdfReport(report, date));
}

}  // namespace check::report
