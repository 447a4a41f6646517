#include "survey/gsi_reader.h"

#include <optional>

#include "survey/point_collector.h"
#include "survey/point_file_error.h"
#include "survey/text_encoding.h"

namespace survey {
namespace {

constexpr double kFoot = 0.3048;

struct Word {
  int index = 0;
  char unit = ' ';
  bool negative = false;
  std::string_view data;
};

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

// The word at the start of `text` (a GSI-8 or GSI-16 word), or none when it is malformed.
std::optional<Word> wordIn(std::string_view text, std::size_t dataLength) {
  if (text.size() != 7 + dataLength || !isDigit(text[0]) || !isDigit(text[1])) return {};
  if (text[6] != '+' && text[6] != '-') return {};
  return Word{(text[0] - '0') * 10 + (text[1] - '0'), text[5], text[6] == '-', text.substr(7)};
}

// Metres per unit of a coordinate word's last information character.
std::optional<double> metresPerUnit(char unit) {
  switch (unit) {
    case '0':
      return 1e-3;
    case '1':
      return 1e-3 * kFoot;
    case '6':
      return 1e-4;
    case '7':
      return 1e-4 * kFoot;
    case '8':
      return 1e-5;
    default:
      return std::nullopt;
  }
}

// Text words are padded with zeros on the left.
std::string unpadded(std::string_view data) {
  const std::size_t first = data.find_first_not_of('0');
  return first == std::string_view::npos ? "0" : std::string(data.substr(first));
}

std::optional<std::string> coordinateOf(const Word& word, double& value) {
  const std::optional<double> scale = metresPerUnit(word.unit);
  if (!scale) {
    return "word " + std::to_string(word.index) + " has the unit digit '" +
           printable(std::string_view(&word.unit, 1)) + "', which is not a length unit";
  }
  double digits = 0.0;
  for (const char c : word.data) {
    if (!isDigit(c)) {
      return "word " + std::to_string(word.index) + " holds '" + printable(word.data) +
             "', which is not a number";
    }
    digits = digits * 10.0 + (c - '0');
  }
  value = (word.negative ? -digits : digits) * *scale;
  return std::nullopt;
}

std::string_view withoutBlanks(std::string_view line) {
  const std::size_t first = line.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  return line.substr(first, line.find_last_not_of(" \t\r") - first + 1);
}

}  // namespace

bool looksLikeGsi(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t\r\n");
  if (first == std::string_view::npos) return false;
  std::string_view start = text.substr(first);
  if (!start.empty() && start.front() == '*') start.remove_prefix(1);
  return start.size() >= 7 && start.substr(0, 2) == "11" && (start[6] == '+' || start[6] == '-');
}

PointFile readGsi(std::string_view text, const std::string& name, const ReadOptions& options) {
  PointCollector points(name, options.skipBadLines);
  std::size_t lineNumber = 0;
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t end = std::min(text.find('\n', start), text.size());
    std::string_view line = withoutBlanks(text.substr(start, end - start));
    start = end + 1;
    ++lineNumber;
    if (line.empty()) continue;
    const bool sixteen = line.front() == '*';
    if (sixteen) line.remove_prefix(1);
    const std::size_t dataLength = sixteen ? 16 : 8;

    Point point;
    point.line = lineNumber;
    bool hasEast = false;
    bool hasNorth = false;
    std::optional<std::string> problem;
    for (std::size_t at = 0; at < line.size() && !problem;) {
      const std::size_t next = std::min(line.find(' ', at), line.size());
      const std::string_view wordText = line.substr(at, next - at);
      at = line.find_first_not_of(' ', next);
      if (at == std::string_view::npos) at = line.size();
      const std::optional<Word> word = wordIn(wordText, dataLength);
      if (!word) {
        problem =
            "'" + printable(wordText) + "' is not a GSI-" + std::to_string(dataLength) + " word";
        break;
      }
      double value = 0.0;
      switch (word->index) {
        case 11:
          point.id = unpadded(word->data);
          break;
        case 71:
          point.code = unpadded(word->data);
          break;
        case 81:
          problem = coordinateOf(*word, value);
          point.x = value;
          hasEast = true;
          break;
        case 82:
          problem = coordinateOf(*word, value);
          point.y = value;
          hasNorth = true;
          break;
        case 83:
          problem = coordinateOf(*word, value);
          point.z = value;
          break;
        default:
          break;
      }
    }
    if (problem) {
      points.reject(lineNumber, *problem);
      continue;
    }
    // Blocks of angles and distances hold no coordinates to check.
    if (!hasEast || !hasNorth) continue;
    if (point.id.empty()) {
      points.reject(lineNumber, "a block with coordinates has no point id (word 11)");
      continue;
    }
    points.add(std::move(point));
  }
  PointFile file = std::move(points).finish(true);
  if (file.points.empty() && file.skippedCount == 0) {
    throw PointFileError(name, 0, "holds no coordinates (GSI words 81 and 82)");
  }
  return file;
}

}  // namespace survey
