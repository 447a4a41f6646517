// `kestova check --pdf` as a script meets it: the built program, no display, the PDF it writes
// read back as text, and no file at all when it cannot write one.
#include <gtest/gtest.h>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <sstream>

#include "pdf_readback.h"
#include "program_folder.h"
#include "support/project_paths.h"

namespace check {
namespace {

class PdfCommand : public ProgramFolder {
 protected:
  PdfCommand() : ProgramFolder("check ", kWithoutDisplay) {}
  void SetUp() override {
    ProgramFolder::SetUp();
    write("design.csv",
          "Point,Easting,Northing,Elevation\n"
          "P1,1000.000,2000.000,50.000\n"
          "P2,1010.000,2000.000,50.500\n"
          "P3,1020.000,2000.000,51.000\n");
    write("survey.csv",
          "P1,1000.005,1999.998,50.003\n"
          "P2,1010.030,2000.004,50.480\n"
          "X9,1005,2005,50\n");
  }

  std::vector<std::string> files() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
      names.push_back(std::filesystem::relative(entry.path(), folder).string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }
};

TEST_F(PdfCommand, WritesTheReportWithoutADisplay) {
  if (!fixtures::popplerInstalled()) GTEST_SKIP() << "poppler-utils is not installed";
  const ProgramRun result =
      run("design.csv survey.csv --tolerance x=0.02,y=0.02,z=0.01,h=0.025 "
          "--pdf out.pdf --csv out.csv");
  ASSERT_EQ(result.status, 1) << result.err;
  EXPECT_EQ(fixtures::pdfPageCount(folder / "out.pdf"), 4);
  const std::string text = fixtures::pdfText(folder / "out.pdf");
  for (const char* line :
       {"Design design.csv, 3 points\n", "mean 0.017 0.001 -0.009 0.018\n",
        "tolerance ±0.020 ±0.020 ±0.010 0.025\n", "P2 0.030 0.004 -0.020 0.030 x, z, h\n",
        "P3 1020.000 2000.000 51.000\n", "X9 1005.000 2005.000 50.000 1\n", "Page 4 of 4"}) {
    EXPECT_NE(text.find(line), std::string::npos) << line << "\nnot in\n" << text;
  }
  EXPECT_EQ(files(), (std::vector<std::string>{"design.csv", "out.csv", "out.pdf", "survey.csv"}));
}

// What the one who signs the report off needs: the job's fields, every pair, millimetres.
TEST_F(PdfCommand, CarriesTheJobsFieldsEveryPairAndDeviationsInTheChosenUnit) {
  if (!fixtures::popplerInstalled()) GTEST_SKIP() << "poppler-utils is not installed";
  const ProgramRun result =
      run("design.csv survey.csv --tolerance x=0.02,y=0.02,z=0.01,h=0.025 "
          "--pdf out.pdf --project 'Ring road, lot 4' --client 'County works' "
          "--surveyor 'A. Lind' --instrument 'Total station TS-9, no. 3318' "
          "--coordinate-system 'ETRS89 / UTM 32N, heights DHHN2016' "
          "--notes 'Stakes set out on 2 May, checked the day after.' "
          "--all-pairs --report-units mm --exaggeration 250");
  ASSERT_EQ(result.status, 1) << result.err;
  const std::string first = fixtures::pdfText(folder / "out.pdf", 1, 1);
  for (const char* line :
       {"Project Ring road, lot 4\n", "Client County works\n", "Surveyor A. Lind\n",
        "Instrument Total station TS-9, no. 3318\n",
        "Coordinate system ETRS89 / UTM 32N, heights DHHN2016\n",
        "Notes Stakes set out on 2 May, checked the day after.\n",
        "dx (mm) dy (mm) dz (mm) dH (mm)\n", "mean 17 1 -9 18\n", "tolerance ±20 ±20 ±10 25\n",
        // The CSV's and the summary's unit stays in the particulars.
        "Tolerances x 0.020, y 0.020, z 0.010, h 0.025\n"}) {
    EXPECT_NE(first.find(line), std::string::npos) << line << "\nnot in\n" << first;
  }
  const std::string text = fixtures::pdfText(folder / "out.pdf");
  for (const char* line :
       {"Vectors drawn 250 times their length", "Pairs (2, 1 outside tolerance)\n",
        "point code dx (mm) dy (mm) dz (mm) dH (mm) outside in\n", "P1 5 -2 3 5 within\n",
        "P2 30 4 -20 30 x, z, h\n"}) {
    EXPECT_NE(text.find(line), std::string::npos) << line << "\nnot in\n" << text;
  }
}

// A survey in feet against a design in metres: the report says so on its first page, whole.
TEST_F(PdfCommand, TheFirstPageCarriesTheWarningsWhole) {
  if (!fixtures::popplerInstalled()) GTEST_SKIP() << "poppler-utils is not installed";
  write("feet.csv",
        "P1,3280.8563,6561.6732,164.0518\n"
        "P2,3313.6483,6561.6864,165.6658\n"
        "P3,3346.4403,6561.6798,167.3294\n");
  const ProgramRun result = run("design.csv feet.csv --pdf out.pdf");
  ASSERT_EQ(result.status, 0) << result.err;
  // Words as read, whatever line they were wrapped to and however "fi" was set.
  std::istringstream words(fixtures::pdfText(folder / "out.pdf"));
  std::string text;
  for (std::string word; words >> word;) {
    for (std::size_t at; (at = word.find("\xEF\xAC\x81")) != std::string::npos;) {
      word.replace(at, 3, "fi");
    }
    text += word + ' ';
  }
  EXPECT_NE(text.find("Warning the check fits far better with the survey in feet "
                      "(--survey-units ft): 0.004 on average instead of 5110.381"),
            std::string::npos)
      << text;
}

TEST_F(PdfCommand, NoReportWhenOneCannotBeWritten) {
  const struct {
    const char* arguments;
    const char* message;
  } cases[] = {
      {"design.csv survey.csv --pdf missing/out.pdf",
       "kestova check: missing/out.pdf: cannot be written (No such file or directory)\n"},
      {"design.csv absent.csv --pdf out.pdf --csv out.csv",
       "kestova check: absent.csv: cannot be opened\n"},
      {"design.csv survey.csv --pdf", "kestova check: --pdf needs a value\n"},
  };
  for (const auto& c : cases) {
    const ProgramRun result = run(c.arguments);
    EXPECT_EQ(result.status, 2) << c.arguments;
    EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
    EXPECT_EQ(files(), (std::vector<std::string>{"design.csv", "survey.csv"})) << c.arguments;
  }
}

TEST_F(PdfCommand, HelpDescribesThePdfReport) {
  const std::string command = "'" + testing_support::kestovaProgram() + "' check --help";
  FILE* pipe = ::popen(command.c_str(), "r");
  std::string help;
  char chunk[4096];
  while (const std::size_t n = std::fread(chunk, 1, sizeof chunk, pipe)) help.append(chunk, n);
  EXPECT_EQ(::pclose(pipe), 0);
  EXPECT_NE(help.find("  --pdf OUT.pdf          write the report for the site engineer"),
            std::string::npos)
      << help;
}

}  // namespace
}  // namespace check
