#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

// Points as a point file gives them: design points or surveyed shots in world coordinates.
namespace survey {

// Coordinates beyond this are not survey coordinates; keeping them out keeps every difference,
// sum and square the check computes finite.
inline constexpr double kCoordinateLimit = 1e12;

struct Point {
  // The point's name; for a file without names, "<file name>:<line>".
  std::string id;
  double x = 0.0;  // easting, world X
  double y = 0.0;  // northing, world Y
  std::optional<double> z;
  // The line of the file where the point stands (1 for the first).
  std::size_t line = 0;
  // The point's code as the file gives it ("STK", "KERB"); empty when it has none.
  std::string code = {};
  // Which of several files read as one the point stands in (PointFile::sources); 0 for one file.
  std::size_t file = 0;
};

// One of several files read as one: its name, its number of points and how it was read.
struct SourceFile {
  std::string name;
  std::size_t points = 0;
  std::string columnsRead;
  std::string encoding;
};

struct PointFile {
  // The file's name as messages show it.
  std::string name;
  std::vector<Point> points;
  // False when the file has no names (no P column): the ids are made up from the lines and
  // cannot be matched.
  bool named = true;
  // The columns the file's header row named, as "PktNr → id, Ost → E"; empty without one.
  std::string columnsRead;
  // The file gives latitude and longitude in degrees (x longitude, y latitude), which need a
  // coordinate system to be compared with a grid.
  bool geographic = false;
  // The encoding the text was read in, when it was not UTF-8: "Windows-1252", "UTF-16LE".
  std::string encoding;
  // What --skip-bad-lines left out, as "survey.csv:17: why" (at most kMaxSkippedListed).
  std::vector<std::string> skipped;
  std::size_t skippedCount = 0;
  // The files the points were read from when several were read as one survey; empty for one.
  std::vector<SourceFile> sources = {};
};

inline constexpr std::size_t kMaxSkippedListed = 100;

}  // namespace survey
