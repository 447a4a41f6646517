#include "survey/landxml_alignment.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "survey/alignment_check.h"
#include "survey/comparison.h"
#include "survey/point_file_error.h"

// Alignments read from LandXML as a designer's program writes them, and shots checked along
// them: chainage, offset, design offsets by code, crossfall and the shots outside.
namespace survey {
namespace {

std::string coordinates(double east, double north) {
  std::ostringstream text;
  text.precision(17);
  text << north << ' ' << east;
  return text.str();
}

// 100 m east from (0, 0); a right-hand clothoid of 80 m into a radius of 200 m, whose end and
// PI come from the clothoid's series; 60 m of that circle. A crest at chainage 200.
std::string roadXml(const std::string& spiralLength = "80") {
  const double length = 80.0, radius = 200.0, theta = length / (2.0 * radius);
  // x = L(1 - θ²/10 + θ⁴/216), y = L(θ/3 - θ³/42 + θ⁵/1320): the clothoid's series.
  const double x =
      length * (1 - theta * theta / 10 + std::pow(theta, 4) / 216 - std::pow(theta, 6) / 9360);
  const double y = length * (theta / 3 - std::pow(theta, 3) / 42 + std::pow(theta, 5) / 1320 -
                             std::pow(theta, 7) / 75600);
  const double endX = 100 + x, endY = -y;
  const double centerX = endX - radius * std::sin(theta), centerY = endY - radius * std::cos(theta);
  const double arcEnd = theta + 60.0 / radius;
  return R"(<?xml version="1.0"?>
<LandXML xmlns="http://www.landxml.org/schema/LandXML-1.2" version="1.2">
 <Alignments>
  <Alignment name="Main Road" staStart="1000" length="240">
   <CoordGeom>
    <Line><Start>)" +
         coordinates(0, 0) + "</Start><End>" + coordinates(100, 0) + R"(</End></Line>
    <Spiral length=")" +
         spiralLength + R"(" radiusStart="INF" radiusEnd="200" rot="cw" spiType="clothoid">
     <Start>)" +
         coordinates(100, 0) + "</Start><PI>" + coordinates(100 + x - y / std::tan(theta), 0) +
         "</PI><End>" + coordinates(endX, endY) + R"(</End>
    </Spiral>
    <Curve rot="cw" radius="200"><Start>)" +
         coordinates(endX, endY) + "</Start><Center>" + coordinates(centerX, centerY) +
         "</Center><End>" +
         coordinates(centerX + radius * std::sin(arcEnd), centerY + radius * std::cos(arcEnd)) +
         R"(</End></Curve>
   </CoordGeom>
   <Profile>
    <ProfAlign name="Design">
     <PVI>1000 50</PVI>
     <ParaCurve length="100">1100 52</ParaCurve>
     <PVI>1240 49.2</PVI>
    </ProfAlign>
   </Profile>
  </Alignment>
 </Alignments>
</LandXML>
)";
}

TEST(LandXmlAlignment, ReadsLinesSpiralsCurvesTheStartChainageAndTheProfile) {
  const Alignment road = parseLandXmlAlignment(roadXml(), "road.xml", std::nullopt);
  EXPECT_EQ(road.name, "Main Road");
  EXPECT_NEAR(road.plan.startChainage(), 1000.0, 1e-12);
  EXPECT_NEAR(road.plan.endChainage(), 1240.0, 1e-9);
  const Station onLine = road.plan.stationOf({40, 1.5});
  EXPECT_NEAR(onLine.chainage, 1040.0, 1e-9);
  EXPECT_NEAR(onLine.offset, -1.5, 1e-9);
  // The end of the spiral, as the file gives it, lies on the line at chainage 1180.
  const double theta = 0.2;
  const Eigen::Vector2d spiralEnd = road.plan.pointAt(1180.0);
  const Eigen::Vector2d right(std::sin(-theta), -std::cos(-theta));
  const Station beside = road.plan.stationOf(spiralEnd + 2.0 * right);
  EXPECT_NEAR(beside.chainage, 1180.0, 1e-9);
  EXPECT_NEAR(beside.offset, 2.0, 1e-9);
  ASSERT_TRUE(road.profile);
  EXPECT_NEAR(*road.profile->levelAt(1025.0), 50.5, 1e-12);
  EXPECT_NEAR(*road.profile->levelAt(1200.0), 50.0, 1e-12);  // past the parabola, on -2 %
}

std::string twoAlignments() {
  return R"(<LandXML><Alignments>
  <Alignment name="A"><CoordGeom><Line><Start>0 0</Start><End>0 10</End></Line></CoordGeom></Alignment>
  <Alignment name="B" staStart="50"><CoordGeom><Line><Start>0 0</Start><End>10 0</End></Line></CoordGeom></Alignment>
</Alignments></LandXML>)";
}

TEST(LandXmlAlignment, IsChosenByNameWhenAFileHoldsSeveral) {
  const Alignment b = parseLandXmlAlignment(twoAlignments(), "two.xml", "B");
  EXPECT_NEAR(b.plan.stationOf({0, 4}).chainage, 54.0, 1e-12);
  EXPECT_FALSE(b.profile);
}

struct BadAlignment {
  const char* what;
  std::string text;
  std::optional<std::string> name;
  const char* message;
};

TEST(LandXmlAlignment, RefusesWhatCannotBeReadNamingFileAndLine) {
  const std::string lineWithout = R"(<LandXML><Alignments><Alignment name="A"><CoordGeom>
<Line><Start>0 0</Start></Line></CoordGeom></Alignment></Alignments></LandXML>)";
  std::string longerSpiral = roadXml("85");
  const BadAlignment cases[] = {
      {"several, none chosen", twoAlignments(), std::nullopt,
       "f.xml: holds 2 alignments ('A', 'B'): choose one with --alignment NAME"},
      {"a name not there", twoAlignments(), "C", "f.xml: holds no alignment 'C', only 'A', 'B'"},
      {"no alignment", "<LandXML/>", std::nullopt, "f.xml: holds no LandXML alignment"},
      {"a line without its end", lineWithout, std::nullopt, "f.xml:2: Line has no End"},
      {"a spiral whose length does not fit its points", longerSpiral, std::nullopt,
       "f.xml:7: Spiral ends "},
      {"broken XML", "<LandXML>\n<Alignments>\n</LandXML>", std::nullopt,
       "f.xml:3: not readable as XML"},
  };
  for (const BadAlignment& c : cases) {
    try {
      parseLandXmlAlignment(c.text, "f.xml", c.name);
      ADD_FAILURE() << c.what;
    } catch (const PointFileError& e) {
      EXPECT_EQ(std::string(e.what()).rfind(c.message, 0), 0u) << c.what << ": " << e.what();
    }
  }
}

TEST(AlignedShots, TakeDesignOffsetsByCodeCrossfallAndLeaveOutWhatLiesOutside) {
  // East along y = 0 from chainage 0 to 100, level 10 rising 1 %.
  const Alignment line{"L", HorizontalAlignment({PlanElement::line({0, 0}, {100, 0})}, 0.0),
                       Profile({{0, 10}, {100, 11}})};
  const std::vector<Point> shots = {
      {"k1", 60, 3.52, 10.55, 1, "KERB-L"},  // left kerb 3.5 m left: crossfall 2 % down
      {"k2", 20, -3.49, 10.13, 2, "kerb-r"},
      {"c1", 40, 0.01, 10.4, 3, "CL"},
      {"far", 50, 30, 10.5, 4, "CL"},
      {"before", -1, 0, 10, 5, "CL"},
      {"no height", 80, 0, std::nullopt, 6, "CL"},
  };
  CrossSection section;
  parseDesignOffsets("KERB-L=-3.5,KERB-R=3.5", section);
  section.crossfallPercent = -2.0;
  section.maxOffset = 20.0;
  const std::vector<AlignedShot> aligned = alignShots(line, shots, section);
  ASSERT_EQ(aligned.size(), 6u);
  const std::vector<std::size_t> byChainage = {4, 1, 2, 3, 0, 5};
  for (std::size_t i = 0; i < aligned.size(); ++i) EXPECT_EQ(aligned[i].shot, byChainage[i]);

  const AlignedShot& left = aligned[4];
  EXPECT_NEAR(left.station.offset, -3.52, 1e-12);
  EXPECT_NEAR(*left.offsetDifference, -0.02, 1e-12);
  EXPECT_NEAR(*left.designLevel, 10.6 - 0.02 * 3.52, 1e-12);
  EXPECT_NEAR(*left.levelDifference, 10.55 - (10.6 - 0.02 * 3.52), 1e-12);
  EXPECT_NEAR(*aligned[1].offsetDifference, -0.01, 1e-12);  // the code compared without case
  EXPECT_NEAR(*aligned[2].offsetDifference, -0.01, 1e-12);  // no design offset: the line
  for (const std::size_t outside : {0, 3}) {
    EXPECT_TRUE(aligned[outside].outside);
    EXPECT_FALSE(aligned[outside].offsetDifference);
    EXPECT_FALSE(aligned[outside].levelDifference);
  }
  EXPECT_TRUE(aligned[5].offsetDifference);
  EXPECT_FALSE(aligned[5].levelDifference);

  Tolerances tolerances;
  tolerances.set(kOffsetDifference, {-0.015, 0.03});
  const Comparison comparison = compare(AlignedShots(aligned, shots), tolerances, 3);
  EXPECT_EQ(comparison.failed, 1u);  // k1, 0.02 m too far left
  EXPECT_EQ(comparison[kOffsetDifference].count, 4u);
}

TEST(DesignOffsets, AreOneForAllOrOnePerCode) {
  CrossSection all;
  parseDesignOffsets("-1.25", all);
  EXPECT_EQ(all.designOffsetOf("ANY"), -1.25);
  for (const char* bad : {"abc", "KERB=", "=3", "KERB=1,,X=2", "KERB=x"}) {
    CrossSection section;
    EXPECT_THROW(parseDesignOffsets(bad, section), std::invalid_argument) << bad;
  }
}

}  // namespace
}  // namespace survey
