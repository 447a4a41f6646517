// `kestova check --against alignment --pdf` as a script meets it: the built program without a
// display, the PDF it writes read back with poppler as text and as a rendered page.
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <algorithm>
#include <filesystem>
#include <set>
#include <sstream>

#include "check/landxml_designs.h"
#include "pdf_readback.h"
#include "program_folder.h"

namespace check {
namespace {

constexpr const char* kOptions =
    "--against alignment --design-offset KERB-L=-3.5,KERB-R=3.5 "
    "--tolerance offset=-0.015:0.015,z=0.01";

// 2 km due north from (1000, 5000): kerbs 3.5 m either side every 50 m, three of them 5 cm
// out, listed in the survey away from the order of their chainage.
std::string longRoad() {
  return R"(<?xml version="1.0"?>
<LandXML xmlns="http://www.landxml.org/schema/LandXML-1.2"><Alignments>
 <Alignment name="North road" staStart="0"><CoordGeom>
  <Line><Start>5000 1000</Start><End>7000 1000</End></Line>
 </CoordGeom></Alignment>
</Alignments></LandXML>
)";
}

std::string longRoadShots() {
  std::ostringstream shots;
  shots << "F1,1003.550,6450,0,R\nF2,996.450,5250,0,L\nF3,1003.550,6800,0,R\n";
  for (int chainage = 0; chainage <= 2000; chainage += 50) {
    const bool right = chainage % 100 == 0;
    shots << "P" << chainage << ',' << (right ? "1003.500" : "996.500") << ',' << 5000 + chainage
          << ",0," << (right ? "R" : "L") << '\n';
  }
  return shots.str();
}

class AlignmentPdf : public ProgramFolder {
 protected:
  AlignmentPdf() : ProgramFolder("check ", kWithoutDisplay) {}

  void SetUp() override {
    if (!fixtures::popplerInstalled()) GTEST_SKIP() << "poppler-utils is not installed";
    ProgramFolder::SetUp();
    write("road.xml", designs::kKerbLine);
    write("shots.csv", designs::kKerbShots);
    write("long.xml", longRoad());
    write("long.csv", longRoadShots());
  }

  // The PDF's text with its ligatures as letters: "offset", not "o\ufb00set".
  std::string pageText(int page) const {
    std::string text = fixtures::pdfText(folder / "out.pdf", page, page);
    for (const auto& [ligature, letters] :
         {std::pair{"\xEF\xAC\x80", "ff"}, {"\xEF\xAC\x81", "fi"}, {"\xEF\xAC\x82", "fl"}}) {
      for (std::size_t at = text.find(ligature); at != std::string::npos;
           at = text.find(ligature, at)) {
        text.replace(at, 3, letters);
      }
    }
    return text;
  }

  static std::set<std::string> wordsOf(const std::string& text) {
    std::set<std::string> words;
    std::istringstream in(text);
    for (std::string word; in >> word;) words.insert(word);
    return words;
  }

  static void expectInOrder(const std::string& text, const std::vector<std::string>& lines) {
    std::size_t at = 0;
    for (const std::string& line : lines) {
      const std::size_t found = text.find(line, at);
      ASSERT_NE(found, std::string::npos) << line << "\nnot in order in\n" << text;
      at = found + line.size();
    }
  }
};

TEST_F(AlignmentPdf, ReportsTheShotsAlongTheLineByChainage) {
  const ProgramRun result = run(std::string("road.xml shots.csv ") + kOptions +
                                " --pdf out.pdf --csv out.csv --project 'Kerb line 2'");
  ASSERT_EQ(result.status, 1) << result.err;
  EXPECT_EQ(fixtures::pdfPageCount(folder / "out.pdf"), 5);
  const std::string first = pageText(1);
  expectInOrder(first, {"Survey check along the alignment\n", "2 of 3 shots outside tolerance\n",
                        "1 shot outside the alignment\n", "Project Kerb line 2\n",
                        "Design road.xml, alignment 'Kerb line'\n",
                        "Alignment chainage 100.000 to 181.416, 2 elements, with a profile\n",
                        "Shots 3 along the alignment, 1 outside it\n",
                        "Design offset KERB-L -3.500, KERB-R 3.500, others 0.000\n",
                        "Tolerances offset -0.015 to 0.015, z -0.010 to 0.010\n", "n (shots) 3 3\n",
                        "mean 0.011 0.001\n", "tolerance -0.015 to 0.015 -0.010 to 0.010\n"});
  const std::string plan = pageText(2);
  expectInOrder(plan, {"Plan along the alignment, sheet 1 of 1 (1:500)\n",
                       "Chainage 100.000 to 181.416. Offset differences drawn 200 times their "
                       "length across the line"});
  // Every tick of 10 m along the line labelled, and the ids of the shots outside tolerance.
  const std::set<std::string> words = wordsOf(plan);
  for (const char* label :
       {"100", "110", "120", "130", "140", "150", "160", "170", "180", "k1", "k2"}) {
    EXPECT_TRUE(words.count(label)) << label << " not in\n" << plan;
  }

  expectInOrder(pageText(3), {"Long section of the differences\n", "doffset against chainage\n",
                              "dz against chainage\n"});
  expectInOrder(pageText(5), {"Shots outside tolerance (2 of 3), in order of chainage\n",
                              "shot code chainage offset doffset dz outside in\n",
                              "k2 KERB-R 110.000 3.510 0.010 -0.020 z\n",
                              "k1 KERB-L 120.000 -3.480 0.020 0.020 offset, z\n",
                              "Shots outside the alignment (1), in order of chainage\n",
                              "x1 CL -5.000 0.000 95.000 0.000 before start\n", "Page 5 of 5"});
}

// What the one who signs the report off asks for: every shot, millimetres, an exaggeration.
TEST_F(AlignmentPdf, ListsEveryShotInTheChosenUnitAtTheChosenExaggeration) {
  const ProgramRun result = run(std::string("road.xml shots.csv ") + kOptions +
                                " --pdf out.pdf --all-pairs --report-units mm --exaggeration 50");
  ASSERT_EQ(result.status, 1) << result.err;
  expectInOrder(pageText(2), {"Offset differences drawn 50 times their length"});
  expectInOrder(pageText(3), {"doffset (mm) against chainage\n", "dz (mm) against chainage\n"});
  expectInOrder(pageText(5),
                {"Shots along the alignment (3, 2 outside tolerance), in order of "
                 "chainage\n",
                 "shot code chainage offset doffset (mm) dz (mm) outside in\n",
                 "k2 KERB-R 110.000 3.510 10 -20 z\n", "k1 KERB-L 120.000 -3.480 20 20 offset, z\n",
                 "a1 KERB-R 165.708 3.504 4 3 within\n"});
}

// Files in feet: a difference of 0.010 ft is 3.048 mm, not 10 mm.
TEST_F(AlignmentPdf, ConvertsDifferencesFromTheFilesUnitToTheChosenUnit) {
  const ProgramRun result = run(std::string("road.xml shots.csv ") + kOptions +
                                " --units ft --pdf out.pdf --all-pairs --report-units mm");
  ASSERT_EQ(result.status, 1) << result.err;
  expectInOrder(pageText(5), {"shot code chainage offset doffset (mm) dz (mm) outside in\n",
                              "k2 KERB-R 110.000 3.510 3.0 -6.1 z\n",
                              "k1 KERB-L 120.000 -3.480 6.1 6.1 offset, z\n"});
}

TEST_F(AlignmentPdf, ALongAlignmentIsDrawnInSheetsOfItsChainage) {
  const ProgramRun result =
      run("long.xml long.csv --against alignment --design-offset L=-3.5,R=3.5 "
          "--tolerance offset=0.02 --pdf out.pdf");
  ASSERT_EQ(result.status, 1) << result.err;
  // The first page, 7 sheets of 300 m, the long section, the histograms and a list page.
  EXPECT_EQ(fixtures::pdfPageCount(folder / "out.pdf"), 11);
  const std::string third = pageText(4);
  expectInOrder(
      third, {"Plan along the alignment, sheet 3 of 7 (1:2000)\n", "Chainage 600.000 to 900.000."});
  const std::set<std::string> words = wordsOf(third);
  for (const char* label : {"600", "650", "700", "750", "800", "850", "900"}) {
    EXPECT_TRUE(words.count(label)) << label << " not in\n" << third;
  }
  expectInOrder(pageText(8), {"sheet 7 of 7 (1:2000)\n", "Chainage 1800.000 to 2000.000."});
  expectInOrder(pageText(11), {"Shots outside tolerance (3 of 44), in order of chainage\n",
                               "F2 L 250.000 -3.550 -0.050", "F1 R 1450.000 3.550 0.050",
                               "F3 R 1800.000 3.550 0.050", "Shots outside the alignment (0)"});
}

// The PDF is staged with the other outputs: when one of them cannot be written, none is.
TEST_F(AlignmentPdf, IsNotLeftBehindWhenAnotherOutputFails) {
  const ProgramRun result = run(std::string("road.xml shots.csv ") + kOptions +
                                " --pdf out.pdf --csv no/such/folder/out.csv");
  EXPECT_EQ(result.status, 2);
  EXPECT_NE(result.err.find("no/such/folder/out.csv"), std::string::npos) << result.err;
  EXPECT_FALSE(std::filesystem::exists(folder / "out.pdf"));
}

// The line runs north; its sheet turns it to run across the page, and north with it.
TEST_F(AlignmentPdf, ASheetTurnsTheLineToRunAcrossThePage) {
  const ProgramRun result = run("long.xml long.csv --against alignment --pdf out.pdf");
  ASSERT_EQ(result.status, 0) << result.err;
  const std::filesystem::path png = folder / "sheet.png";
  ASSERT_TRUE(fixtures::renderPage(folder / "out.pdf", 2, 50, png));
  const QImage page(QString::fromStdString(png.string()));
  ASSERT_FALSE(page.isNull());
  const auto px = [&](double mm) { return static_cast<int>(mm * page.width() / 210.0); };
  // The frame, from 15 mm and 46 mm, 180 mm wide and 200 mm high, a little inside it and
  // below its north arrow: the line, its ticks and their labels are what is black there.
  int left = page.width(), right = 0, top = page.height(), bottom = 0;
  for (int y = px(72); y < px(244); ++y) {
    for (int x = px(17); x < px(193); ++x) {
      if (QColor(page.pixel(x, y)).lightness() > 80) continue;
      left = std::min(left, x);
      right = std::max(right, x);
      top = std::min(top, y);
      bottom = std::max(bottom, y);
    }
  }
  EXPECT_GT(right - left, px(140));
  EXPECT_LT(bottom - top, px(15));
}

}  // namespace
}  // namespace check
