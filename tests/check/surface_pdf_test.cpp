// `kestova check --against surface --pdf` as a script meets it: the built program, no display,
// the report read back as text and its plan rendered, and nothing written when it cannot be.
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "check/landxml_designs.h"
#include "pdf_readback.h"
#include "program_folder.h"

namespace check {
namespace {

// Against -0.030:0.010: B and E pass at the bounds, H is 0.011 above (fill), I 0.031 below
// (cut), C 0.300 below, O just outside.
constexpr const char* kShots =
    "B,10,0,12.010,kerb\n"
    "E,5,5,11.970\n"
    "H,5,0,11.011\n"
    "I,2,6,10.769\n"
    "C,8,8,12.900\n"
    "O,5,-0.01,11\n";

class SurfacePdf : public ProgramFolder {
 protected:
  SurfacePdf() : ProgramFolder("check ", kWithoutDisplay) {}

  void SetUp() override {
    ProgramFolder::SetUp();
    write("design.xml", designs::kFormation);
    write("shots.csv", kShots);
  }
};

void expectAll(const std::string& text, const std::vector<std::string>& lines) {
  for (const std::string& line : lines) {
    EXPECT_NE(text.find(line), std::string::npos) << line << "\nnot in\n" << text;
  }
}

TEST_F(SurfacePdf, ReportsTheStatisticsTheBoundsAndTheShotsOutsideTolerance) {
  if (!fixtures::popplerInstalled()) GTEST_SKIP() << "poppler-utils is not installed";
  const ProgramRun result =
      run("design.xml shots.csv --against surface --tolerance z=-0.03:0.01 --pdf out.pdf "
          "--project 'North road'");
  ASSERT_EQ(result.status, 1) << result.err;
  EXPECT_EQ(fixtures::pdfPageCount(folder / "out.pdf"), 4);
  expectAll(fixtures::pdfText(folder / "out.pdf", 1, 1),
            {"Survey check against the design surface\n",
             "3 of 5 shots outside tolerance, 1 outside the surface\n", "North road\n",
             "Shots 5 on the surface, 1 outside it\n", "n (shots) 5 5\n", "mean -0.068 -0.065\n",
             "at shot C C\n", "tolerance -0.030 to 0.010", "within tolerance 2 (40.0%)"});
  expectAll(fixtures::pdfText(folder / "out.pdf", 2, 2),
            {"Plan of the shots on the surface\n", "The surface's 2 faces in light grey.",
             "outside the surface (1)", "Page 2 of 4"});
  expectAll(fixtures::pdfText(folder / "out.pdf", 3, 3), {"Histograms of dz and dn\n"});
  expectAll(fixtures::pdfText(folder / "out.pdf", 4, 4),
            {"Shots outside tolerance (3 of 5 on the surface)\n",
             "H 5.000 0.000 11.011 11.000 0.011 0.011 z\n",
             "I 2.000 6.000 10.769 10.800 -0.031 -0.029 z\n",
             "C 8.000 8.000 12.900 13.200 -0.300 -0.289 z\n", "Shots outside the surface (1)\n",
             "O 5.000 -0.010 11.000\n"});
}

// dz and dn in the unit the report is asked for, wherever the PDF gives them; levels and
// coordinates stay in the files' unit. C lies 0.300 below the design, 0.289 along its normal.
TEST_F(SurfacePdf, GivesDzAndDnInTheReportsUnit) {
  if (!fixtures::popplerInstalled()) GTEST_SKIP() << "poppler-utils is not installed";
  const struct {
    const char* options;
    std::vector<std::string> firstPage;
    std::string header;
    std::string shotC;
    std::string legend;
  } cases[] = {
      {"--report-units mm",
       {"dz (mm) dn (mm)\n", "min -300 -289\n", "tolerance -30 to 10 ±20\n"},
       "shot code x y z design z dz (mm) dn (mm) outside in\n",
       "C 8.000 8.000 12.900 13.200 -300 -289 z, n\n",
       " mm"},
      {"--report-units m",
       {"dz (m) dn (m)\n", "min -0.300 -0.289\n", "tolerance -0.030 to 0.010 ±0.020\n"},
       "shot code x y z design z dz (m) dn (m) outside in\n",
       "C 8.000 8.000 12.900 13.200 -0.300 -0.289 z, n\n",
       " m"},
      {"--report-units ft",
       {"dz (ft) dn (ft)\n", "min -0.984 -0.947\n", "tolerance -0.098 to 0.033 ±0.066\n"},
       "shot code x y z design z dz (ft) dn (ft) outside in\n",
       "C 8.000 8.000 12.900 13.200 -0.984 -0.947 z, n\n",
       " ft"},
      // Files in feet: 0.300 ft is 91.44 mm, given to the tenth as 3 decimals of a foot are.
      {"--units ft --report-units mm",
       {"dz (mm) dn (mm)\n", "min -91.4 -88.0\n", "tolerance -9.1 to 3.0 ±6.1\n"},
       "shot code x y z design z dz (mm) dn (mm) outside in\n",
       "C 8.000 8.000 12.900 13.200 -91.4 -88.0 z, n\n",
       " mm"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.options);
    const ProgramRun result = run(std::string("design.xml shots.csv --against surface "
                                              "--tolerance z=-0.03:0.01,n=0.02 --pdf out.pdf ") +
                                  c.options);
    ASSERT_EQ(result.status, 1) << result.err;
    const std::filesystem::path pdf = folder / "out.pdf";
    expectAll(fixtures::pdfText(pdf, 1, 1), c.firstPage);
    // The legend's ranges, and the histograms' axes.
    expectAll(fixtures::pdfText(pdf, 2, 2), {"cut < ", c.legend + " "});
    expectAll(fixtures::pdfText(pdf, 3, 3), {"dz (" + c.legend.substr(1) + ")"});
    expectAll(fixtures::pdfText(pdf, 4, 4), {c.header, c.shotC});
  }
}

// --all-pairs lists the shots that pass too, and says that they do.
TEST_F(SurfacePdf, ListsEveryShotOnTheSurfaceWithAllPairs) {
  if (!fixtures::popplerInstalled()) GTEST_SKIP() << "poppler-utils is not installed";
  const std::string shotB = "B kerb 10.000 0.000 12.010 12.000 0.010 0.010 within\n";
  const ProgramRun without =
      run("design.xml shots.csv --against surface --tolerance z=-0.03:0.01 --pdf out.pdf");
  ASSERT_EQ(without.status, 1) << without.err;
  EXPECT_EQ(fixtures::pdfText(folder / "out.pdf", 4, 4).find("B kerb"), std::string::npos);
  const ProgramRun with = run(
      "design.xml shots.csv --against surface --tolerance z=-0.03:0.01 --pdf out.pdf --all-pairs");
  ASSERT_EQ(with.status, 1) << with.err;
  expectAll(fixtures::pdfText(folder / "out.pdf", 4, 4),
            {"Shots on the surface (5, 3 outside tolerance)\n", shotB,
             "E 5.000 5.000 11.970 12.000 -0.030 -0.029 within\n",
             "H 5.000 0.000 11.011 11.000 0.011 0.011 z\n", "Shots outside the surface (1)\n"});
}

// The plan colours the shots, so there is nothing to exaggerate: said, and the report written.
TEST_F(SurfacePdf, SaysThatTheExaggerationIsNotUsed) {
  if (!fixtures::popplerInstalled()) GTEST_SKIP() << "poppler-utils is not installed";
  const ProgramRun result =
      run("design.xml shots.csv --against surface --tolerance z=-0.03:0.01 --pdf out.pdf "
          "--exaggeration 50");
  ASSERT_EQ(result.status, 1);
  EXPECT_EQ(result.err,
            "kestova check: warning: --exaggeration is not used with --against surface: the "
            "plan colours each shot by its dz\n");
  EXPECT_EQ(fixtures::pdfPageCount(folder / "out.pdf"), 4);
}

// The colour of the rendered plan at a place in world metres: the 10 by 10 m square and the
// shot just south of it fill 156 mm of the frame's width from 27 mm; north up from 222.08 mm.
char colourAt(const QImage& page, double x, double y) {
  const double mmX = 27.0 + 15.6 * x;
  const double mmY = 222.078 - 15.6 * (y + 0.01);
  const QColor pixel = page.pixelColor(static_cast<int>(mmX * page.width() / 210.0),
                                       static_cast<int>(mmY * page.height() / 297.0));
  if (pixel.red() > pixel.green() + 60 && pixel.red() > pixel.blue() + 60) return 'r';
  if (pixel.blue() > pixel.red() + 60 && pixel.blue() > pixel.green() + 20) return 'b';
  if (std::abs(pixel.red() - pixel.blue()) < 10 && pixel.red() < 200) return 'g';
  return '?';
}

TEST_F(SurfacePdf, ThePlanColoursFillBlueCutRedAndWithinGreyAtTheShots) {
  if (!fixtures::popplerInstalled()) GTEST_SKIP() << "poppler-utils is not installed";
  const ProgramRun result =
      run("design.xml shots.csv --against surface --tolerance z=-0.03:0.01 --pdf out.pdf");
  ASSERT_EQ(result.status, 1) << result.err;
  const std::filesystem::path png = folder / "plan.png";
  ASSERT_TRUE(fixtures::renderPage(folder / "out.pdf", 2, 150, png));
  const QImage page(QString::fromStdString(png.string()));
  ASSERT_FALSE(page.isNull());
  EXPECT_EQ(colourAt(page, 10, 0), 'g');  // B
  EXPECT_EQ(colourAt(page, 5, 5), 'g');   // E
  EXPECT_EQ(colourAt(page, 5, 0), 'b');   // H
  EXPECT_EQ(colourAt(page, 2, 6), 'r');   // I
  EXPECT_EQ(colourAt(page, 8, 8), 'r');   // C
  EXPECT_EQ(colourAt(page, 4, 3), '?');   // between the shots: white paper
}

// A design whose outer boundary, from 0 to 6 m east, crosses both faces: the faces are kept
// whole and drawn lightly, and the boundary's ring marks where the surface ends.
TEST_F(SurfacePdf, ThePlanDrawsTheDesignsBoundariesWhereTheSurfaceEnds) {
  if (!fixtures::popplerInstalled()) GTEST_SKIP() << "poppler-utils is not installed";
  std::string bounded = designs::kFormation;
  bounded.insert(bounded.find("  </Definition>"),
                 "   <Boundaries><Boundary bndType=\"outer\"><PntList2D>0 0 0 6 10 6 10 0"
                 "</PntList2D></Boundary></Boundaries>\n");
  write("bounded.xml", bounded);
  const ProgramRun result = run("bounded.xml shots.csv --against surface --pdf out.pdf");
  ASSERT_EQ(result.status, 1) << result.err;
  const std::filesystem::path png = folder / "plan.png";
  ASSERT_TRUE(fixtures::renderPage(folder / "out.pdf", 2, 150, png));
  const QImage page(QString::fromStdString(png.string()));
  ASSERT_FALSE(page.isNull());
  EXPECT_EQ(colourAt(page, 6, 3), 'g');   // the ring, across a face
  EXPECT_EQ(colourAt(page, 10, 3), '?');  // the faces' outer edge beyond it: light
}

TEST_F(SurfacePdf, ListsTheVolumesAndTheGridsSquares) {
  if (!fixtures::popplerInstalled()) GTEST_SKIP() << "poppler-utils is not installed";
  // A flat design at 100 over 20 by 10; the survey 0.5 above it over 10 by 10: 50 of fill.
  write("points.csv", "P1,0,0,100\nP2,20,0,100\nP3,20,10,100\nP4,0,10,100\nP5,10,5,100\n");
  write("level.csv", "S1,5,0,100.5\nS2,15,0,100.5\nS3,15,10,100.5\nS4,5,10,100.5\n");
  const ProgramRun result =
      run("points.csv level.csv --against surface --volumes --grid 10 --decimals 2 --pdf out.pdf");
  ASSERT_EQ(result.status, 0) << result.err;
  const std::string text = fixtures::pdfText(folder / "out.pdf");
  expectAll(text, {"All 4 shots on the surface within tolerance\n",
                   "Volumes of the surface through the shots against the design\n",
                   "all 0.00 50.00 50.00 100.00\n", "surveyed area 100.00\n",
                   "Squares of 10.00 by their lower left corner, the most moved ", "rst (2)\n",
                   "0.00 0.00 0.00 25.00 25.00 50.00\n", "10.00 0.00 0.00 25.00 25.00 50.00\n",
                   "None: every shot on the surface is within tolerance.",
                   "None: every shot lies on the surface."});
}

// A design of 45 000 faces: their boundary is drawn, not each face, so that the file stays small.
TEST_F(SurfacePdf, ASurfaceOfManyFacesIsDrawnByItsBoundary) {
  if (!fixtures::popplerInstalled()) GTEST_SKIP() << "poppler-utils is not installed";
  std::ofstream grid(folder / "grid.csv");
  for (int i = 0; i < 151; ++i) {
    for (int j = 0; j < 151; ++j) grid << 'G' << i << '_' << j << ',' << i << ',' << j << ",5\n";
  }
  grid.close();
  write("level.csv", "S1,75,75,5.001\n");
  const ProgramRun result = run("grid.csv level.csv --against surface --pdf out.pdf");
  ASSERT_EQ(result.status, 0) << result.err;
  expectAll(fixtures::pdfText(folder / "out.pdf", 2, 2),
            {"The surface's 45000 faces are too small to draw at this scale: its boundary only."});
  EXPECT_LT(std::filesystem::file_size(folder / "out.pdf"), 200'000u);
}

// The PDF is written with the other reports or none is.
TEST_F(SurfacePdf, NothingIsWrittenWhenTheReportCannotBe) {
  const ProgramRun result =
      run("design.xml shots.csv --against surface --pdf missing/out.pdf --csv out.csv");
  EXPECT_EQ(result.status, 2);
  EXPECT_NE(result.err.find("kestova check: missing/out.pdf: cannot be written (No such file or "
                            "directory)\n"),
            std::string::npos)
      << result.err;
  EXPECT_FALSE(std::filesystem::exists(folder / "out.csv"));
  EXPECT_FALSE(std::filesystem::exists(folder / "missing"));
}

}  // namespace
}  // namespace check
