#include "check/window/report_file.h"

#include <QFileDialog>
#include <QFileInfo>

#include "check/csv_report.h"
#include "check/report/pdf_report.h"
#include "check/xlsx_report.h"

namespace check {
namespace {

const QString kPdfFilter = QStringLiteral("PDF report (*.pdf)");
const QString kCsvFilter = QStringLiteral("Comma-separated values (*.csv)");
const QString kXlsxFilter = QStringLiteral("Excel workbook (*.xlsx)");

bool hasSuffix(const QString& name, const QString& suffix) {
  return QFileInfo(name).suffix().compare(suffix, Qt::CaseInsensitive) == 0;
}

}  // namespace

QString reportFileFilters() {
  return kPdfFilter + QStringLiteral(";;") + kCsvFilter + QStringLiteral(";;") + kXlsxFilter;
}

std::filesystem::path reportPath(const QString& name, const QString& filter) {
  QString path = name;
  if (!hasSuffix(name, "pdf") && !hasSuffix(name, "csv") && !hasSuffix(name, "xlsx")) {
    if (filter == kCsvFilter) {
      path += QStringLiteral(".csv");
    } else if (filter == kXlsxFilter) {
      path += QStringLiteral(".xlsx");
    } else {
      path += QStringLiteral(".pdf");
    }
  }
  return std::filesystem::path(path.toStdU16String());
}

void saveReportFile(const std::filesystem::path& path, const CheckReport& report,
                    const QDateTime& date) {
  const QString name = QString::fromStdU16String(path.u16string());
  if (hasSuffix(name, "csv")) {
    saveCsvReport(path, report);
  } else if (hasSuffix(name, "xlsx")) {
    saveXlsxReport(path, report);
  } else {
    report::savePdfReport(path, report, date);
  }
}

void saveReportAskingForAFile(QWidget* parent, const CheckReport& report) {
  QString filter = kPdfFilter;
  const QString name = QFileDialog::getSaveFileName(parent, QStringLiteral("Save report"),
                                                    QString(), reportFileFilters(), &filter);
  if (name.isEmpty()) return;
  saveReportFile(reportPath(name, filter), report, QDateTime::currentDateTime());
}

}  // namespace check
