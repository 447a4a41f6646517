#include "survey/joined_survey.h"

#include <algorithm>

#include "survey/point_file_error.h"

namespace survey {

PointFile joinedSurvey(std::vector<PointFile> files) {
  if (files.size() == 1) return std::move(files.front());
  PointFile joined;
  joined.named = false;
  std::size_t total = 0;
  for (const PointFile& file : files) total += file.points.size();
  joined.points.reserve(total);
  joined.geographic = !files.empty() && files.front().geographic;
  for (std::size_t index = 0; index < files.size(); ++index) {
    PointFile& file = files[index];
    // Latitude and longitude are transformed to the design's grid as a whole survey.
    if (file.geographic != joined.geographic) {
      throw PointFileError(file.name, 0,
                           std::string("gives ") +
                               (file.geographic ? "latitude and longitude" : "grid coordinates") +
                               " and " + files.front().name + " does not: check them apart");
    }
    joined.name += (index > 0 ? ", " : "") + file.name;
    // The ids made up for a file without names ("file:line") are its own, so the repeated
    // shots of the files with names are still combined.
    joined.named = joined.named || file.named;
    joined.sources.push_back({file.name, file.points.size(), file.columnsRead, file.encoding});
    for (Point& point : file.points) {
      point.file = index;
      joined.points.push_back(std::move(point));
    }
    // Given back at once, so that a large survey is held once and not twice while joined.
    std::vector<Point>().swap(file.points);
    joined.skippedCount += file.skippedCount;
    const std::size_t room = kMaxSkippedListed - joined.skipped.size();
    const std::size_t listed = std::min(room, file.skipped.size());
    joined.skipped.insert(joined.skipped.end(), file.skipped.begin(),
                          file.skipped.begin() + static_cast<std::ptrdiff_t>(listed));
  }
  return joined;
}

const std::string& fileNameOf(const PointFile& survey, const Point& point) {
  if (point.file < survey.sources.size()) return survey.sources[point.file].name;
  return survey.name;
}

}  // namespace survey
