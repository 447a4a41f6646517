#include "survey/landxml_reader.h"

#include <algorithm>
#include <pugixml.hpp>

#include "survey/coordinate_text.h"
#include "survey/point_collector.h"
#include "survey/point_file_error.h"

namespace survey {
namespace {

// The XML reader builds a node of about 64 bytes for every tag, attribute and text: a file of
// nothing but tiny tags would take many times its size. This many is above 600 000 points.
constexpr std::size_t kMaxMarkup = 2'000'000;

// An element's name without its namespace prefix.
std::string_view localName(const pugi::xml_node& node) {
  const std::string_view name = node.name();
  const std::size_t colon = name.find(':');
  return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

// Line numbers of offsets into the text, asked for in increasing order as the document runs.
class LineCounter {
 public:
  explicit LineCounter(std::string_view text) : text_(text) {}

  std::size_t lineAt(std::ptrdiff_t offset) {
    if (offset < 0) return 0;
    const std::size_t target = std::min(static_cast<std::size_t>(offset), text_.size());
    if (target < offset_) offset_ = 0, line_ = 1;
    line_ += std::count(text_.begin() + offset_, text_.begin() + target, '\n');
    offset_ = target;
    return line_;
  }

 private:
  std::string_view text_;
  std::size_t offset_ = 0;
  std::size_t line_ = 1;
};

// The next element after `node` in document order, below `root`, without recursion: a hostile
// file may nest deeper than any stack.
pugi::xml_node nextElement(pugi::xml_node node, const pugi::xml_node& root) {
  if (node.first_child()) return node.first_child();
  while (node != root) {
    if (node.next_sibling()) return node.next_sibling();
    node = node.parent();
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

// The point a CgPoint gives, or why it gives none.
std::optional<std::string> readCgPoint(const pugi::xml_node& element, Point& point) {
  point.id = element.attribute("name").value();
  if (point.id.empty()) return "a CgPoint without a name";
  point.code = element.attribute("code").value();
  const std::vector<std::string_view> numbers = words(element.child_value());
  if (numbers.size() != 2 && numbers.size() != 3) {
    return "CgPoint " + inQuotes(point.id) + " has " + std::to_string(numbers.size()) +
           " numbers; expected northing easting [elevation]";
  }
  constexpr const char* kMeanings[] = {"as northing", "as easting", "as elevation"};
  double values[3] = {};
  for (std::size_t i = 0; i < numbers.size(); ++i) {
    const CoordinateReading reading = readCoordinate(numbers[i], kMeanings[i], false);
    if (!reading.value) return "CgPoint " + inQuotes(point.id) + ": " + reading.problem;
    values[i] = *reading.value;
  }
  point.y = values[0];
  point.x = values[1];
  if (numbers.size() == 3) point.z = values[2];
  return std::nullopt;
}

}  // namespace

PointFile readLandXml(std::string_view text, const std::string& name, const ReadOptions& options) {
  const auto markup = static_cast<std::size_t>(std::count(text.begin(), text.end(), '<') +
                                               std::count(text.begin(), text.end(), '='));
  if (markup > kMaxMarkup) {
    throw PointFileError(name, 0,
                         "has more than " + std::to_string(kMaxMarkup) +
                             " tags and attributes, more than a LandXML point file holds");
  }
  pugi::xml_document document;
  LineCounter lines(text);
  const pugi::xml_parse_result parsed = document.load_buffer(text.data(), text.size());
  if (!parsed) {
    throw PointFileError(name, lines.lineAt(parsed.offset),
                         std::string("not readable as XML: ") + parsed.description());
  }
  const pugi::xml_node root = document.document_element();
  if (localName(root) != "LandXML") {
    throw PointFileError(
        name, 0, "is not a LandXML file (its root element is " + inQuotes(root.name()) + ")");
  }
  PointCollector points(name, options.skipBadLines);
  for (pugi::xml_node node = root; node; node = nextElement(node, root)) {
    if (node.type() != pugi::node_element || localName(node) != "CgPoint") continue;
    if (node.attribute("pntRef") && words(node.child_value()).empty()) continue;
    Point point;
    point.line = lines.lineAt(node.offset_debug());
    if (auto problem = readCgPoint(node, point)) {
      points.reject(point.line, *problem);
      continue;
    }
    points.add(std::move(point));
  }
  return std::move(points).finish(true);
}

}  // namespace survey
