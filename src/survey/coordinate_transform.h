#pragma once

#include <memory>
#include <string>
#include <vector>

#include "survey/point.h"

// Survey coordinates taken from the coordinate reference system they were measured in to the
// design's, through PROJ: a GNSS rover's latitude, longitude and ellipsoidal height into the
// projected grid and height system of the design.
namespace survey {

class CoordinateTransform {
 public:
  // `from` and `to` as PROJ reads them: "EPSG:4979", "EPSG:25832+7837", a PROJ string. Throws
  // std::invalid_argument naming the system PROJ cannot read, and when no transformation from
  // one to the other is known better than a guess.
  CoordinateTransform(const std::string& from, const std::string& to);
  ~CoordinateTransform();
  CoordinateTransform(const CoordinateTransform&) = delete;
  CoordinateTransform& operator=(const CoordinateTransform&) = delete;

  // Empty when heights are transformed; else why not, for the user: heights then stay unset,
  // so that only plan positions are compared and never a wrong height.
  const std::string& heightsLeftOut() const { return heightsLeftOut_; }

  // Transforms each point: x easting or longitude, y northing or latitude, z height, in the
  // axis order of maps whatever the systems' own order. Throws std::invalid_argument naming
  // the first point that cannot be transformed.
  void apply(std::vector<Point>& points) const;

 private:
  struct Proj;
  std::unique_ptr<Proj> proj_;
  std::string heightsLeftOut_;
};

}  // namespace survey
