// The PDF report as the site engineer reads it: written by the report library, read back with
// poppler's pdftotext and rendered with pdftoppm.
#include "check/report/pdf_report.h"

#include <gtest/gtest.h>

#include <QImage>

#include "report_pdf_folder.h"

namespace check::report {
namespace {

constexpr const char* kDesign =
    "Point,Easting,Northing,Elevation,Code\n"
    "P1,1000.000,2000.000,50.000,stake\n"
    "P2,1010.000,2000.000,50.500,stake\n"
    "P3,1020.000,2000.000,51.000,stake\n";
constexpr const char* kSurveyWithin =
    "P1,1000.005,1999.998,50.003\n"
    "P2,1010.010,2000.004,50.495\n"
    "P3,1019.995,2000.000,51.002\n";
// P2 outside in x, z and h; P3 never surveyed; X9 not in the design.
constexpr const char* kSurveyOutside =
    "P1,1000.005,1999.998,50.003\n"
    "P2,1010.030,2000.004,50.480\n"
    "X9,1005,2005,50\n";
constexpr const char* kTolerance = "x=0.02,y=0.02,z=0.01,h=0.025";

using PdfReport = ReportPdfFolder;

TEST_F(PdfReport, FirstPageSaysWhatWasCheckedAndGivesTheStatistics) {
  const fixtures::CheckedSurvey checked(kDesign, kSurveyOutside, kTolerance);
  const std::filesystem::path pdf = save(checked);
  EXPECT_EQ(fixtures::pdfPageCount(pdf), 4);
  const std::string text = fixtures::pdfText(pdf, 1, 1);
  for (const char* line : {"1 of 2 pairs outside tolerance\n",
                           "1 design point never surveyed\n",
                           "1 survey point without design point\n",
                           "Design design.csv, 3 points\n",
                           "Survey survey.csv, 3 shots\n",
                           "Date 2024-05-02 14:30\n",
                           "Pairs 2, by id\n",
                           "Deviations survey minus design along the world axes, 3 decimals\n",
                           "Tolerances x 0.020, y 0.020, z 0.010, h 0.025\n",
                           " dx dy dz dH\n",
                           "n (pairs) 2 2 2 2\n",
                           "mean 0.017 0.001 -0.009 0.018\n",
                           "standard deviation 0.018 0.004 0.016 0.018\n",
                           "RMS 0.022 0.003 0.014 0.022\n",
                           "min 0.005 -0.002 -0.020 0.005\n",
                           "max 0.030 0.004 0.003 0.030\n",
                           "largest magnitude 0.030 0.004 -0.020 0.030\n",
                           "at point P2 P2 P2 P2\n",
                           "95th percentile 0.030 0.004 0.020 0.030\n",
                           "tolerance ±0.020 ±0.020 ±0.010 0.025\n",
                           "within tolerance 1 (50.0%) 2 (100.0%) 1 (50.0%) 1 (50.0%)\n",
                           "Page 1 of 4"}) {
    EXPECT_NE(text.find(line), std::string::npos) << line << "\nnot in\n" << text;
  }
}

TEST_F(PdfReport, FiguresAndTolerancesHaveTheDrawingsDecimals) {
  const struct {
    int decimals;
    std::vector<std::string> lines;
  } cases[] = {
      {3,
       {"tolerance ±0.020 ±0.020 ±0.010 0.025\n", "Tolerances x 0.020, y 0.020, z 0.010, h 0.025\n",
        "P2 stake 0.030 0.004 -0.020 0.030 x, z, h\n", "P3 stake 1020.000 2000.000 51.000\n"}},
      {4,
       {"tolerance ±0.0200 ±0.0200 ±0.0100 0.0250\n", "along the world axes, 4 decimals\n",
        "P2 stake 0.0300 0.0040 -0.0200 0.0303 x, z, h\n", "X9 1005.0000 2005.0000 50.0000 1\n"}},
  };
  for (const auto& c : cases) {
    const fixtures::CheckedSurvey checked(kDesign, kSurveyOutside, kTolerance, c.decimals);
    const std::string text = fixtures::pdfText(save(checked));
    for (const std::string& line : c.lines) {
      EXPECT_NE(text.find(line), std::string::npos) << c.decimals << " decimals: " << line;
    }
  }
}

TEST_F(PdfReport, ListsNameThePairsOutsideToleranceAndThePointsUnmatched) {
  const struct {
    const char* survey;
    std::vector<std::string> lines;
  } cases[] = {
      {kSurveyOutside,
       {"Pairs outside tolerance (1 of 2)\n", "P2 stake 0.030 0.004 -0.020 0.030 x, z, h\n",
        "Design points never surveyed (1)\n", "P3 stake 1020.000 2000.000 51.000\n",
        "Survey points without a design point (1)\n", "X9 1005.000 2005.000 50.000 1\n"}},
      {kSurveyWithin,
       {"None: every pair is within tolerance.\n", "None: every design point was surveyed.\n",
        "None: every survey point has its design point.\n"}},
  };
  for (const auto& c : cases) {
    const fixtures::CheckedSurvey checked(kDesign, c.survey, kTolerance);
    const std::string lists = fixtures::pdfText(save(checked), 4, 4);
    for (const std::string& line : c.lines) {
      EXPECT_NE(lists.find(line), std::string::npos) << line << "\nnot in\n" << lists;
    }
  }
}

// 300 stakes all outside: the list runs over several pages, each under the list's title and
// header again, and names every stake once.
TEST_F(PdfReport, ALongListContinuesOverNumberedPages) {
  std::string design = "Point,Easting,Northing,Elevation\n";
  std::string surveyed;
  for (int i = 1; i <= 300; ++i) {
    char id[8];
    std::snprintf(id, sizeof id, "S%03d", i);
    const int x = 1000 + 5 * (i % 20);
    const int y = 2000 + 5 * (i / 20);
    design += std::string(id) + "," + std::to_string(x) + "," + std::to_string(y) + ",50\n";
    surveyed += std::string(id) + "," + std::to_string(x) + ".05," + std::to_string(y) + ",50\n";
  }
  const fixtures::CheckedSurvey checked(design, surveyed, kTolerance);
  const std::filesystem::path pdf = save(checked);
  const int pages = fixtures::pdfPageCount(pdf).value_or(0);
  // Before the lists: the first page, the key plan, the plan's two sheets and the histograms.
  constexpr int kPagesBeforeLists = 5;
  ASSERT_GE(pages, kPagesBeforeLists + 5);
  const std::string all = fixtures::pdfText(pdf);
  for (int page = 1; page <= pages; ++page) {
    EXPECT_EQ(fixtures::occurrences(
                  all, "Page " + std::to_string(page) + " of " + std::to_string(pages) + "\n"),
              1u)
        << page;
  }
  const std::string lists = fixtures::pdfText(pdf, kPagesBeforeLists + 1, pages);
  const std::size_t listPages = static_cast<std::size_t>(pages - kPagesBeforeLists);
  EXPECT_EQ(fixtures::occurrences(lists, "Pairs outside tolerance (300 of 300)"), listPages);
  EXPECT_EQ(fixtures::occurrences(lists, "(300 of 300), continued"), listPages - 1);
  EXPECT_EQ(fixtures::occurrences(lists, "point code dx dy dz dH outside in"), listPages);
  for (int i = 1; i <= 300; ++i) {
    char row[48];
    std::snprintf(row, sizeof row, "S%03d 0.050 0.000 0.000 0.050 x, h\n", i);
    EXPECT_EQ(fixtures::occurrences(lists, row), 1u) << row;
  }
}

TEST_F(PdfReport, WithoutHeightsThereIsNoDz) {
  const fixtures::CheckedSurvey checked("Point,Easting,Northing\nA,10,20\nB,30,40\n",
                                        "A,10.01,20\nB,30,40.002\n", kTolerance);
  const std::string text = fixtures::pdfText(save(checked));
  for (const char* line : {"n (pairs) 2 2 0 2\n", "mean 0.005 0.001 - 0.006\n", "dz: no values",
                           "within tolerance 2 (100.0%) 2 (100.0%) - 2 (100.0%)\n"}) {
    EXPECT_NE(text.find(line), std::string::npos) << line << "\nnot in\n" << text;
  }
}

// The plan at 50 dpi: passes green, failures red, unmatched points magenta, inside its frame.
TEST_F(PdfReport, PlanColoursThePairsByTheirVerdict) {
  const struct {
    const char* survey;
    bool red;
    bool magenta;
  } cases[] = {{kSurveyOutside, true, true}, {kSurveyWithin, false, false}};
  for (const auto& c : cases) {
    const fixtures::CheckedSurvey checked(kDesign, c.survey, kTolerance);
    const std::filesystem::path png = folder / "plan.png";
    ASSERT_TRUE(fixtures::renderPage(save(checked), 2, 50, png));
    const QImage page(QString::fromStdString(png.string()));
    ASSERT_FALSE(page.isNull());
    int green = 0, red = 0, magenta = 0;
    // The plan's frame, from 15 mm and 46 mm, 180 mm wide and 200 mm high, a little inside.
    const auto px = [&](double mm) { return static_cast<int>(mm * page.width() / 210.0); };
    for (int y = px(47); y < px(245); ++y) {
      for (int x = px(16); x < px(194); ++x) {
        const QColor pixel = page.pixelColor(x, y);
        green += pixel.green() > 110 && pixel.red() < 90 && pixel.blue() < 90;
        red += pixel.red() > 150 && pixel.green() < 80 && pixel.blue() < 80;
        magenta += pixel.red() > 120 && pixel.blue() > 120 && pixel.green() < 90;
      }
    }
    EXPECT_GT(green, 0) << c.survey;
    EXPECT_EQ(red > 0, c.red) << c.survey << red;
    EXPECT_EQ(magenta > 0, c.magenta) << c.survey << magenta;
  }
}

TEST_F(PdfReport, PlanStatesHowMuchTheVectorsAreExaggerated) {
  const fixtures::CheckedSurvey checked(kDesign, kSurveyOutside, kTolerance);
  const std::string plan = fixtures::pdfText(save(checked), 2, 2);
  // 20 m of stakes fit one sheet at 1:200, where a median vector of 0.03 m is 0.15 mm long.
  EXPECT_NE(plan.find("Plan of the pairs (1:200)\n"), std::string::npos) << plan;
  EXPECT_NE(plan.find("Vectors drawn 20 times their length"), std::string::npos) << plan;
  EXPECT_NE(plan.find("within tolerance (1) outside tolerance (1) never surveyed (1) no design "
                      "point (1)"),
            std::string::npos)
      << plan;
  EXPECT_NE(plan.find("Page 2 of 4"), std::string::npos);
}

}  // namespace
}  // namespace check::report
