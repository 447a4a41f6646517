#include "host/view/drawing_files.h"

#include <stdexcept>

#include "host/dxf/reader.h"

namespace host::view {

std::shared_ptr<model::Document> readDrawingFile(const std::filesystem::path& path) {
  return dxf::readDxf(path);
}

void writeDrawingFile(const model::Document&, const std::filesystem::path&) {
  throw std::runtime_error("Saving files is not yet supported");
}

}  // namespace host::view
