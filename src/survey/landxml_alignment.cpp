#include "survey/landxml_alignment.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>
#include <pugixml.hpp>
#include <stdexcept>
#include <vector>

#include "numbers/number_text.h"
#include "survey/coordinate_text.h"
#include "survey/point_file.h"
#include "survey/point_file_error.h"

namespace survey {
namespace {

using Eigen::Vector2d;

std::string_view localName(const pugi::xml_node& node) {
  const std::string_view name = node.name();
  const std::size_t colon = name.find(':');
  return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

pugi::xml_node childNamed(const pugi::xml_node& node, std::string_view name) {
  for (const pugi::xml_node& child : node.children()) {
    if (localName(child) == name) return child;
  }
  return {};
}

std::vector<std::string_view> words(std::string_view text) {
  std::vector<std::string_view> result;
  constexpr const char* kBlanks = " \t\r\n";
  for (std::size_t start = text.find_first_not_of(kBlanks); start != std::string_view::npos;) {
    const std::size_t end = std::min(text.find_first_of(kBlanks, start), text.size());
    result.push_back(text.substr(start, end - start));
    start = text.find_first_not_of(kBlanks, end);
  }
  return result;
}

// Reads the elements of one file; every fault names the file and the element's line.
class Reader {
 public:
  Reader(std::string_view text, std::string fileName) : text_(text), file_(std::move(fileName)) {}

  [[noreturn]] void fail(const pugi::xml_node& node, const std::string& why) const {
    const auto offset = std::max<std::ptrdiff_t>(0, node.offset_debug());
    const auto end = text_.begin() + std::min<std::size_t>(offset, text_.size());
    const auto line = static_cast<std::size_t>(std::count(text_.begin(), end, '\n')) + 1;
    throw PointFileError(file_, node ? line : 0, why);
  }

  double number(const pugi::xml_node& node, std::string_view text, const std::string& what) {
    const std::optional<double> value = numbers::numberIn(text, false);
    if (!value)
      fail(node, std::string(localName(node)) + ": " + what + " " + inQuotes(std::string(text)) +
                     " is not a number");
    return *value;
  }

  double attribute(const pugi::xml_node& node, const char* name) {
    const pugi::xml_attribute attribute = node.attribute(name);
    if (!attribute) fail(node, std::string(localName(node)) + " has no " + name);
    return number(node, attribute.value(), name);
  }

  // A radius as LandXML gives it: INF (or 0, as some programs write) for a straight end.
  double curvature(const pugi::xml_node& node, const char* name, double turn) {
    const std::string_view text = node.attribute(name).value();
    if (text.empty() || text == "INF" || text == "inf" || text == "Infinity") return 0.0;
    const double radius = number(node, text, name);
    return radius == 0.0 ? 0.0 : turn / std::abs(radius);
  }

  // "northing easting [elevation]" of the child `name`.
  Vector2d position(const pugi::xml_node& element, std::string_view name) {
    const pugi::xml_node child = childNamed(element, name);
    if (!child) fail(element, std::string(localName(element)) + " has no " + std::string(name));
    const std::vector<std::string_view> numbers = words(child.child_value());
    if (numbers.size() != 2 && numbers.size() != 3) {
      fail(child, std::string(localName(element)) + "'s " + std::string(name) +
                      " needs northing and easting" +
                      (child.attribute("pntRef") ? " in place of its pntRef" : ""));
    }
    return {number(child, numbers[1], "easting"), number(child, numbers[0], "northing")};
  }

  double turn(const pugi::xml_node& node) {
    const std::string_view rot = node.attribute("rot").value();
    if (rot != "cw" && rot != "ccw") {
      fail(node, std::string(localName(node)) + " needs rot=\"cw\" or rot=\"ccw\"");
    }
    return rot == "cw" ? -1.0 : 1.0;
  }

  PlanElement spiral(const pugi::xml_node& node) {
    const std::string_view type = node.attribute("spiType").value();
    if (!type.empty() && type != "clothoid") {
      fail(node, "Spiral of type " + inQuotes(std::string(type)) + ": only clothoids are read");
    }
    const double sense = turn(node);
    const Vector2d start = position(node, "Start");
    const Vector2d towards = position(node, "PI") - start;
    const PlanElement element = PlanElement::spiral(
        start, std::atan2(towards.y(), towards.x()), attribute(node, "length"),
        curvature(node, "radiusStart", sense), curvature(node, "radiusEnd", sense));
    // A spiral is given by more numbers than it needs; ones that disagree are a design fault
    // the user must see, not one to pass on into every chainage.
    const double missed = (element.pointAt(element.length()) - position(node, "End")).norm();
    if (missed > 1e-3 + 1e-5 * element.length()) {
      fail(node, "Spiral ends " + std::to_string(missed) +
                     " away from its End: its length, radii or rot do not fit its points");
    }
    return element;
  }

  PlanElement element(const pugi::xml_node& node) {
    try {
      const std::string_view kind = localName(node);
      if (kind == "Line") return PlanElement::line(position(node, "Start"), position(node, "End"));
      if (kind == "Curve") {
        return PlanElement::arc(position(node, "Start"), position(node, "Center"),
                                position(node, "End"), turn(node) < 0.0);
      }
      return spiral(node);
    } catch (const std::invalid_argument& e) {
      fail(node, std::string(localName(node)) + ": " + e.what());
    }
  }

  Pvi pvi(const pugi::xml_node& node) {
    const std::vector<std::string_view> numbers = words(node.child_value());
    if (numbers.size() != 2) fail(node, std::string(localName(node)) + " needs station and level");
    Pvi pvi{number(node, numbers[0], "station"), number(node, numbers[1], "level")};
    if (localName(node) == "ParaCurve") {
      pvi.curve = VerticalCurve::Parabola;
      pvi.length = attribute(node, "length");
    } else if (localName(node) == "CircCurve") {
      pvi.curve = VerticalCurve::Circle;
      if (node.attribute("radius")) pvi.radius = attribute(node, "radius");
      if (node.attribute("length")) pvi.length = attribute(node, "length");
    }
    return pvi;
  }

  std::optional<Profile> profile(const pugi::xml_node& alignment) {
    const pugi::xml_node profAlign = childNamed(childNamed(alignment, "Profile"), "ProfAlign");
    if (!profAlign) return std::nullopt;
    std::vector<Pvi> pvis;
    for (const pugi::xml_node& node : profAlign.children()) {
      const std::string_view kind = localName(node);
      if (kind == "PVI" || kind == "ParaCurve" || kind == "CircCurve") pvis.push_back(pvi(node));
    }
    try {
      return Profile(std::move(pvis));
    } catch (const std::invalid_argument& e) {
      fail(profAlign, std::string("ProfAlign: ") + e.what());
    }
  }

  Alignment alignment(const pugi::xml_node& node) {
    const pugi::xml_node geometry = childNamed(node, "CoordGeom");
    std::vector<PlanElement> elements;
    for (const pugi::xml_node& child : geometry.children()) {
      const std::string_view kind = localName(child);
      if (kind == "Line" || kind == "Curve" || kind == "Spiral") {
        elements.push_back(element(child));
      } else if (child.type() == pugi::node_element) {
        fail(child, "a " + std::string(kind) + " in CoordGeom cannot be read");
      }
    }
    if (elements.empty()) fail(node, "Alignment has no lines, curves or spirals in its CoordGeom");
    const double start = node.attribute("staStart") ? attribute(node, "staStart") : 0.0;
    return {node.attribute("name").value(), HorizontalAlignment(std::move(elements), start),
            profile(node)};
  }

 private:
  std::string_view text_;
  std::string file_;
};

std::vector<pugi::xml_node> alignmentsIn(const pugi::xml_node& root) {
  std::vector<pugi::xml_node> found;
  for (const pugi::xml_node& group : root.children()) {
    if (localName(group) != "Alignments") continue;
    for (const pugi::xml_node& node : group.children()) {
      if (localName(node) == "Alignment") found.push_back(node);
    }
  }
  return found;
}

std::string namesOf(const std::vector<pugi::xml_node>& alignments) {
  std::string names;
  for (const pugi::xml_node& node : alignments) {
    names += (names.empty() ? "" : ", ") + inQuotes(node.attribute("name").value());
  }
  return names;
}

}  // namespace

bool looksLikeXmlText(std::string_view content) {
  if (content.substr(0, 3) == "\xEF\xBB\xBF") content.remove_prefix(3);
  const std::size_t first = content.find_first_not_of(" \t\r\n");
  return first != std::string_view::npos && content[first] == '<';
}

Alignment parseLandXmlAlignment(std::string_view text, const std::string& fileName,
                                const std::optional<std::string>& name) {
  pugi::xml_document document;
  const pugi::xml_parse_result parsed = document.load_buffer(text.data(), text.size());
  Reader reader(text, fileName);
  if (!parsed) {
    throw PointFileError(
        fileName,
        static_cast<std::size_t>(std::count(
            text.begin(), text.begin() + std::min<std::size_t>(parsed.offset, text.size()), '\n')) +
            1,
        std::string("not readable as XML: ") + parsed.description());
  }
  const std::vector<pugi::xml_node> alignments = alignmentsIn(document.document_element());
  if (alignments.empty()) throw PointFileError(fileName, 0, "holds no LandXML alignment");
  if (!name) {
    if (alignments.size() > 1) {
      throw PointFileError(fileName, 0,
                           "holds " + std::to_string(alignments.size()) + " alignments (" +
                               namesOf(alignments) + "): choose one with --alignment NAME");
    }
    return reader.alignment(alignments.front());
  }
  for (const pugi::xml_node& node : alignments) {
    if (node.attribute("name").value() == *name) return reader.alignment(node);
  }
  throw PointFileError(fileName, 0,
                       "holds no alignment " + inQuotes(*name) + ", only " + namesOf(alignments));
}

Alignment readLandXmlAlignment(const std::filesystem::path& path,
                               const std::optional<std::string>& name) {
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  if (!error && size > kMaxFileBytes) {
    throw PointFileError(path.string(), 0, "is larger than 128 MiB, more than a design holds");
  }
  std::ifstream file(path, std::ios::binary);
  if (!file) throw PointFileError(path.string(), 0, "cannot be opened");
  const std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  if (file.bad()) throw PointFileError(path.string(), 0, "cannot be read");
  return parseLandXmlAlignment(text, path.string(), name);
}

}  // namespace survey
