#include "support/scratch_folder.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>

namespace testing_support {
namespace {

namespace fs = std::filesystem;

fs::path& scratchFolder() {
  static fs::path folder;
  return folder;
}

pid_t& owner() {
  static pid_t pid = 0;
  return pid;
}

// A child made by fork (a death test, say) that exits normally must not take the folder of
// the process that goes on.
void removeScratchFolder() {
  if (::getpid() != owner()) return;
  std::error_code ignored;
  fs::remove_all(scratchFolder(), ignored);
}

void pointInto(const char* variable, const fs::path& folder, fs::perms permissions) {
  fs::create_directory(folder);
  fs::permissions(folder, permissions);
  ::setenv(variable, folder.c_str(), 1);
}

}  // namespace

void useOwnScratchFolder() {
  const char* base = std::getenv("TMPDIR");
  std::string pattern = (fs::path(base && *base ? base : "/tmp") / "kestova-test-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) {
    throw std::runtime_error("cannot make a scratch folder from " + pattern);
  }
  scratchFolder() = pattern;
  owner() = ::getpid();
  std::atexit(removeScratchFolder);
  const fs::path folder = scratchFolder();
  const fs::perms shared = fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec;
  pointInto("TMPDIR", folder / "tmp", shared);
  pointInto("XDG_CONFIG_HOME", folder / "config", shared);
  pointInto("XDG_CACHE_HOME", folder / "cache", shared);
  pointInto("XDG_DATA_HOME", folder / "data", shared);
  // Qt refuses a runtime folder that others may read.
  pointInto("XDG_RUNTIME_DIR", folder / "runtime", fs::perms::owner_all);
}

}  // namespace testing_support
