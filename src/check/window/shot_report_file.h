#pragma once

#include <QString>
#include <filesystem>

#include "check/window/shot_check.h"

class QWidget;

namespace check {

// Where the report goes when the user typed `name` with the file dialog's `filter` chosen: the
// filter's extension is added when the name has neither .pdf nor .csv.
std::filesystem::path shotReportPath(const QString& name, const QString& filter);

// "Save report…" for such a check: asks for a file with the file dialog over `parent`, then
// saves the PDF or the CSV to it as its extension says, the PDF with the job's fields and report
// settings of `signOff`; nothing when the user cancels. Throws std::runtime_error naming the
// file when it cannot be written.
void saveShotReportAskingForAFile(QWidget* parent, const ShotCheck& shots,
                                  const CheckReport& signOff);

}  // namespace check
