#include "check/report/report_document.h"

#include <QPageSize>

#include "check/report/report_pages.h"
#include "check/whole_file.h"

namespace check::report {
namespace {

constexpr int kResolution = 600;

}  // namespace

ReportDocument::ReportDocument(const QString& title) : buffer_(&bytes_), writer_(&buffer_) {
  // The writer only keeps the device until the canvas begins painting.
  buffer_.open(QIODevice::WriteOnly);
  writer_.setPageSize(QPageSize(QPageSize::A4));
  writer_.setPageMargins(QMarginsF(0, 0, 0, 0));
  writer_.setResolution(kResolution);
  writer_.setTitle(title);
  writer_.setCreator(QStringLiteral("Kestova"));
}

std::vector<ListPage> listPagesOf(const std::vector<ReportList>& lists) {
  std::vector<std::size_t> rowCounts;
  for (const ReportList& list : lists) rowCounts.push_back(list.rows.size());
  return paginateLists(rowCounts, linesPerListPage());
}

void drawListPages(ReportCanvas& canvas, const std::vector<ReportList>& lists,
                   const std::vector<ListPage>& pages) {
  for (const ListPage& page : pages) {
    canvas.nextPage();
    drawListPage(canvas, lists, page);
  }
}

void savePdfBytes(const std::filesystem::path& path, const QByteArray& bytes) {
  saveWholeFile(path, [&](std::ostream& out) { out.write(bytes.constData(), bytes.size()); });
}

}  // namespace check::report
