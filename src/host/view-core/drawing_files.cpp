#include "host/view-core/drawing_files.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>
#include <system_error>

#include "host/dxf/save.h"
#include "host/dxf/source_drawing.h"
#include "host/dxf/writer.h"

namespace host::view {

std::shared_ptr<model::Document> readDrawingFile(const std::filesystem::path& path,
                                                 const dxf::Progress& progress) {
  return dxf::readDxf(path, progress);
}

std::vector<std::string> openingWarnings(const model::Document& document) {
  const dxf::SourceDrawing* source = dxf::sourceOf(document);
  return source ? source->warnings : std::vector<std::string>{};
}

namespace {

const dxf::Release& releaseOf(const model::Document& document, const std::string& release) {
  if (release.empty()) return dxf::savedRelease(document);
  const dxf::Release* found = dxf::findRelease(release);
  if (found == nullptr) throw std::runtime_error("no drawing file release " + release);
  return *found;
}

}  // namespace

std::vector<std::string> contentLostOnSave(const model::Document& document,
                                           const std::string& release) {
  return dxf::contentNotSaved(document, releaseOf(document, release));
}

void writeDrawingFile(const model::Document& document, const std::filesystem::path& path,
                      const std::string& release, std::optional<dxf::FileForm> form) {
  dxf::SaveOptions options;
  options.release = &releaseOf(document, release);
  options.form = form;
  dxf::saveDxf(document, path, options);
}

std::vector<std::string> savableReleases() {
  std::vector<std::string> names;
  for (const dxf::Release& release : dxf::savableReleases()) names.emplace_back(release.name);
  return names;
}

std::string savedRelease(const model::Document& document) {
  return std::string(dxf::savedRelease(document).name);
}

std::string olderReleaseName(const model::Document& document) {
  return dxf::olderReleaseName(document);
}

dxf::FileForm savedForm(const model::Document& document) {
  return dxf::savedForm(document);
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

std::filesystem::path withDrawingExtension(const std::filesystem::path& path) {
  std::string extension = path.extension().string();
  std::ranges::transform(extension, extension.begin(),
                         [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (extension == ".dxf" || path.filename().empty()) return path;
  std::filesystem::path named = path;
  named += ".dxf";
  return named;
}

}  // namespace host::view
