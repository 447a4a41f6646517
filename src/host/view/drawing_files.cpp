#include "host/view/drawing_files.h"

#include "host/dxf/reader.h"
#include "host/dxf/save.h"
#include "host/dxf/writer.h"

namespace host::view {

std::shared_ptr<model::Document> readDrawingFile(const std::filesystem::path& path) {
  return dxf::readDxf(path);
}

std::vector<std::string> writeDrawingFile(const model::Document& document,
                                          const std::filesystem::path& path) {
  std::vector<std::string> left = dxf::contentNotSaved(document);
  dxf::saveDxf(document, path);
  return left;
}

}  // namespace host::view
