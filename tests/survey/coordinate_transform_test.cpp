#include "survey/coordinate_transform.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

// A GNSS rover's latitude, longitude and ellipsoidal height taken into a design's projected
// grid, checked against points whose grid coordinates are known.
namespace survey {
namespace {

std::string messageOf(const std::string& from, const std::string& to) {
  try {
    CoordinateTransform transform(from, to);
  } catch (const std::invalid_argument& e) {
    return e.what();
  }
  return "made without complaint";
}

TEST(CoordinateTransform, TakesLatitudeAndLongitudeToAProjectedGrid) {
  // On zone 32's central meridian the easting is the false easting, exactly.
  CoordinateTransform transform("EPSG:4258", "EPSG:25832");
  std::vector<Point> points{{"S1", 9.0, 50.0, 312.5}, {"S2", 10.0, 48.0, std::nullopt}};
  transform.apply(points);
  EXPECT_NEAR(points[0].x, 500000.0, 1e-6);
  EXPECT_NEAR(points[0].y, 5538630.7031, 1e-3);
  EXPECT_EQ(points[0].z, 312.5);  // a 2D system keeps the height as it was given
  // Off the meridian, as Krüger's series for GRS80 gives them, worked out by hand.
  EXPECT_NEAR(points[1].x, 574595.1125, 1e-3);
  EXPECT_NEAR(points[1].y, 5316784.0091, 1e-3);
  EXPECT_EQ(points[1].z, std::nullopt);
  EXPECT_EQ(transform.heightsLeftOut(), "");
}

TEST(CoordinateTransform, LeavesHeightsOutRatherThanGuessWithoutAGeoidModel) {
  // Ellipsoidal heights to German normal heights need the GCG2016 geoid, which is not part of
  // the installed PROJ data: plan positions are still exact.
  CoordinateTransform transform("EPSG:4937", "EPSG:25832+7837");
  EXPECT_NE(transform.heightsLeftOut().find("only plan positions are compared"), std::string::npos)
      << transform.heightsLeftOut();
  std::vector<Point> points{{"S1", 9.0, 50.0, 312.5}};
  transform.apply(points);
  EXPECT_NEAR(points[0].x, 500000.0, 1e-6);
  EXPECT_NEAR(points[0].y, 5538630.7031, 1e-3);
  EXPECT_EQ(points[0].z, std::nullopt);
}

TEST(CoordinateTransform, RefusesSystemsItCannotRead) {
  EXPECT_EQ(messageOf("EPSG:999999", "EPSG:25832")
                .rfind("'EPSG:999999' is not a coordinate system PROJ knows (", 0),
            0u);
  EXPECT_EQ(messageOf("EPSG:4258", "no such system")
                .rfind("'no such system' is not a coordinate system PROJ knows (", 0),
            0u);
}

}  // namespace
}  // namespace survey
