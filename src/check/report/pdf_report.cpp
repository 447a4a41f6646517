#include "check/report/pdf_report.h"

#include <QBuffer>
#include <QPageSize>
#include <QPdfWriter>

#include "check/report/report_pages.h"
#include "check/whole_file.h"

namespace check::report {
namespace {

// The first page and the histograms come before the lists, as do the plan's pages.
constexpr int kPagesBeforeLists = 2;
constexpr int kResolution = 600;

QString runningHead(const CheckReport& report, const QDateTime& date) {
  return QStringLiteral("Survey check: %1 against %2, %3")
      .arg(QString::fromStdString(report.survey.name), QString::fromStdString(report.design.name),
           date.toString(QStringLiteral("yyyy-MM-dd HH:mm")));
}

}  // namespace

QByteArray pdfReport(const CheckReport& report, const QDateTime& date) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QPdfWriter writer(&buffer);
  writer.setPageSize(QPageSize(QPageSize::A4));
  writer.setPageMargins(QMarginsF(0, 0, 0, 0));
  writer.setResolution(kResolution);
  writer.setTitle(QStringLiteral("Survey check"));
  writer.setCreator(QStringLiteral("Kestova"));

  const std::vector<ReportList> lists = reportLists(report);
  std::vector<std::size_t> rowCounts;
  for (const ReportList& list : lists) rowCounts.push_back(list.rows.size());
  const std::vector<ListPage> listPages = paginateLists(rowCounts, linesPerListPage());

  const PlanLayout plan = planLayout(report);
  const std::size_t sheets = plan.sheets.sheets.size();
  const std::size_t planPages = plan.hasKeyPlan() ? 1 + sheets : sheets;
  ReportCanvas canvas(writer, kPagesBeforeLists + static_cast<int>(planPages + listPages.size()),
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
  for (const ListPage& page : listPages) {
    canvas.nextPage();
    drawListPage(canvas, lists, page);
  }
  canvas.finish();
  return bytes;
}

void savePdfReport(const std::filesystem::path& path, const CheckReport& report,
                   const QDateTime& date) {
  const QByteArray bytes = pdfReport(report, date);
  saveWholeFile(path, [&](std::ostream& out) { out.write(bytes.constData(), bytes.size()); });
}

}  // namespace check::report
