#pragma once

#include <cstddef>
#include <string>

#include "survey/point.h"

namespace survey {

// Gathers the points of one file as a reader finds them. A bad line stops the reading with a
// PointFileError, or, when bad lines are skipped, is listed and left out.
class PointCollector {
 public:
  PointCollector(std::string fileName, bool skipBadLines);

  // Makes room for about `count` points (no more than kMaxPoints).
  void reserve(std::size_t count);
  // Throws PointFileError beyond kMaxPoints.
  void add(Point point);
  void reject(std::size_t line, const std::string& reason);
  // The id of a point in a file without names: "<file name>:<line>".
  std::string madeUpId(std::size_t line) const;

  PointFile finish(bool named) &&;

 private:
  PointFile file_;
  bool skipBadLines_;
};

}  // namespace survey
