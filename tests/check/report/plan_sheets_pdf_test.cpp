// The report's plan as the site engineer reads it: on sheets with a key plan, its ids listed
// where they find no room, and turned with the UCS the check measured along.
#include <gtest/gtest.h>

#include <QImage>
#include <cmath>

#include "report_pdf_folder.h"

namespace check::report {
namespace {

constexpr const char* kTolerance = "x=0.02,y=0.02,z=0.01,h=0.025";
constexpr double kDegree = 3.14159265358979323846 / 180.0;

struct PointFiles {
  std::string design = "Point,Easting,Northing,Elevation\n";
  std::string survey;

  // A stake and its shot `shift` metres along `direction` (radians from east) from it.
  void add(const std::string& id, double x, double y, double shift = 0.005,
           double direction = 0.0) {
    design += id + "," + std::to_string(x) + "," + std::to_string(y) + ",50\n";
    survey += id + "," + std::to_string(x + shift * std::cos(direction)) + "," +
              std::to_string(y + shift * std::sin(direction)) + ",50\n";
  }
};

using PlanSheetsPdf = ReportPdfFolder;

// A road of 151 stakes 20 m apart: 3 km at 1:2500 (8 mm between stakes) on eight sheets after a
// key plan, before the histograms and the lists.
TEST_F(PlanSheetsPdf, ALongRoadHasAKeyPlanAndNumberedSheets) {
  PointFiles files;
  for (int i = 0; i < 151; ++i) files.add("R" + std::to_string(i), 1000.0 + 20.0 * i, 2000.0);
  const fixtures::CheckedSurvey checked(files.design, files.survey, kTolerance);
  const std::filesystem::path pdf = save(checked);
  ASSERT_EQ(fixtures::pdfPageCount(pdf), 12);
  const std::string key = fixtures::pdfText(pdf, 2, 2);
  EXPECT_NE(key.find("Key plan: 8 sheets at 1:2500\n"), std::string::npos) << key;
  for (int sheet = 1; sheet <= 8; ++sheet) {
    const std::string title = "Plan, sheet " + std::to_string(sheet) + " of 8 (1:2500)\n";
    EXPECT_EQ(fixtures::occurrences(fixtures::pdfText(pdf, 2 + sheet, 2 + sheet), title), 1u)
        << title;
    // The sheet outlines' numbers on the key plan.
    EXPECT_NE(key.find(std::to_string(sheet)), std::string::npos) << sheet;
  }
  EXPECT_NE(fixtures::pdfText(pdf, 11, 11).find("Histograms"), std::string::npos);
}

// Twenty shots a centimetre apart by a stake: the sheet at 1:100 has room for a few of their
// ids and lists the others under the plan, each once.
TEST_F(PlanSheetsPdf, IdsWithoutRoomAreListedUnderTheSheet) {
  PointFiles files;
  for (int i = 0; i < 3; ++i) files.add("S" + std::to_string(i), 1000.0 + 20.0 * i, 2000.0);
  for (int i = 10; i < 30; ++i) files.add("C" + std::to_string(i), 1020.0 + 0.01 * i, 2000.0);
  const fixtures::CheckedSurvey checked(files.design, files.survey, kTolerance);
  const std::filesystem::path pdf = save(checked);
  const std::string sheet = fixtures::pdfText(pdf, 4, 4);
  ASSERT_NE(sheet.find("Plan, sheet 2 of 3 (1:100)\n"), std::string::npos) << sheet;
  const std::string head = "Ids not shown on this sheet (";
  const std::size_t at = sheet.find(head);
  ASSERT_NE(at, std::string::npos) << sheet;
  const int count = std::stoi(sheet.substr(at + head.size()));
  EXPECT_GE(count, 10);
  std::string list = sheet.substr(sheet.find("):", at) + 2);
  list = list.substr(0, list.find("Page"));
  std::replace(list.begin(), list.end(), '\n', ' ');
  int listed = 0;
  for (int i = 10; i < 30; ++i) {
    listed += static_cast<int>(fixtures::occurrences(list, " C" + std::to_string(i)));
  }
  listed += static_cast<int>(fixtures::occurrences(list, " S1"));
  EXPECT_EQ(listed, count) << list;
}

// Stakes in a row 30 degrees north of east, checked along a UCS turned with them: the plan shows
// their row across the page. Along the world axes the same row climbs to the right.
TEST_F(PlanSheetsPdf, ThePlanTurnsWithTheAxesOfTheCheck) {
  const double angle = 30.0 * kDegree;
  const Eigen::Vector3d along(std::cos(angle), std::sin(angle), 0.0);
  const host::geom::Frame turned = host::geom::Frame::fromDirections(
      {1000.0, 2000.0, 0.0}, along, Eigen::Vector3d::UnitZ().cross(along));
  PointFiles files;
  for (int i = 0; i < 10; ++i) {
    files.add("T" + std::to_string(i), 1000.0 + 10.0 * i * along.x(), 2000.0 + 10.0 * i * along.y(),
              0.004 + 0.001 * (i % 3), angle);
  }
  const struct {
    const char* name;
    host::geom::Frame axes;
    bool across;
  } cases[] = {{"turned UCS", turned, true}, {"world axes", {}, false}};
  for (const auto& c : cases) {
    const fixtures::CheckedSurvey checked(files.design, files.survey, kTolerance, 3, c.axes);
    const std::filesystem::path png = folder / "plan.png";
    ASSERT_TRUE(fixtures::renderPage(save(checked), 2, 50, png));
    const QImage page(QString::fromStdString(png.string()));
    ASSERT_FALSE(page.isNull());
    // The green of the pairs inside the plan's frame (15 mm and 46 mm from the top left, 180
    // by 200 mm).
    const auto px = [&](double mm) { return static_cast<int>(mm * page.width() / 210.0); };
    int top = page.height(), bottom = 0, left = page.width(), right = 0;
    for (int y = px(47); y < px(245); ++y) {
      for (int x = px(16); x < px(194); ++x) {
        const QColor pixel = page.pixelColor(x, y);
        if (pixel.green() > 110 && pixel.red() < 90 && pixel.blue() < 90) {
          top = std::min(top, y);
          bottom = std::max(bottom, y);
          left = std::min(left, x);
          right = std::max(right, x);
        }
      }
    }
    ASSERT_GT(right - left, px(60)) << c.name;
    // Dots 1.6 mm across, their vectors along the row.
    EXPECT_EQ(bottom - top <= px(3), c.across) << c.name << ": rows " << top << " to " << bottom;
  }
}

}  // namespace
}  // namespace check::report
