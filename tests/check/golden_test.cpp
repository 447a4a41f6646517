// What `kestova check` writes, held against the files it wrote for the same input before: the
// summary on the terminal, the CSV report and the PDF report read back as text, byte for byte.
// Each case is a folder under tests/check/golden with its design.csv and survey.csv; run with
// KESTOVA_WRITE_GOLDEN=1 to write the expected files anew after a change meant to alter them.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>

#include "pdf_readback.h"
#include "site_drawing.h"
#include "support/project_paths.h"

namespace check {
namespace {

struct GoldenCase {
  const char* folder;  // under tests/check/golden
  const char* options;
  int status;
  bool siteDrawing;  // the run needs site.dxf beside the point files
};

const GoldenCase kCases[] = {
    // A failing pair, a pair from two shots, a design point without height, one never
    // surveyed and a survey point without design point.
    {"by_id", "--tolerance x=0.02,y=0.02,z=0.01,h=0.025", 1, false},
    // Survey points without names, each paired with the nearest stake; four decimals.
    {"by_proximity", "--match near:0.5 --tolerance z=0.015,h=0.03 --decimals 4", 1, false},
    // Along a named UCS of a drawing, whose precision gives the decimals.
    {"along_ucs", "--drawing site.dxf --ucs SITE --tolerance x=0.02,y=0.015", 1, true},
};

std::string read(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

// The PDF's text with the date and time of the run made a fixed mark.
std::string pdfTextWithoutDate(const std::filesystem::path& pdf) {
  return std::regex_replace(::fixtures::pdfText(pdf), std::regex(R"(\d{4}-\d\d-\d\d \d\d:\d\d)"),
                            "YYYY-MM-DD hh:mm");
}

class GoldenOutput : public testing::TestWithParam<GoldenCase> {
 protected:
  void SetUp() override {
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
  }
  void TearDown() override { std::filesystem::remove_all(folder); }

  // Compares `actual` with the golden file `name`, or writes it when asked to.
  void expectGolden(const std::string& name, const std::string& actual) {
    const std::filesystem::path path = golden / name;
    if (std::getenv("KESTOVA_WRITE_GOLDEN") != nullptr) {
      std::ofstream(path, std::ios::binary) << actual;
      return;
    }
    ASSERT_TRUE(std::filesystem::exists(path)) << path;
    EXPECT_EQ(actual, read(path)) << name << " of " << GetParam().folder;
  }

  std::filesystem::path golden =
      testing_support::sourcePath(std::string("tests/check/golden/") + GetParam().folder);
  std::filesystem::path folder =
      std::filesystem::path(testing::TempDir()) / ("golden_test_" + std::to_string(::getpid()));
};

TEST_P(GoldenOutput, SummaryCsvAndPdfAreAsBefore) {
  if (!::fixtures::popplerInstalled()) GTEST_SKIP() << "poppler-utils is not installed";
  const GoldenCase& c = GetParam();
  for (const char* name : {"design.csv", "survey.csv"}) {
    std::filesystem::copy_file(golden / name, folder / name);
  }
  if (c.siteDrawing) fixtures::saveSiteDrawing(folder / "site.dxf");
  const std::string command =
      "cd '" + folder.string() + "' && env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM '" +
      testing_support::kestovaProgram() + "' check design.csv survey.csv " + c.options +
      " --csv report.csv --pdf report.pdf >summary.txt 2>stderr.txt";
  const int status = std::system(command.c_str());
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), c.status) << read(folder / "stderr.txt");
  EXPECT_EQ(read(folder / "stderr.txt"), "");

  expectGolden("summary.txt", read(folder / "summary.txt"));
  expectGolden("report.csv", read(folder / "report.csv"));
  expectGolden("report_pdf.txt", pdfTextWithoutDate(folder / "report.pdf"));
}

INSTANTIATE_TEST_SUITE_P(Checks, GoldenOutput, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<GoldenCase>& info) {
                           return std::string(info.param.folder);
                         });

}  // namespace
}  // namespace check
