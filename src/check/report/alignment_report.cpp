#include "check/report/alignment_report.h"

#include <QBuffer>
#include <QPageSize>
#include <QPdfWriter>

#include "check/report/alignment_pages.h"
#include "check/report/report_pages.h"
#include "check/whole_file.h"

namespace check::report {
namespace {

constexpr int kResolution = 600;

QString runningHead(const AlignmentRun& run, const QDateTime& date) {
  return QStringLiteral("Survey check along an alignment: %1 against %2, %3")
      .arg(QString::fromStdString(run.survey.name), QString::fromStdString(run.design.name),
           date.toString(QStringLiteral("yyyy-MM-dd HH:mm")));
}

}  // namespace

QByteArray alignmentPdfReport(const AlignmentRun& run, const CheckReport& report,
                              const QDateTime& date) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QPdfWriter writer(&buffer);
  writer.setPageSize(QPageSize(QPageSize::A4));
  writer.setPageMargins(QMarginsF(0, 0, 0, 0));
  writer.setResolution(kResolution);
  writer.setTitle(QStringLiteral("Survey check along an alignment"));
  writer.setCreator(QStringLiteral("Kestova"));

  const AlignmentPlan plan = alignmentPlan(run, report);
  const std::vector<ReportList> lists = alignmentLists(run, report);
  std::vector<std::size_t> rowCounts;
  for (const ReportList& list : lists) rowCounts.push_back(list.rows.size());
  const std::vector<ListPage> listPages = paginateLists(rowCounts, linesPerListPage());
  // The first page, the sheets, the long section and the histograms, then the lists.
  const std::size_t pages = 3 + plan.sheets.size() + listPages.size();

  ReportCanvas canvas(writer, static_cast<int>(pages), runningHead(run, date));
  drawAlignmentFirstPage(canvas, run, report, date);
  for (std::size_t sheet = 0; sheet < plan.sheets.size(); ++sheet) {
    canvas.nextPage();
    drawAlignmentSheet(canvas, run, report, plan, sheet);
  }
  canvas.nextPage();
  drawLongSectionPage(canvas, run, report);
  canvas.nextPage();
  drawHistogramPage(canvas, report);
  for (const ListPage& page : listPages) {
    canvas.nextPage();
    drawListPage(canvas, lists, page);
  }
  canvas.finish();
  return bytes;
}

void saveAlignmentPdfReport(const std::filesystem::path& path, const AlignmentRun& run,
                            const CheckReport& report, const QDateTime& date) {
  const QByteArray bytes = alignmentPdfReport(run, report, date);
  saveWholeFile(path, [&](std::ostream& out) { out.write(bytes.constData(), bytes.size()); });
}

}  // namespace check::report
