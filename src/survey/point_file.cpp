#include "survey/point_file.h"

#include <algorithm>
#include <fstream>
#include <stdexcept>

#include "survey/delimited_reader.h"
#include "survey/gsi_reader.h"
#include "survey/landxml_reader.h"
#include "survey/point_file_error.h"
#include "survey/text_encoding.h"

namespace survey {
namespace {

bool startsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

// DWG files start with their release, "AC1015" and the like.
bool looksLikeDwg(std::string_view content) {
  if (content.size() < 6 || !startsWith(content, "AC")) return false;
  return std::all_of(content.begin() + 2, content.begin() + 6,
                     [](char c) { return c >= '0' && c <= '9'; });
}

bool looksLikeXml(std::string_view content) {
  if (startsWith(content, "\xEF\xBB\xBF")) content.remove_prefix(3);
  const std::size_t first = content.find_first_not_of(" \t\r\n");
  return first != std::string_view::npos && content[first] == '<';
}

}  // namespace

PointFile readPointFile(const std::filesystem::path& path, const ReadOptions& options) {
  const std::string name = path.string();
  std::error_code error;
  if (std::filesystem::is_directory(path, error)) {
    throw PointFileError(name, 0, "is a folder, not a point file");
  }
  std::ifstream file(path, std::ios::binary);
  if (!file) throw PointFileError(name, 0, "cannot be opened");
  const auto tooLarge = [&] {
    return PointFileError(name, 0, "is larger than 128 MiB, more than a point file holds");
  };
  // Read in pieces, so that not even a device without an end is taken whole. A file of known
  // size is read in one piece a byte larger, which finds its end without more memory.
  constexpr std::size_t kPiece = 1u << 20;
  std::size_t piece = kPiece;
  if (std::filesystem::is_regular_file(path, error)) {
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (!error && size > kMaxFileBytes) throw tooLarge();
    if (!error) piece = static_cast<std::size_t>(size) + 1;
  }
  std::string content;
  while (file) {
    const std::size_t had = content.size();
    content.resize(had + piece);
    file.read(content.data() + had, static_cast<std::streamsize>(piece));
    content.resize(had + static_cast<std::size_t>(file.gcount()));
    piece = kPiece;
    if (content.size() > kMaxFileBytes) throw tooLarge();
  }
  if (file.bad()) throw PointFileError(name, 0, "cannot be read");
  return parsePoints(content, name, options);
}

PointFile parsePoints(std::string_view content, const std::string& name,
                      const ReadOptions& options) {
  if (looksLikeDwg(content)) {
    throw PointFileError(name, 0, "DWG drawings cannot be read: save the drawing as DXF");
  }
  if (looksLikeXml(content)) return readLandXml(content, name, options);
  DecodedText text;
  try {
    text = decodeText(content);
  } catch (const std::invalid_argument& e) {
    throw PointFileError(name, 0, e.what());
  }
  // The XML reader knows UTF-16 by its byte-order mark.
  if (text.encoding != "UTF-8" && text.encoding != "Windows-1252" && looksLikeXml(text.utf8)) {
    return readLandXml(content, name, options);
  }
  PointFile file = looksLikeGsi(text.utf8) ? readGsi(text.utf8, name, options)
                                           : readDelimited(text.utf8, name, options);
  if (text.encoding != "UTF-8") file.encoding = text.encoding;
  return file;
}

}  // namespace survey
