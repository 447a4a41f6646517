#pragma once

#include <QString>
#include <filesystem>

#include "check/window/shot_check.h"

class QWidget;

namespace check {

// Where the report goes when the user typed `name`: .csv is added when it has another suffix or
// none.
std::filesystem::path shotReportPath(const QString& name);

// "Save report…" for such a check: asks for a file with the file dialog over `parent`, then
// saves the CSV to it; nothing when the user cancels. Throws std::runtime_error naming the file
// when it cannot be written.
void saveShotReportAskingForAFile(QWidget* parent, const ShotCheck& shots);

}  // namespace check
