#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "host/dxf/dxf_output.h"
#include "host/dxf/reader.h"
#include "host/model/document.h"

namespace host::view {

// Reads a drawing file into a new document, unmodified (as it was saved), telling `progress`
// now and then how far it has got. Throws std::runtime_error saying what went wrong, where and
// why, or what `progress` throws to stop the read.
std::shared_ptr<model::Document> readDrawingFile(const std::filesystem::path& path,
                                                 const dxf::Progress& progress = {});
// What the user is told of a drawing that opened with problems (text not in the code page its
// header names ...); nothing for a drawing that opened as its file says.
std::vector<std::string> openingWarnings(const model::Document& document);

// What a drawing file of `release` ("R2013"; empty for the release the drawing was read in,
// R2000 for a new one) written now would leave out of the document, briefly, one kind per item
// ("3 VIEWPORT", "1 XRECORD"). Empty when the file would hold everything.
std::vector<std::string> contentLostOnSave(const model::Document& document,
                                           const std::string& release = {});

// Writes a document to a file of `release` (as contentLostOnSave) in `form` (none for the form
// the drawing was read in, text for a new one), leaving out what contentLostOnSave lists; the
// old file stays as it was if that fails. Throws std::runtime_error saying what went wrong and
// why. The file saved over is kept as "name.bak" beside it (only the last one); returns why that
// backup could not be made, or nothing.
std::string writeDrawingFile(const model::Document& document, const std::filesystem::path& path,
                             const std::string& release = {},
                             std::optional<dxf::FileForm> form = std::nullopt);

// The releases a drawing file can be written in ("R2000" ... "R2018"), oldest first, and the
// one a save writes unless told otherwise.
std::vector<std::string> savableReleases();
std::string savedRelease(const model::Document& document);
// The form, text or binary, a save writes unless told otherwise.
dxf::FileForm savedForm(const model::Document& document);

// The older release than any a save writes that saving converts the drawing from, as users
// know it ("release 13"), which the user is told once; empty when it converts none.
std::string olderReleaseName(const model::Document& document);

// The name of the release a word names, a name or a version in any case ("r2013", "AC1027"
// give "R2013"); nothing when it names none a drawing file is written in.
std::optional<std::string> releaseNamed(std::string_view word);

}  // namespace host::view
