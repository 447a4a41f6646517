#include "check/window/shot_report_file.h"

#include <QFileDialog>
#include <QFileInfo>

namespace check {
namespace {

const QString kPdfFilter = QStringLiteral("PDF report (*.pdf)");
const QString kCsvFilter = QStringLiteral("Comma-separated values (*.csv)");

bool hasSuffix(const QString& name, const QString& suffix) {
  return QFileInfo(name).suffix().compare(suffix, Qt::CaseInsensitive) == 0;
}

}  // namespace

std::filesystem::path shotReportPath(const QString& name, const QString& filter) {
  QString path = name;
  if (!hasSuffix(name, "pdf") && !hasSuffix(name, "csv")) {
    path += filter == kCsvFilter ? QStringLiteral(".csv") : QStringLiteral(".pdf");
  }
  return std::filesystem::path(path.toStdU16String());
}

void saveShotReportAskingForAFile(QWidget* parent, const ShotCheck& shots,
                                  const CheckReport& signOff) {
  QString filter = kPdfFilter;
  const QString name = QFileDialog::getSaveFileName(
      parent, QStringLiteral("Save report"), QString(), kPdfFilter + ";;" + kCsvFilter, &filter);
  if (name.isEmpty()) return;
  const std::filesystem::path path = shotReportPath(name, filter);
  if (hasSuffix(QString::fromStdU16String(path.u16string()), "csv")) {
    shots.saveCsv(path);
  } else {
    shots.savePdf(path, signOff);
  }
}

}  // namespace check
