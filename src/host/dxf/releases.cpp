#include "host/dxf/releases.h"

#include <array>
#include <utility>

#include "host/dxf/source_drawing.h"
#include "host/model/names.h"

namespace host::dxf {
namespace {

constexpr std::array<Release, 6> kReleases = {{{"R2000", "AC1015"},
                                               {"R2004", "AC1018"},
                                               {"R2007", "AC1021"},
                                               {"R2010", "AC1024"},
                                               {"R2013", "AC1027"},
                                               {"R2018", "AC1032"}}};

}  // namespace

std::span<const Release> savableReleases() {
  return kReleases;
}

const Release* findRelease(std::string_view nameOrVersion) {
  for (const Release& release : kReleases) {
    if (model::sameName(release.name, nameOrVersion) ||
        model::sameName(release.version, nameOrVersion)) {
      return &release;
    }
  }
  return nullptr;
}

const Release& savedRelease(const model::Document& document) {
  if (const SourceDrawing* source = sourceOf(document)) {
    if (const Release* read = findRelease(source->release)) return *read;
  }
  return kReleases.front();
}

FileForm savedForm(const model::Document& document) {
  const SourceDrawing* source = sourceOf(document);
  return source != nullptr ? source->form : FileForm::kText;
}

bool convertsOlderRelease(const model::Document& document) {
  const SourceDrawing* source = sourceOf(document);
  return source != nullptr && findRelease(source->release) == nullptr &&
         (source->release.empty() || source->release < kReleases.front().version);
}

std::string olderReleaseName(const model::Document& document) {
  if (!convertsOlderRelease(document)) return {};
  // Files without a header are taken for release 12, as they read.
  constexpr std::pair<std::string_view, std::string_view> kOlder[] = {
      {"AC1014", "14"}, {"AC1012", "13"},  {"AC1009", "12"}, {"AC1006", "10"},
      {"AC1004", "9"},  {"AC1003", "2.6"}, {"AC1002", "2.5"}};
  const std::string& read = sourceOf(document)->release;
  for (const auto& [version, name] : kOlder) {
    if (read == version) return "release " + std::string(name);
  }
  return read.empty() ? "release 12" : "an older release";
}

}  // namespace host::dxf
