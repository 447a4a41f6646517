#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "host/dxf/dxf_error.h"
#include "host/dxf/reader.h"

namespace host::dxf {
namespace {

// Every drawing the LibreCAD data package ships (fonts, hatch patterns, part libraries), as
// a broad sample of what other programs write.
TEST(DxfLibreCadSamples, EveryShippedDrawingOpens) {
  const std::filesystem::path root = "/usr/share/librecad";
  if (!std::filesystem::is_directory(root)) GTEST_SKIP() << "librecad-data is not installed";
  std::size_t opened = 0;
  std::vector<std::string> failures;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
    std::string extension = entry.path().extension().string();
    std::ranges::transform(extension, extension.begin(), ::tolower);
    if (!entry.is_regular_file() || extension != ".dxf") continue;
    try {
      readDxf(entry.path());
      ++opened;
    } catch (const std::exception& error) {
      failures.push_back(error.what());
    }
  }
  for (const std::string& failure : failures) ADD_FAILURE() << failure;
  EXPECT_GT(opened, 1000u);
}

}  // namespace
}  // namespace host::dxf
