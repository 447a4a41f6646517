#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QPdfWriter>
#include <QString>
#include <filesystem>
#include <vector>

#include "check/report/pagination.h"
#include "check/report/report_canvas.h"
#include "check/report/report_list.h"

// What every check's PDF report is written with: an A4 document in memory, its lists cut into
// pages, and the file written whole.
namespace check::report {

// An A4 PDF without margins, titled `title`, written into bytes() as it is painted on.
class ReportDocument {
 public:
  explicit ReportDocument(const QString& title);
  ReportDocument(const ReportDocument&) = delete;
  ReportDocument& operator=(const ReportDocument&) = delete;

  QPdfWriter& writer() { return writer_; }
  // The file so far; whole once the canvas painting on it has finished.
  const QByteArray& bytes() const { return bytes_; }

 private:
  QByteArray bytes_;
  QBuffer buffer_;
  QPdfWriter writer_;
};

// The pages that `lists` take, in order.
std::vector<ListPage> listPagesOf(const std::vector<ReportList>& lists);

// Each of `pages` of `lists`, each on a page of its own after the canvas's current one.
void drawListPages(ReportCanvas& canvas, const std::vector<ReportList>& lists,
                   const std::vector<ListPage>& pages);

// Writes `bytes` to `path` whole or not at all. Throws std::runtime_error naming the file when
// it cannot be written.
void savePdfBytes(const std::filesystem::path& path, const QByteArray& bytes);

}  // namespace check::report
