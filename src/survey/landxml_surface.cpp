#include "survey/landxml_surface.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <pugixml.hpp>
#include <unordered_map>
#include <vector>

#include "survey/coordinate_text.h"
#include "survey/landxml_surface_lines.h"
#include "survey/point_file_error.h"

namespace survey {
namespace {

// The XML reader builds a node of about 64 bytes for every tag: this many is a surface of some
// ten million faces, and keeps a file of nothing but tiny tags from taking all memory.
constexpr std::size_t kMaxTags = 20'000'000;

std::string_view localName(const pugi::xml_node& node) {
  const std::string_view name = node.name();
  const std::size_t colon = name.find(':');
  return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

pugi::xml_node childNamed(const pugi::xml_node& parent, std::string_view name) {
  for (pugi::xml_node child = parent.first_child(); child; child = child.next_sibling()) {
    if (child.type() == pugi::node_element && localName(child) == name) return child;
  }
  return {};
}

// Line numbers of offsets into the text, asked for mostly in increasing order.
class LineCounter {
 public:
  explicit LineCounter(std::string_view text) : text_(text) {}

  std::size_t lineAt(std::ptrdiff_t offset) {
    if (offset < 0) return 0;
    const std::size_t target = std::min(static_cast<std::size_t>(offset), text_.size());
    if (target < offset_) offset_ = 0, line_ = 1;
    line_ += static_cast<std::size_t>(
        std::count(text_.begin() + static_cast<std::ptrdiff_t>(offset_),
                   text_.begin() + static_cast<std::ptrdiff_t>(target), '\n'));
    offset_ = target;
    return line_;
  }

 private:
  std::string_view text_;
  std::size_t offset_ = 0;
  std::size_t line_ = 1;
};

// The next word of `text` from `at` on, moving `at` past it; empty at the end.
std::string_view nextWord(std::string_view text, std::size_t& at) {
  constexpr const char* kBlanks = " \t\r\n";
  const std::size_t start = text.find_first_not_of(kBlanks, at);
  if (start == std::string_view::npos) return at = text.size(), std::string_view{};
  at = std::min(text.find_first_of(kBlanks, start), text.size());
  return text.substr(start, at - start);
}

// The TIN surfaces of the document, in its order.
std::vector<pugi::xml_node> tinSurfaces(const pugi::xml_node& root) {
  std::vector<pugi::xml_node> surfaces;
  for (pugi::xml_node group = root.first_child(); group; group = group.next_sibling()) {
    if (localName(group) != "Surfaces") continue;
    for (pugi::xml_node surface = group.first_child(); surface; surface = surface.next_sibling()) {
      const pugi::xml_node definition = childNamed(surface, "Definition");
      if (localName(surface) == "Surface" && definition &&
          std::string_view(definition.attribute("surfType").value()) == "TIN") {
        surfaces.push_back(surface);
      }
    }
  }
  return surfaces;
}

std::string namesOf(const std::vector<pugi::xml_node>& surfaces) {
  std::string names;
  for (const pugi::xml_node& surface : surfaces) {
    names += (names.empty() ? "" : ", ") + inQuotes(surface.attribute("name").value());
  }
  return names;
}

pugi::xml_node chosenSurface(const pugi::xml_node& root, const std::string& fileName,
                             const std::optional<std::string>& surfaceName) {
  const std::vector<pugi::xml_node> surfaces = tinSurfaces(root);
  if (surfaces.empty()) {
    throw PointFileError(fileName, 0,
                         "holds no TIN surface (<Surface><Definition surfType=\"TIN\">)");
  }
  if (!surfaceName) {
    if (surfaces.size() == 1) return surfaces.front();
    throw PointFileError(fileName, 0,
                         "holds " + std::to_string(surfaces.size()) + " TIN surfaces (" +
                             namesOf(surfaces) + "): choose one with --surface NAME");
  }
  for (const pugi::xml_node& surface : surfaces) {
    if (surface.attribute("name").value() == *surfaceName) return surface;
  }
  throw PointFileError(fileName, 0,
                       "holds no TIN surface named " + inQuotes(*surfaceName) + " (it holds " +
                           namesOf(surfaces) + ")");
}

// Point ids to their index: most files number their points, which a table looks up faster
// than a hash.
class PointIds {
 public:
  void add(std::string_view id, std::uint32_t index) { ids_.emplace_back(id, index); }

  void finish() {
    std::uint64_t largest = 0;
    for (const auto& [id, index] : ids_) {
      std::uint64_t number = 0;
      const auto result = std::from_chars(id.data(), id.data() + id.size(), number);
      if (result.ec != std::errc() || result.ptr != id.data() + id.size() ||
          number > 4 * ids_.size() + 16) {
        for (const auto& [text, at] : ids_) byText_.emplace(text, at);
        return;
      }
      largest = std::max(largest, number);
    }
    byNumber_.assign(largest + 1, kNone);
    for (const auto& [id, index] : ids_) {
      std::uint64_t number = 0;
      std::from_chars(id.data(), id.data() + id.size(), number);
      byNumber_[number] = index;
    }
  }

  std::optional<std::uint32_t> find(std::string_view id) const {
    if (!byText_.empty()) {
      const auto found = byText_.find(id);
      if (found == byText_.end()) return std::nullopt;
      return found->second;
    }
    std::uint64_t number = 0;
    const auto result = std::from_chars(id.data(), id.data() + id.size(), number);
    if (result.ec != std::errc() || result.ptr != id.data() + id.size() ||
        number >= byNumber_.size() || byNumber_[number] == kNone) {
      return std::nullopt;
    }
    return byNumber_[number];
  }

 private:
  static constexpr std::uint32_t kNone = 0xFFFFFFFFu;
  std::vector<std::pair<std::string_view, std::uint32_t>> ids_;
  std::vector<std::uint32_t> byNumber_;
  std::unordered_map<std::string_view, std::uint32_t> byText_;
};

void readPoints(const pugi::xml_node& pnts, TinSurface& surface, PointIds& ids,
                LineCounter& lines) {
  constexpr const char* kMeanings[] = {"as northing", "as easting", "as elevation"};
  for (pugi::xml_node p = pnts.first_child(); p; p = p.next_sibling()) {
    if (p.type() != pugi::node_element || localName(p) != "P") continue;
    const std::string_view id = p.attribute("id").value();
    const auto fail = [&](const std::string& why) {
      return PointFileError(surface.name, lines.lineAt(p.offset_debug()), why);
    };
    if (id.empty()) throw fail("a surface point <P> without an id");
    const std::string_view text = p.child_value();
    std::size_t at = 0;
    double values[3] = {};
    for (std::size_t k = 0; k < 3; ++k) {
      const std::string_view word = nextWord(text, at);
      const CoordinateReading reading = readCoordinate(word, kMeanings[k], false);
      if (!reading.value) throw fail("point " + inQuotes(id) + ": " + reading.problem);
      values[k] = *reading.value;
    }
    ids.add(id, static_cast<std::uint32_t>(surface.points.size()));
    surface.points.push_back({values[1], values[0], values[2]});
  }
}

void readFaces(const pugi::xml_node& faces, TinSurface& surface, const PointIds& ids,
               LineCounter& lines) {
  for (pugi::xml_node f = faces.first_child(); f; f = f.next_sibling()) {
    if (f.type() != pugi::node_element || localName(f) != "F") continue;
    // An invisible face closes a hole or lies outside the boundary: not part of the surface.
    if (std::string_view(f.attribute("i").value()) == "1") continue;
    const std::size_t line = lines.lineAt(f.offset_debug());
    const std::string_view text = f.child_value();
    std::size_t at = 0;
    SurfaceFace face{};
    for (std::uint32_t& corner : face) {
      const std::string_view id = nextWord(text, at);
      const std::optional<std::uint32_t> index = ids.find(id);
      if (!index) {
        throw PointFileError(surface.name, line,
                             id.empty() ? "a face <F> with fewer than three points"
                                        : "a face names point " + inQuotes(id) +
                                              ", which the surface does not hold");
      }
      corner = *index;
    }
    surface.faces.push_back(face);
    surface.faceLines.push_back(line);
  }
}

}  // namespace

bool looksLikeXml(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t\r\n\xEF\xBB\xBF");
  return first != std::string_view::npos && text[first] == '<';
}

TinSurface parseLandXmlSurface(std::string_view text, const std::string& fileName,
                               const std::optional<std::string>& surfaceName) {
  if (static_cast<std::size_t>(std::count(text.begin(), text.end(), '<')) > kMaxTags) {
    throw PointFileError(
        fileName, 0,
        "has more than " + std::to_string(kMaxTags) + " tags, more than a LandXML surface holds");
  }
  pugi::xml_document document;
  LineCounter lines(text);
  const pugi::xml_parse_result parsed = document.load_buffer(
      text.data(), text.size(), pugi::parse_default | pugi::parse_embed_pcdata);
  if (!parsed) {
    throw PointFileError(fileName, lines.lineAt(parsed.offset),
                         std::string("not readable as XML: ") + parsed.description());
  }
  const pugi::xml_node root = document.document_element();
  if (localName(root) != "LandXML") {
    throw PointFileError(
        fileName, 0, "is not a LandXML file (its root element is " + inQuotes(root.name()) + ")");
  }
  const pugi::xml_node chosen = chosenSurface(root, fileName, surfaceName);
  const pugi::xml_node definition = childNamed(chosen, "Definition");
  TinSurface surface;
  surface.name = fileName;
  surface.surfaceName = chosen.attribute("name").value();
  PointIds ids;
  readPoints(childNamed(definition, "Pnts"), surface, ids, lines);
  ids.finish();
  readFaces(childNamed(definition, "Faces"), surface, ids, lines);
  readSurfaceLines(chosen, surface, [&](std::ptrdiff_t offset) { return lines.lineAt(offset); });
  const bool hadFaces = !surface.faces.empty();
  keepFacesWithinBoundaries(surface);
  if (surface.faces.empty()) {
    throw PointFileError(fileName, lines.lineAt(chosen.offset_debug()),
                         "surface " + inQuotes(chosen.attribute("name").value()) + " has no faces" +
                             (hadFaces ? " within its boundaries" : ""));
  }
  return surface;
}

TinSurface readLandXmlSurface(const std::filesystem::path& path,
                              const std::optional<std::string>& surfaceName) {
  const std::string name = path.string();
  std::ifstream file(path, std::ios::binary);
  if (!file || std::filesystem::is_directory(path)) {
    throw PointFileError(name, 0, "cannot be opened");
  }
  const std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  if (file.bad()) throw PointFileError(name, 0, "cannot be read");
  return parseLandXmlSurface(text, name, surfaceName);
}

}  // namespace survey
