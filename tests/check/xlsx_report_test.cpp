// The Excel report read back by openpyxl, as a spreadsheet user would see it: its sheets, numbers
// as numbers with the check's decimals, ids and codes as text and never as formulas.
#include "check/xlsx_report.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "formula_check.h"
#include "python_reader.h"

namespace check {
namespace {

// Each sheet's name, then its rows: a number as value#format, text in quotes, "-" when empty
// (and nothing after the last filled cell), a formula as f.
constexpr const char* kWorkbookReader = R"(import sys, openpyxl
book = openpyxl.load_workbook(sys.argv[1])
for sheet in book.worksheets:
    print("[" + sheet.title + "]")
    for row in sheet.iter_rows():
        cells = []
        for cell in row:
            if cell.value is None:
                cells.append("-")
            elif cell.data_type == "n":
                cells.append(f"{cell.value!r}#{cell.number_format}")
            else:
                cells.append(f"'{cell.value}'" if cell.data_type == "s" else cell.data_type)
        while cells and cells[-1] == "-":
            cells.pop()
        print(" ".join(cells))
)";

class XlsxReport : public testing::Test {
 protected:
  void TearDown() override { std::filesystem::remove(file); }

  std::string readBack(const CheckReport& report) {
    saveXlsxReport(file, report);
    return readback::readWithPython(kWorkbookReader, file);
  }

  static std::string sheet(const std::string& workbook, const std::string& name) {
    const std::size_t start = workbook.find("[" + name + "]\n");
    if (start == std::string::npos) return {};
    const std::size_t end = workbook.find("\n[", start);
    return workbook.substr(start, end == std::string::npos ? end : end + 1 - start);
  }

  std::filesystem::path file = std::filesystem::path(::testing::TempDir()) /
                               ("xlsx_report_" + std::to_string(::getpid()) + ".xlsx");
};

TEST_F(XlsxReport, HasASheetForTheSummaryThePairsAndTheUnmatched) {
  const fixtures::RiseCheck check;
  const std::string workbook = readBack(check.report);
  EXPECT_EQ(sheet(workbook, "Pairs"),
            "[Pairs]\n"
            "'id' 'design x' 'design y' 'design z' 'survey x' 'survey y' 'survey z' 'shots' "
            "'rise' 'status' 'failing' 'design code' 'survey code' 'spread rise'\n"
            "'R1' 0#0.000 0#0.000 10#0.000 0#0.000 0#0.000 10.012#0.000 1#0 0.012#0.000 'pass'\n"
            "'R2' 5#0.000 0#0.000 10#0.000 5#0.000 0#0.000 9.985#0.000 1#0 -0.015#0.000 'fail' "
            "'r'\n"
            "'R3' 10#0.000 0#0.000 - 10#0.000 0#0.000 10.5#0.000 1#0 - 'pass'\n");
  EXPECT_EQ(sheet(workbook, "Unmatched"),
            "[Unmatched]\n"
            "'id' 'status' 'x' 'y' 'z' 'shots' 'code'\n"
            "'R4' 'never surveyed' 15#0.000 0#0.000 10#0.000\n"
            "'R9' 'no design point' 30#0.000 0#0.000 10#0.000 1#0\n");
  const std::string summary = sheet(workbook, "Summary");
  EXPECT_NE(summary.find("'Design' 'levels.csv'\n'Design points' 4#0\n"), std::string::npos)
      << summary;
  EXPECT_NE(summary.find("'Outside tolerance' 1#0\n'Never surveyed' 1#0\n'No design point' 1#0\n"),
            std::string::npos)
      << summary;
  EXPECT_NE(
      summary.find("'rise' 2#0 -0.002#0.000 0.019#0.000 0.014#0.000 -0.015#0.000 "
                   "0.012#0.000 -0.015#0.000 'R2' 0.015#0.000 1#0 0.5#0.0% '-0.010 to 0.030'\n"),
      std::string::npos)
      << summary;
}

TEST_F(XlsxReport, HeadsTheSummaryWithTheJobsFieldsAndGivesDeviationsInTheReportsUnit) {
  const fixtures::RiseCheck check;
  CheckReport report = check.report;
  report.fields = {"Ring road", "", "A. Lind", "", "ETRS89 / UTM 32N", "=see the notes"};
  report.reportUnit = ReportUnit::Millimetre;
  const std::string workbook = readBack(report);
  // Fields not given are left out; coordinates stay in the check's unit.
  const std::string summary = sheet(workbook, "Summary");
  EXPECT_EQ(summary.rfind("[Summary]\n'Survey check'\n\n'Project' 'Ring road'\n"
                          "'Surveyor' 'A. Lind'\n'Coordinate system' 'ETRS89 / UTM 32N'\n"
                          "'Notes' ''=see the notes'\n'Design' 'levels.csv'\n",
                          0),
            0u)
      << summary;
  const std::string pairs = sheet(workbook, "Pairs");
  EXPECT_NE(pairs.find("'survey z' 'shots' 'rise (mm)' 'status'"), std::string::npos) << pairs;
  EXPECT_NE(pairs.find(" 9.985#0.000 1#0 -15#0 'fail'"), std::string::npos) << pairs;
  EXPECT_NE(summary.find("'rise (mm)' 2#0 -2#0 19#0"), std::string::npos) << summary;
}

TEST_F(XlsxReport, WritesIdsAndCodesThatLookLikeFormulasAsText) {
  const fixtures::FormulaCheck check;
  const std::string pairs = sheet(readBack(check.report), "Pairs");
  // No cell is a formula ('f'); a negative rise stays a number.
  EXPECT_EQ(pairs.find(" f "), std::string::npos) << pairs;
  EXPECT_NE(pairs.find("''=HYPERLINK(\"http://x.example/\",\"see\")' 0#0.000"), std::string::npos)
      << pairs;
  EXPECT_NE(pairs.find("9.985#0.000 1#0 -0.015#0.000 'fail' 'r' ''@SUM(1)'\n"), std::string::npos)
      << pairs;
  EXPECT_NE(pairs.find("''+cmd|calc' "), std::string::npos) << pairs;
  EXPECT_NE(pairs.find("''-2+3' "), std::string::npos) << pairs;
  EXPECT_NE(pairs.find("\n'A=B' 15#0.000"), std::string::npos) << pairs;
  EXPECT_NE(pairs.find("'pass' - ''=1+1'\n"), std::string::npos) << pairs;
}

}  // namespace
}  // namespace check
