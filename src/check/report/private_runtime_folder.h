#pragma once

#include <filesystem>

namespace check::report {

// Qt keeps its per-user runtime files in the folder XDG_RUNTIME_DIR names, which a desktop
// session sets. Run from a script, or as root without a session, Qt falls back to a shared folder
// and warns about it on standard error, which reads like a fault of the check. While this lives
// and the variable is unset, the variable names a folder of this process's own in the temp
// folder instead, made private (0700) as Qt requires; both go again with it. Made before the
// application, it outlives it.
class PrivateRuntimeFolder {
 public:
  PrivateRuntimeFolder();
  ~PrivateRuntimeFolder();
  PrivateRuntimeFolder(const PrivateRuntimeFolder&) = delete;
  PrivateRuntimeFolder& operator=(const PrivateRuntimeFolder&) = delete;

 private:
  // Empty when the session gave the variable, or when no folder could be made: Qt's fallback
  // and its warning are then still better than no report.
  std::filesystem::path folder_;
};

}  // namespace check::report
