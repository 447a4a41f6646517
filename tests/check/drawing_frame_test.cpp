#include "check/drawing_frame.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <random>

#include "cad/arithmetic.h"
#include "host/automation/host_application.h"
#include "host/dxf/reader.h"
#include "numbers/number_format.h"
#include "site_drawing.h"
#include "survey/deviation.h"

// The frame the check takes from a drawing gives the deviations the dialog's Pick computes in
// the same drawing, to the last bit.
namespace check {
namespace {

class DrawingFrameTest : public testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(folder);
    fixtures::saveSiteDrawing(drawing);
  }
  void TearDown() override { std::filesystem::remove_all(folder); }

  std::filesystem::path folder = std::filesystem::path(testing::TempDir()) /
                                 ("drawing_frame_test_" + std::to_string(::getpid()));
  std::filesystem::path drawing = folder / "site.dxf";
};

survey::Point pointAt(const cad::Point3& p) {
  survey::Point point;
  point.x = p.x();
  point.y = p.y();
  point.z = p.z();
  return point;
}

std::uint64_t bitsOf(double value) {
  return std::bit_cast<std::uint64_t>(value);
}

TEST_F(DrawingFrameTest, DeviationsAreThoseOfPickBitForBit) {
  const auto host = std::make_shared<host::HostApplication>();
  host->addDocument(std::shared_ptr<host::model::Document>(host::dxf::readDxf(drawing)));
  const cad::Ref<cad::Utility> utility = host->ActiveDocument()->Utility();
  const host::geom::Frame frame = drawingFrame(drawing, std::nullopt).frame;

  // Points from a millimetre to thousands of kilometres off the UCS origin, shots off by up to
  // a metre.
  std::mt19937 random(2024);
  std::uniform_real_distribution<double> unit(-1, 1), scale(-3, 6.5);
  const cad::Point3 origin = fixtures::currentSiteUcs().origin();
  for (int i = 0; i < 2000; ++i) {
    const double reach = std::pow(10.0, scale(random));
    const cad::Point3 design =
        origin + reach * cad::Point3(unit(random), unit(random), unit(random));
    const cad::Point3 surveyed = design + cad::Point3(unit(random), unit(random), unit(random));

    // As Pick: each point into the UCS, the difference per axis, 15 digits.
    const cad::Point3 from = utility->TranslateCoordinates(design, cad::kWorld, cad::kUcs, 0);
    const cad::Point3 to = utility->TranslateCoordinates(surveyed, cad::kWorld, cad::kUcs, 0);
    ASSERT_EQ(frame.pointToLocal(design), from);
    const survey::Deviation ours = survey::deviationOf(pointAt(design), pointAt(surveyed), frame);
    const double theirs[3] = {numbers::roundedTo15Digits(cad::checked(to.x() - from.x())),
                              numbers::roundedTo15Digits(cad::checked(to.y() - from.y())),
                              numbers::roundedTo15Digits(cad::checked(to.z() - from.z()))};
    ASSERT_EQ(bitsOf(ours.dx), bitsOf(theirs[0])) << i;
    ASSERT_EQ(bitsOf(ours.dy), bitsOf(theirs[1])) << i;
    ASSERT_EQ(bitsOf(*ours.dz), bitsOf(theirs[2])) << i;
  }
}

TEST_F(DrawingFrameTest, ANamedUcsAndThePrecision) {
  const DrawingFrame current = drawingFrame(drawing, std::nullopt);
  EXPECT_EQ(current.precision, 4);
  EXPECT_EQ(current.description, "the current UCS of " + drawing.string());

  const DrawingFrame named = drawingFrame(drawing, "site");  // names in any case
  EXPECT_EQ(named.description, "UCS 'SITE' of " + drawing.string());
  // X along world Y, Y along world -X.
  EXPECT_EQ(named.frame.pointToLocal({1000.5, 2000.25, 3}), Eigen::Vector3d(0.25, -0.5, 3));
}

TEST_F(DrawingFrameTest, AnUnknownNameOrABadDrawingIsBadInputNamingIt) {
  const auto message = [](const std::filesystem::path& file, std::optional<std::string> ucs) {
    try {
      drawingFrame(file, ucs);
    } catch (const std::exception& e) {
      return std::string(e.what());
    }
    return std::string("no complaint");
  };
  EXPECT_EQ(message(drawing, "NOPE"),
            drawing.string() + " has no UCS named 'NOPE' (its named UCSs: SITE)");
  const std::filesystem::path bad = folder / "bad.dxf";
  std::ofstream(bad) << "0\nSECTION\n2\nENTITIES\n0\nLINE\n10\nabc\n";
  EXPECT_EQ(message(bad, std::nullopt).rfind(bad.string() + ", line 8: ", 0), 0u)
      << message(bad, {});
  EXPECT_EQ(
      message(folder / "missing.dxf", std::nullopt).rfind((folder / "missing.dxf").string(), 0),
      0u);
}

}  // namespace
}  // namespace check
