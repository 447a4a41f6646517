#include "host/view-files/drawing_files.h"

#include <stdexcept>

#include "host/dxf/save.h"
#include "host/dxf/source_drawing.h"
#include "host/dxf/writer.h"

namespace host::view {

std::shared_ptr<model::Document> readDrawingFile(const std::filesystem::path& path,
                                                 const dxf::Progress& progress) {
  return dxf::readDxf(path, progress);
}

std::vector<std::string> openingWarnings(const model::Document& document) {
  return dxf::readingWarnings(document);
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

std::string writeDrawingFile(const model::Document& document, const std::filesystem::path& path,
                             const std::string& release, std::optional<dxf::FileForm> form) {
  dxf::SaveOptions options;
  options.release = &releaseOf(document, release);
  options.form = form;
  options.keepBackup = true;
  return dxf::saveDxf(document, path, options).backupNotKept;
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

std::optional<std::string> releaseNamed(std::string_view word) {
  const dxf::Release* named = dxf::findRelease(word);
  if (named == nullptr) return std::nullopt;
  return std::string(named->name);
}

}  // namespace host::view
