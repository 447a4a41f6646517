#include "host/view/drawing_files.h"

#include <stdexcept>

namespace host::view {

std::shared_ptr<model::Document> readDrawingFile(const std::filesystem::path&) {
  throw std::runtime_error("Files are not yet supported");
}

void writeDrawingFile(const model::Document&, const std::filesystem::path&) {
  throw std::runtime_error("Files are not yet supported");
}

}  // namespace host::view
