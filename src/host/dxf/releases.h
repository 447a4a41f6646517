#pragma once

#include <span>
#include <string>
#include <string_view>

#include "host/dxf/dxf_output.h"
#include "host/model/document.h"

namespace host::dxf {

// A release of the drawing file format that the writer writes: its common name and the
// version the file's $ACADVER gives.
struct Release {
  std::string_view name;     // "R2013"
  std::string_view version;  // "AC1027"
};

// Oldest first.
std::span<const Release> savableReleases();
// The release of a name or version, any case ("r2013", "AC1027"); null for none the writer
// writes.
const Release* findRelease(std::string_view nameOrVersion);
// The release a save writes unless told otherwise: the one the drawing was read in, release
// 2000 for a new drawing or one read from an older release.
const Release& savedRelease(const model::Document& document);
// The form a save writes unless told otherwise: the one the drawing was read in, text for a
// new drawing.
FileForm savedForm(const model::Document& document);
// Whether the drawing was read from a file of a release older than 2000 (release 14 and
// before), which a save converts.
bool convertsOlderRelease(const model::Document& document);
// The older release a save converts from, as users know it ("release 13"); empty when it
// converts none.
std::string olderReleaseName(const model::Document& document);

}  // namespace host::dxf
