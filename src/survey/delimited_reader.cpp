#include "survey/delimited_reader.h"

#include <algorithm>
#include <optional>

#include "survey/coordinate_text.h"
#include "survey/delimited_line.h"
#include "survey/point_collector.h"

namespace survey {
namespace {

// A header row with more columns than this names none we could use.
constexpr std::size_t kMaxHeaderFields = 256;

std::string_view trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool isComment(std::string_view content) {
  return content.empty() || content[0] == '#' || content.substr(0, 2) == "//";
}

bool hasField(const ColumnOrder& columns, Field field) {
  return std::any_of(columns.begin(), columns.end(),
                     [field](const Column& c) { return c.field == field; });
}

// How many fields a data line needs to be cut into: up to the last column that is read.
std::size_t fieldsRead(const ColumnOrder& columns) {
  std::size_t count = 0;
  for (std::size_t k = 0; k < columns.size(); ++k) {
    const Field field = columns[k].field;
    if (field != Field::Ignored) count = k + 1;
  }
  return count;
}

// Where each column's values stand, as a message names it: "in column E".
std::vector<std::string> placesOf(const ColumnOrder& columns) {
  std::vector<std::string> places;
  for (const Column& column : columns) places.push_back("in column " + column.label);
  return places;
}

// The point on a data line, or why the line is bad. `places` are those of the columns.
std::optional<std::string> readPoint(const std::vector<std::string_view>& fields,
                                     const ColumnOrder& columns,
                                     const std::vector<std::string>& places, bool decimalComma,
                                     Point& point) {
  for (std::size_t k = 0; k < columns.size(); ++k) {
    const Column& column = columns[k];
    const std::string_view field = k < fields.size() ? fields[k] : std::string_view();
    if (column.field == Field::Id) {
      if (field.empty()) return "no point id in column " + column.label;
      point.id = field;
      continue;
    }
    if (column.field == Field::Description) {
      point.code = trimmed(field);
      continue;
    }
    const bool coordinate = column.field == Field::East || column.field == Field::North ||
                            (column.field == Field::Height && !field.empty());
    if (!coordinate) continue;
    const CoordinateReading reading = readCoordinate(field, places[k], decimalComma);
    if (!reading.value) return reading.problem;
    if (column.field == Field::East) point.x = *reading.value;
    if (column.field == Field::North) point.y = *reading.value;
    if (column.field == Field::Height) point.z = *reading.value;
  }
  return std::nullopt;
}

}  // namespace

PointFile readDelimited(std::string_view text, const std::string& name,
                        const ReadOptions& options) {
  PointCollector points(name, options.skipBadLines);
  points.reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1);
  ColumnOrder columns = options.columns;
  std::size_t needed = fieldsRead(columns);
  std::vector<std::string> places = placesOf(columns);
  std::optional<FieldSplitter> splitter;
  std::string columnsRead;
  std::size_t lineNumber = 0;
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t end = std::min(text.find('\n', start), text.size());
    std::string_view line = text.substr(start, end - start);
    start = end + 1;
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (isComment(trimmed(line))) continue;

    const bool firstLine = !splitter;
    if (firstLine) splitter.emplace(detectDelimiter(line, options.decimalComma));
    if (!splitter->split(line, firstLine ? kMaxHeaderFields : needed)) {
      points.reject(lineNumber, "a quote is not closed");
      continue;
    }
    if (firstLine) {
      if (auto header = headerColumns(splitter->fields())) {
        // Columns the user named hold over the header's, which is then only passed over.
        if (options.columnsGiven) continue;
        columns = std::move(*header);
        needed = fieldsRead(columns);
        places = placesOf(columns);
        columnsRead = describedColumns(columns);
        continue;
      }
    }
    Point point;
    point.line = lineNumber;
    if (auto problem =
            readPoint(splitter->fields(), columns, places, options.decimalComma, point)) {
      points.reject(lineNumber, *problem);
      continue;
    }
    if (!hasField(columns, Field::Id)) point.id = points.madeUpId(lineNumber);
    points.add(std::move(point));
  }
  PointFile file = std::move(points).finish(hasField(columns, Field::Id));
  file.columnsRead = std::move(columnsRead);
  file.geographic = std::any_of(columns.begin(), columns.end(),
                                [](const Column& column) { return column.geographic; });
  return file;
}

}  // namespace survey
