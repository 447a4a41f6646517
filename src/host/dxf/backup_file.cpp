#include "host/dxf/backup_file.h"

#include <system_error>

namespace host::dxf {

std::filesystem::path backupName(const std::filesystem::path& file) {
  std::filesystem::path backup = file;
  backup.replace_extension(".bak");
  return backup;
}

std::string keepBackup(const std::filesystem::path& file) {
  namespace fs = std::filesystem;
  std::error_code error;
  if (!fs::is_regular_file(file, error)) return {};
  const fs::path backup = backupName(file);
  // Replacing the backup would remove the file itself.
  if (backup == file) return {};
  fs::remove(backup, error);
  if (error) return "cannot replace " + backup.string() + ": " + error.message();
  // A second name for the old file costs no copy; the save then puts a new file in its place.
  // Where the file system has no such names the old file is copied.
  fs::create_hard_link(file, backup, error);
  if (!error) return {};
  error.clear();
  fs::copy_file(file, backup, fs::copy_options::overwrite_existing, error);
  if (error) return "cannot keep " + backup.string() + ": " + error.message();
  return {};
}

}  // namespace host::dxf
