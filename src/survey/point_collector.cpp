#include "survey/point_collector.h"

#include <algorithm>
#include <filesystem>
#include <utility>

#include "survey/point_file.h"
#include "survey/point_file_error.h"

namespace survey {

PointCollector::PointCollector(std::string fileName, bool skipBadLines)
    : skipBadLines_(skipBadLines) {
  file_.name = std::move(fileName);
}

void PointCollector::reserve(std::size_t count) {
  file_.points.reserve(std::min(count, kMaxPoints));
}

void PointCollector::add(Point point) {
  if (file_.points.size() == kMaxPoints) {
    throw PointFileError(file_.name, point.line,
                         "more than " + std::to_string(kMaxPoints) + " points in one file");
  }
  file_.points.push_back(std::move(point));
}

void PointCollector::reject(std::size_t line, const std::string& reason) {
  if (!skipBadLines_) throw PointFileError(file_.name, line, reason);
  if (file_.skipped.size() < kMaxSkippedListed) {
    file_.skipped.push_back(located(file_.name, line, reason));
  }
  ++file_.skippedCount;
}

std::string PointCollector::madeUpId(std::size_t line) const {
  return std::filesystem::path(file_.name).filename().string() + ":" + std::to_string(line);
}

PointFile PointCollector::finish(bool named) && {
  file_.named = named;
  return std::move(file_);
}

}  // namespace survey
