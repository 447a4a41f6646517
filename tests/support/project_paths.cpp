#include "support/project_paths.h"

namespace testing_support {

std::string sourcePath(std::string_view relative) {
  return std::string(KESTOVA_SOURCE_DIR "/").append(relative);
}

std::string buildPath(std::string_view relative) {
  return std::string(KESTOVA_BUILD_DIR "/").append(relative);
}

std::string kestovaProgram() {
  return buildPath("src/kestova");
}

}  // namespace testing_support
