#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <iostream>

#include "host/view-core/recording_canvas.h"
#include "host/view-core/renderer.h"
#include "host/view-files/drawing_files.h"

namespace host::view {
namespace {

// Every drawing the LibreCAD data package ships, as a broad sample of what other programs
// write, is drawn from the top at its extents; how many of their entities cannot be shown is
// printed, the figure to bring down.
TEST(LibreCadSamples, EveryShippedDrawingIsDrawn) {
  const std::filesystem::path root = "/usr/share/librecad";
  if (!std::filesystem::is_directory(root)) GTEST_SKIP() << "librecad-data is not installed";
  std::size_t drawn = 0;
  std::size_t notShown = 0;
  std::vector<std::pair<std::size_t, std::string>> worst;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
    std::string extension = entry.path().extension().string();
    std::ranges::transform(extension, extension.begin(), ::tolower);
    if (!entry.is_regular_file() || extension != ".dxf") continue;
    const auto document = readDrawingFile(entry.path());
    ViewProjection projection;
    projection.setViewport(800, 600);
    const Scene scene = buildScene(*document, projection.orientation());
    projection.fit(scene.bounds);
    RecordingCanvas canvas;
    renderScene(scene, projection, canvas);
    ++drawn;
    notShown += scene.notShown;
    if (scene.notShown > 0) worst.emplace_back(scene.notShown, entry.path().string());
  }
  std::ranges::sort(worst, std::greater());
  std::cout << drawn << " drawings drawn, " << notShown << " entities not shown, in "
            << worst.size() << " drawings; the most in:\n";
  for (std::size_t i = 0; i < std::min<std::size_t>(worst.size(), 5); ++i) {
    std::cout << "  " << worst[i].first << "  " << worst[i].second << "\n";
  }
  EXPECT_GT(drawn, 1000u);
}

}  // namespace
}  // namespace host::view
