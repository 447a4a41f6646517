// The workbooks of the checks against a surface and along an alignment, written by the built
// program and read back by openpyxl beside their CSV: the same columns and rows, numbers as
// numbers, and the statistics of the summary.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "check/landxml_designs.h"
#include "program_folder.h"

namespace check {
namespace {

// The sheets' names; then the summary's rows, a number as value#format, text in quotes, "-"
// when empty; then the rows of "Shots" as a CSV reader gives them, each number with the places
// its format shows, each row followed by its cells' kinds (n number, s text, - empty).
constexpr const char* kWorkbookReader = R"(import sys, openpyxl
book = openpyxl.load_workbook(sys.argv[1])
print(" ".join(book.sheetnames))
for row in book["Summary"].iter_rows():
    cells = []
    for cell in row:
        if cell.value is None:
            cells.append("-")
        elif cell.data_type == "n":
            cells.append(f"{cell.value!r}#{cell.number_format}")
        else:
            cells.append(f"'{cell.value}'")
    while cells and cells[-1] == "-":
        cells.pop()
    print("summary " + " ".join(cells))
for row in book["Shots"].iter_rows():
    texts, kinds = [], ""
    for cell in row:
        if cell.value is None:
            texts.append("")
            kinds += "-"
        elif cell.data_type == "n":
            places = len(cell.number_format.partition(".")[2])
            texts.append(f"{cell.value:.{places}f}")
            kinds += "n"
        else:
            texts.append(str(cell.value))
            kinds += cell.data_type
    print("|".join(texts))
    print(kinds)
)";

// Shots on the surface, as in the surface command's tests: B on a vertex, O just outside.
constexpr const char* kSurfaceShots =
    "B,10,0,12.010,kerb\n"
    "E,5,5,11.970\n"
    "H,5,0,11.011\n"
    "I,2,6,10.769\n"
    "O,5,-0.01,11\n";

// Kerbs 3.5 m either side, one shot on the curve, one before the start.
constexpr const char* kRoadShots =
    "k1,20,3.48,10.22,KERB-L\n"
    "k2,10,-3.51,10.08,KERB-R\n"
    "a1,66.61984,3.38016,10.66,KERB-R\n"
    "x1,-5,0,10,CL\n";

struct WorkbookCase {
  const char* name;
  const char* arguments;  // the check, without its outputs
  std::size_t shot;       // a row of the CSV, 1 for its first shot
  const char* kinds;      // of that shot's cells in the workbook
  // Rows of the summary, each found whole: the check, the tolerances, the statistics.
  std::vector<std::string> summary;
};

void PrintTo(const WorkbookCase& c, std::ostream* out) {
  *out << c.name;
}

class ShotsWorkbook : public ProgramFolder, public testing::WithParamInterface<WorkbookCase> {
 protected:
  ShotsWorkbook() : ProgramFolder("check ") {}
  void SetUp() override {
    ProgramFolder::SetUp();
    write("design.xml", designs::kFormation);
    write("shots.csv", kSurfaceShots);
    write("road.xml", designs::kKerbLine);
    write("road.csv", kRoadShots);
  }
};

TEST_P(ShotsWorkbook, HoldsTheCsvsRowsAsNumbersAndTheStatistics) {
  const WorkbookCase& c = GetParam();
  const ProgramRun result =
      run(std::string(c.arguments) + " --csv out.csv --xlsx out.xlsx --project 'Ring road, lot 4'");
  ASSERT_EQ(result.status, 1) << result.err;
  const std::vector<std::string> csv = csvRows("out.csv");
  const std::vector<std::string> book = python(kWorkbookReader, "out.xlsx");
  ASSERT_FALSE(book.empty());
  EXPECT_EQ(book[0], "Summary Shots");
  const auto shots = std::find_if(
      book.begin(), book.end(), [&](const std::string& line) { return line.rfind("id|", 0) == 0; });
  ASSERT_NE(shots, book.end());
  std::vector<std::string> rows, kinds;
  for (auto line = shots; line != book.end() && line + 1 != book.end(); line += 2) {
    rows.push_back(*line);
    kinds.push_back(*(line + 1));
  }
  EXPECT_EQ(rows, csv);
  ASSERT_GT(kinds.size(), c.shot);
  EXPECT_EQ(kinds[c.shot], c.kinds) << rows[c.shot];
  const std::vector<std::string> summary(book.begin() + 1, shots);
  std::string all;
  for (const std::string& line : summary) all += line + '\n';
  EXPECT_EQ(summary[2], "summary 'Project' 'Ring road, lot 4'") << all;
  for (const std::string& line : c.summary) {
    EXPECT_NE(std::find(summary.begin(), summary.end(), "summary " + line), summary.end())
        << line << "\nnot in\n"
        << all;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Checks, ShotsWorkbook,
    testing::Values(
        WorkbookCase{"AgainstASurface",
                     "design.xml shots.csv --against surface --tolerance z=-0.03:0.01",
                     1,
                     "snnnnnns-ssn",
                     {"'Survey check against the surface'", "'Design' 'design.xml'",
                      "'Survey shots' 5#0", "'On the surface' 4#0", "'Outside the surface' 1#0",
                      "'Tolerances' 'z -0.030 to 0.010'", "'Outside tolerance' 2#0",
                      "'dz' 4#0 -0.01#0.000 0.024#0.000 0.023#0.000 -0.031#0.000 0.011#0.000 "
                      "-0.031#0.000 'I' 0.031#0.000 2#0 0.5#0.0% '-0.030 to 0.010'"}},
        WorkbookCase{
            "AlongAnAlignment",
            "road.xml road.csv --against alignment --design-offset "
            "KERB-L=-3.5,KERB-R=3.5 --tolerance offset=-0.015:0.015,z=0.01",
            2,
            "snnnnnnnnnssssn",
            {"'Survey check along the alignment'", "'Design' 'road.xml'",
             "'Alignment' 'alignment 'Kerb line''", "'Chainage' '100.000 to 181.416'",
             "'Along the alignment' 3#0", "'Outside the alignment' 1#0",
             "'Tolerances' 'offset -0.015 to 0.015, z -0.010 to 0.010'",
             "'doffset' 3#0 0.011#0.000 0.008#0.000 0.013#0.000 0.004#0.000 0.02#0.000 0.02#0.000 "
             "'k1' 0.02#0.000 2#0 0.6666666666666666#0.0% '-0.015 to 0.015'",
             "'dz' 3#0 0.001#0.000 0.02#0.000 0.016#0.000 -0.02#0.000 0.02#0.000 "
             "0.02#0.000 'k1' 0.02#0.000 1#0 0.3333333333333333#0.0% '-0.010 to 0.010'"}}),
    [](const testing::TestParamInfo<WorkbookCase>& info) { return info.param.name; });

// Deviations in the unit of --report-units, as in the PDF; coordinates stay in the files'.
TEST_F(ShotsWorkbook, GivesDeviationsInTheReportsUnit) {
  const ProgramRun result =
      run("design.xml shots.csv --against surface --tolerance z=-0.03:0.01 --xlsx out.xlsx "
          "--report-units mm");
  ASSERT_EQ(result.status, 1) << result.err;
  const std::vector<std::string> book = python(kWorkbookReader, "out.xlsx");
  const auto header = std::find_if(
      book.begin(), book.end(), [&](const std::string& line) { return line.rfind("id|", 0) == 0; });
  ASSERT_NE(header, book.end());
  EXPECT_EQ(*header,
            "id|survey_x|survey_y|survey_z|design_z|dz (mm)|dn (mm)|status|failing|survey_code|"
            "survey_file|survey_line");
  ASSERT_GT(book.end() - header, 2);
  EXPECT_EQ(*(header + 2), "B|10.000|0.000|12.010|12.000|10|10|pass||kerb|shots.csv|1");
  EXPECT_NE(std::find(book.begin(), header,
                      "summary 'dz (mm)' 4#0 -10#0 24#0 23#0 -31#0 11#0 -31#0 'I' 31#0 2#0 "
                      "0.5#0.0% '-30 to 10'"),
            header);
}

// Staged with the other outputs: when one of them cannot be written, the workbook is not left.
TEST_F(ShotsWorkbook, IsNotLeftBehindWhenAnotherOutputFails) {
  for (const char* check :
       {"design.xml shots.csv --against surface",
        "road.xml road.csv --against alignment --design-offset KERB-L=-3.5,KERB-R=3.5"}) {
    const ProgramRun result =
        run(std::string(check) + " --xlsx out.xlsx --csv no/such/folder/out.csv");
    EXPECT_EQ(result.status, 2) << check;
    EXPECT_NE(result.err.find("no/such/folder/out.csv"), std::string::npos) << result.err;
    EXPECT_FALSE(std::filesystem::exists(folder / "out.xlsx")) << check;
  }
}

}  // namespace
}  // namespace check
