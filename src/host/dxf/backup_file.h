#pragma once

#include <filesystem>
#include <string>

namespace host::dxf {

// The name the previous version of a drawing file is kept under when it is saved over:
// "site.dxf" gives "site.bak", beside it.
std::filesystem::path backupName(const std::filesystem::path& file);

// Keeps `file` as it stands now under backupName, replacing the backup of an earlier save, so
// that only the last version before a save is kept. Nothing is kept for a file that does not
// exist yet, nor for one whose own name is its backup's ("site.bak"). Returns why the backup
// could not be made, or nothing when it was (or there was nothing to keep); the file itself is
// never touched.
std::string keepBackup(const std::filesystem::path& file);

}  // namespace host::dxf
