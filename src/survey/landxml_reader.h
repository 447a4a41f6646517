#pragma once

#include <string>
#include <string_view>

#include "survey/point_file.h"

namespace survey {

// The CgPoint elements of a LandXML file (1.0 to 1.2), wherever they stand: the name attribute
// is the id, the text "northing easting [elevation]". A CgPoint that only refers to another
// (pntRef, no text) adds no point. A file of more than 2 000 000 tags and attributes is refused
// before it is parsed: its tree could take many times the file's size.
PointFile readLandXml(std::string_view text, const std::string& name, const ReadOptions& options);

}  // namespace survey
