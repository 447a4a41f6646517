#include "check/report/private_runtime_folder.h"

#include <stdlib.h>

#include <cstdlib>
#include <string>
#include <system_error>

namespace check::report {
namespace {

constexpr const char* kVariable = "XDG_RUNTIME_DIR";

}  // namespace

PrivateRuntimeFolder::PrivateRuntimeFolder() {
  const char* given = std::getenv(kVariable);
  if (given != nullptr && *given != '\0') return;
  std::error_code error;
  const std::filesystem::path temp = std::filesystem::temp_directory_path(error);
  if (error) return;
  // mkdtemp makes the folder with a name no one else has and mode 0700.
  std::string name = std::filesystem::absolute(temp / "kestova-runtime-XXXXXX", error).string();
  if (error || ::mkdtemp(name.data()) == nullptr) return;
  folder_ = name;
  ::setenv(kVariable, name.c_str(), 1);
}

PrivateRuntimeFolder::~PrivateRuntimeFolder() {
  if (folder_.empty()) return;
  ::unsetenv(kVariable);
  std::error_code ignored;
  std::filesystem::remove_all(folder_, ignored);
}

}  // namespace check::report
