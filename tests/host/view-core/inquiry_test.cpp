// What ID, DIST and LIST tell, which entity a pick or a window finds, what ERASE leaves, and
// where PLOT puts the drawing on its sheet.
#include <numbers>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "host/view-core/entity_listing.h"
#include "host/view-core/entity_picking.h"
#include "host/view-core/measurements.h"
#include "host/view-core/plot_layout.h"
#include "host/view-core/view_projection.h"

namespace host::view {
namespace {

std::string joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines) text += line + "\n";
  return text;
}

// The UCS turned 90 degrees about Z and moved to (100, 0, 5): UCS X runs along world Y.
geom::Frame turnedUcs() {
  return geom::Frame::fromDirections({100, 0, 5}, {0, 1, 0}, {-1, 0, 0});
}

TEST(Identify, TellsThePointInTheUcsAndInWorld) {
  EXPECT_EQ(joined(describePoint({99, 3, 7}, turnedUcs(), 3)),
            "UCS    X = 3.000  Y = 1.000  Z = 2.000\n"
            "World  X = 99.000  Y = 3.000  Z = 7.000\n");
}

struct DistanceCase {
  Eigen::Vector3d from, to;
  geom::Frame ucs;
  const char* distance;
  const char* bearing;
};

class Distance : public testing::TestWithParam<DistanceCase> {};

TEST_P(Distance, TellsItsPartsAndTheBearing) {
  const auto lines = describeDistance(GetParam().from, GetParam().to, GetParam().ucs, 3);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0], GetParam().distance);
  EXPECT_EQ(lines[2], GetParam().bearing);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Distance,
    testing::Values(DistanceCase{{0, 0, 0},
                                 {3, 4, 12},
                                 geom::Frame(),
                                 "Distance = 13.000  Plan = 5.000  Height = 12.000",
                                 "Bearing = 36\u00b052'12\" (clockwise from UCS Y)"},
                    DistanceCase{{0, 0, 0},
                                 {-1, -1, 0},
                                 geom::Frame(),
                                 "Distance = 1.414  Plan = 1.414  Height = 0.000",
                                 "Bearing = 225\u00b000'00\" (clockwise from UCS Y)"},
                    // In the turned UCS world +Y is UCS +X: east of UCS north.
                    DistanceCase{{100, 0, 5},
                                 {100, 2, 4},
                                 turnedUcs(),
                                 "Distance = 2.236  Plan = 2.000  Height = -1.000",
                                 "Bearing = 90\u00b000'00\" (clockwise from UCS Y)"},
                    DistanceCase{{1, 1, 0},
                                 {1, 1, -2},
                                 geom::Frame(),
                                 "Distance = 2.000  Plan = 0.000  Height = -2.000",
                                 "Bearing: none, the points lie one above the other"}));

TEST(Bearing, RoundsToTheSecondAndStaysBelowAFullCircle) {
  EXPECT_EQ(degreesMinutesSeconds(359.99999), "0\u00b000'00\"");
  EXPECT_EQ(degreesMinutesSeconds(-90), "270\u00b000'00\"");
  EXPECT_EQ(degreesMinutesSeconds(10.5), "10\u00b030'00\"");
}

// A drawing with a line on layer "survey" (colour 3), a circle by block colour with a true
// colour, a closed polyline with an arc segment and a text.
class Listing : public testing::Test {
 protected:
  void SetUp() override {
    const auto layer = document.addLayer({"survey", 3});
    line = document.addEntity(model::BlockTable::kModelSpace, model::Line{{0, 0, 0}, {3, 4, 0}},
                              layer);
    circle = document.addEntity(model::BlockTable::kModelSpace,
                                model::Circle{{10, 0, 0}, 2.0, Eigen::Vector3d::UnitZ()});
    model::EntityProperties properties;
    properties.colour = {model::Colour::kByBlock, 0xFF8000};
    properties.lineWeight = 50;
    document.setEntityProperties(circle, properties);
    model::Polyline2d polyline;
    // A half circle of radius 1 from (20,0) to (22,0), then straight back.
    polyline.vertices = {{{20, 0}, 1.0}, {{22, 0}, 0.0}};
    polyline.closed = true;
    shape = document.addEntity(model::BlockTable::kModelSpace, polyline);
    model::Text text;
    text.text = "STN 12";
    text.height = 0.5;
    text.placement = model::Placement(Eigen::Translation3d(30, 0, 0));
    label = document.addEntity(model::BlockTable::kModelSpace, text);
  }
  std::string listed(model::EntityLocation at) {
    return joined(listEntity(document, document.entity(at), 3));
  }
  std::size_t count() const {
    return document.blocks()[model::BlockTable::kModelSpace].entities.size();
  }
  model::Handle handleOf(model::EntityLocation at) const { return document.entity(at).handle; }

  model::Document document;
  model::EntityLocation line, circle, shape, label;
};

TEST_F(Listing, TellsKindLayerColourAndGeometry) {
  const std::string ofLine = listed(line);
  EXPECT_NE(ofLine.find("LINE  Handle "), std::string::npos) << ofLine;
  EXPECT_NE(ofLine.find("Layer survey  Colour BYLAYER (3)"), std::string::npos) << ofLine;
  EXPECT_NE(ofLine.find("From 0.000,0.000,0.000  To 3.000,4.000,0.000\nLength = 5.000"),
            std::string::npos)
      << ofLine;

  const std::string ofCircle = listed(circle);
  EXPECT_NE(ofCircle.find("Colour BYBLOCK, true colour #FF8000"), std::string::npos) << ofCircle;
  EXPECT_NE(ofCircle.find("Lineweight 0.50 mm"), std::string::npos) << ofCircle;
  EXPECT_NE(ofCircle.find("Radius = 2.000"), std::string::npos) << ofCircle;
  EXPECT_NE(ofCircle.find("Area = 12.566"), std::string::npos) << ofCircle;

  const std::string ofShape = listed(shape);
  EXPECT_NE(ofShape.find("2 vertices, closed  Length = 5.142"), std::string::npos) << ofShape;
  EXPECT_NE(ofShape.find("Vertex 2: 22.000,0.000,0.000"), std::string::npos) << ofShape;

  const std::string ofLabel = listed(label);
  EXPECT_NE(ofLabel.find("TEXT"), std::string::npos);
  EXPECT_NE(ofLabel.find("Text \"STN 12\"\nAt 30.000,0.000,0.000  Height = 0.500"),
            std::string::npos)
      << ofLabel;
}

TEST_F(Listing, APickFindsTheNearestShownEntityAndNothingInEmptySpace) {
  const Eigen::Matrix3d top = viewOrientation(StandardView::Top);
  EXPECT_EQ(entityNear(document, top, {1.5, 2.1}, 0.2), handleOf(line));
  EXPECT_EQ(entityNear(document, top, {12.1, 0}, 0.2), handleOf(circle));
  EXPECT_EQ(entityNear(document, top, {21, -0.95}, 0.2), handleOf(shape)) << "on the bulge";
  EXPECT_EQ(entityNear(document, top, {30.5, 0.2}, 0.1), handleOf(label)) << "inside the text";
  EXPECT_EQ(entityNear(document, top, {10, 0}, 0.2), std::nullopt) << "a circle's middle";
  EXPECT_EQ(entityNear(document, top, {5, 0}, 0.2), std::nullopt);

  model::Layer survey = document.layers()[1];
  survey.on = false;
  document.setLayer(1, survey);
  EXPECT_EQ(entityNear(document, top, {1.5, 2.1}, 0.2), std::nullopt) << "a layer that is off";
}

TEST_F(Listing, AWindowTakesWhatLiesWhollyInsideAndEraseIsOneStep) {
  const Eigen::Matrix3d top = viewOrientation(StandardView::Top);
  const Eigen::AlignedBox2d window(Eigen::Vector2d(-1, -3), Eigen::Vector2d(12.5, 5));
  const auto inside = entitiesInside(document, top, window);
  EXPECT_EQ(inside, (std::vector<model::Handle>{handleOf(line), handleOf(circle)}));
  const model::Handle kept = handleOf(shape);

  EXPECT_EQ(eraseEntities(document, inside), 0u);
  EXPECT_EQ(count(), 2u);
  EXPECT_EQ(document.entity({model::BlockTable::kModelSpace, 0}).handle, kept);
  EXPECT_EQ(document.undoName(), "ERASE");
  document.undo();
  EXPECT_EQ(count(), 4u);
}

TEST_F(Listing, EraseLeavesWhatIsOnALockedLayer) {
  model::Layer survey = document.layers()[1];
  survey.locked = true;
  document.setLayer(1, survey);
  EXPECT_EQ(eraseEntities(document, {handleOf(line), handleOf(label)}), 1u);
  EXPECT_EQ(count(), 3u);
  EXPECT_EQ(eraseEntities(document, {handleOf(line)}), 1u);
  EXPECT_EQ(count(), 3u);
}

struct LayoutCase {
  const char* name;
  Eigen::AlignedBox2d area;
  Sheet sheet;
  std::optional<double> scale;
  std::optional<double> metresPerUnit;
  double millimetresPerUnit;
  double plottedScale;
  bool cut;
};

void PrintTo(const LayoutCase& c, std::ostream* out) {
  *out << c.name;
}

class PlotLayoutOf : public testing::TestWithParam<LayoutCase> {};

TEST_P(PlotLayoutOf, ScalesAndCentresTheArea) {
  const auto laidOut =
      layOutPlot(GetParam().area, GetParam().sheet, GetParam().scale, GetParam().metresPerUnit);
  ASSERT_TRUE(std::holds_alternative<PlotLayout>(laidOut));
  const auto& layout = std::get<PlotLayout>(laidOut);
  EXPECT_NEAR(layout.millimetresPerUnit, GetParam().millimetresPerUnit, 1e-9);
  EXPECT_NEAR(layout.scale, GetParam().plottedScale, 1e-6);
  EXPECT_EQ(layout.cut, GetParam().cut);
  EXPECT_TRUE(layout.centre.isApprox(GetParam().area.center()));
}

const Eigen::AlignedBox2d kRoad(Eigen::Vector2d(1000, 2000), Eigen::Vector2d(1500, 2200));

INSTANTIATE_TEST_SUITE_P(
    Cases, PlotLayoutOf,
    testing::Values(
        // 500 m across on A3 landscape (400 mm printable across, 277 mm down): 1:1250.
        LayoutCase{"fit", kRoad, sheetA(3, true), std::nullopt, 1.0, 0.8, 1250, false},
        LayoutCase{"chosen", kRoad, sheetA(3, true), 2000.0, 1.0, 0.5, 2000, false},
        LayoutCase{"too large", kRoad, sheetA(3, true), 500.0, 1.0, 2.0, 500, true},
        // In millimetres, 1:1 is one unit to one millimetre.
        LayoutCase{"millimetres", kRoad, sheetA(0, false), 1.0, 0.001, 1.0, 1, false},
        // Unitless drawings are taken as metres; A4 portrait fits 190 mm across.
        LayoutCase{"unitless", kRoad, sheetA(4, false), std::nullopt, std::nullopt, 0.38,
                   1000 / 0.38, false}));

TEST(PlotLayout, HasNothingToPlotForAnEmptyDrawing) {
  EXPECT_TRUE(std::holds_alternative<std::string>(
      layOutPlot(Eigen::AlignedBox2d(), sheetA(4, true), std::nullopt, 1.0)));
}

TEST(PlotLayout, SheetsAreTheASeries) {
  EXPECT_EQ(sheetA(0, false).width, 841);
  EXPECT_EQ(sheetA(0, false).height, 1189);
  EXPECT_EQ(sheetA(4, true).width, 297);
  EXPECT_EQ(sheetA(4, true).height, 210);
}

}  // namespace
}  // namespace host::view
