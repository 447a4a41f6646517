// Ids and codes that a spreadsheet would run as formulas are written so that it shows them as
// text, the CSV read back by Python's csv module as a spreadsheet would split it.
#include "check/spreadsheet_text.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "check/csv_report.h"
#include "formula_check.h"
#include "python_reader.h"

namespace check {
namespace {

struct FormulaCase {
  const char* text;
  bool formula;
};

class FormulaText : public ::testing::TestWithParam<FormulaCase> {};

TEST_P(FormulaText, IsTakenForAFormulaByItsFirstCharacter) {
  EXPECT_EQ(looksLikeFormula(GetParam().text), GetParam().formula) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Texts, FormulaText,
                         ::testing::Values(FormulaCase{"=1+1", true},
                                           FormulaCase{"+cmd|calc", true},
                                           FormulaCase{"-2+3", true}, FormulaCase{"@SUM(1)", true},
                                           FormulaCase{"\t=1", true}, FormulaCase{"\r=1", true},
                                           FormulaCase{"P1", false}, FormulaCase{"A=B", false},
                                           FormulaCase{" =1", false}, FormulaCase{"'=1", false},
                                           FormulaCase{"", false}));

constexpr const char* kCsvReader = R"(import csv, sys
for row in csv.reader(open(sys.argv[1], newline="")):
    print(" ; ".join([row[0], row[8], row[9], row[11], row[12]]))
)";

TEST(CsvReport, WritesIdsAndCodesThatLookLikeFormulasAsText) {
  const fixtures::FormulaCheck check;
  const std::filesystem::path file = std::filesystem::path(::testing::TempDir()) /
                                     ("formula_ids_" + std::to_string(::getpid()) + ".csv");
  saveCsvReport(file, check.report);
  const std::string rows = readback::readWithPython(kCsvReader, file);
  std::filesystem::remove(file);
  // A negative rise stays a number; a negative id is text, and marked.
  EXPECT_EQ(rows,
            "id ; rise ; status ; design_code ; survey_code\n"
            "'=HYPERLINK(\"http://x.example/\",\"see\") ; -0.015 ; fail ; '@SUM(1) ; \n"
            "'+cmd|calc ; 0.001 ; pass ; KERB ; \n"
            "'-2+3 ; 0.002 ; pass ; '- ; \n"
            "A=B ; 0.003 ; pass ; '=1+1 ; \n"
            "'-7 ; 0.004 ; pass ; '+ ; \n");
}

}  // namespace
}  // namespace check
