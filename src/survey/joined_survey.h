#pragma once

#include <string>
#include <vector>

#include "survey/point.h"

// Several survey files checked as one survey: the shots of day 1 and day 2 of a stake-out.
namespace survey {

// The points of all `files` in their order, each point's `file` the index of its file, which
// `sources` describes; the name lists the files' names. Shots of one id in different files are
// then repeated shots like those in one file; the survey is named when some file is. One file
// is returned as it is. Throws
// PointFileError when some files give latitude and longitude and others grid coordinates.
PointFile joinedSurvey(std::vector<PointFile> files);

// The name of the file `point` of `survey` was read from.
const std::string& fileNameOf(const PointFile& survey, const Point& point);

}  // namespace survey
