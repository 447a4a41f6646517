#include "host/view-core/drawing_files.h"

#include <system_error>

#include "host/dxf/save.h"
#include "host/dxf/writer.h"

namespace host::view {

std::shared_ptr<model::Document> readDrawingFile(const std::filesystem::path& path,
                                                 const dxf::Progress& progress) {
  return dxf::readDxf(path, progress);
}

std::vector<std::string> contentLostOnSave(const model::Document& document) {
  return dxf::contentNotSaved(document);
}

void writeDrawingFile(const model::Document& document, const std::filesystem::path& path) {
  dxf::saveDxf(document, path);
}

bool sameFile(const std::filesystem::path& a, const std::filesystem::path& b) {
  std::error_code error;
  if (std::filesystem::equivalent(a, b, error)) return true;
  // One or both do not exist (or cannot be examined): compare where they would be.
  const auto whereA = std::filesystem::weakly_canonical(a, error);
  if (error) return false;
  const auto whereB = std::filesystem::weakly_canonical(b, error);
  return !error && whereA == whereB;
}

}  // namespace host::view
