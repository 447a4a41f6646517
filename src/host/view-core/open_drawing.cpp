#include "host/view-core/open_drawing.h"

#include <utility>

namespace host::view {

OpenDrawing::OpenDrawing(std::shared_ptr<model::Document> document, int untitledNumber)
    : document_(std::move(document)), untitledNumber_(untitledNumber) {}

OpenDrawing::OpenDrawing(std::shared_ptr<model::Document> document, std::filesystem::path file)
    : document_(std::move(document)), filePath_(file), sourceFile_(std::move(file)) {}

std::string OpenDrawing::name() const {
  if (!filePath_.empty()) return filePath_.filename().string();
  return "Drawing" + std::to_string(untitledNumber_);
}

void OpenDrawing::saved(const std::filesystem::path& path, bool lossy) {
  savedOnce_ = true;
  filePath_ = path;
  if (lossy) agreedLossyCopy_ = path;
  document_->markSaved();
}

}  // namespace host::view
