#include "check/window/shot_report_file.h"

#include <QFileDialog>
#include <QFileInfo>

namespace check {

std::filesystem::path shotReportPath(const QString& name) {
  const bool csv = QFileInfo(name).suffix().compare("csv", Qt::CaseInsensitive) == 0;
  return std::filesystem::path((csv ? name : name + ".csv").toStdU16String());
}

void saveShotReportAskingForAFile(QWidget* parent, const ShotCheck& shots) {
  const QString name =
      QFileDialog::getSaveFileName(parent, QStringLiteral("Save report"), QString(),
                                   QStringLiteral("Comma-separated values (*.csv)"));
  if (name.isEmpty()) return;
  shots.saveCsv(shotReportPath(name));
}

}  // namespace check
