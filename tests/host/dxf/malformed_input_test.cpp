#include <gtest/gtest.h>

#include "host/dxf/dxf_error.h"
#include "host/dxf/reader.h"
#include "host_drawing.h"

namespace host::dxf {
namespace {

struct MalformedCase {
  std::string name;
  std::string content;
  std::size_t line;
  std::string reason;  // a part of the reason given
};

void PrintTo(const MalformedCase& c, std::ostream* os) {
  *os << c.name;
}

const std::string kStart = "0\nSECTION\n2\nENTITIES\n";
const std::string kEnd = "0\nENDSEC\n0\nEOF\n";

class DxfMalformedInput : public ::testing::TestWithParam<MalformedCase> {};

TEST_P(DxfMalformedInput, IsRefusedWithItsLineAndTheOpenDrawingStays) {
  const MalformedCase& c = GetParam();
  const auto path = testing::scratchDirectory("malformed_" + c.name) / "bad.dxf";
  testing::writeFile(path, c.content);

  std::unique_ptr<model::Document> open = testing::hostDrawing();
  const model::Document* before = open.get();
  const std::size_t entities = open->blocks()[model::BlockTable::kModelSpace].entities.size();
  try {
    open = readDxf(path);
    FAIL() << "no error";
  } catch (const DxfError& error) {
    EXPECT_EQ(error.file(), path);
    EXPECT_EQ(error.line(), c.line) << error.what();
    EXPECT_NE(error.reason().find(c.reason), std::string::npos) << error.what();
    EXPECT_NE(std::string(error.what()).find(path.string()), std::string::npos);
  }
  EXPECT_EQ(open.get(), before);
  EXPECT_EQ(open->blocks()[model::BlockTable::kModelSpace].entities.size(), entities);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DxfMalformedInput,
    ::testing::Values(
        MalformedCase{"empty", "", 1, "empty"},
        MalformedCase{"binary_without_groups", std::string("AutoCAD Binary DXF\r\n\x1a\0", 22), 0,
                      "at byte 22: the file holds nothing after its binary opening"},
        MalformedCase{"nul", kStart + "0\nLINE\n8\n0\n10\n1" + std::string(1, '\0') + "\n" + kEnd,
                      10, "NUL"},
        MalformedCase{"truncated_after_code", kStart + "0\nLINE\n10", 7,
                      "ends after group code 10"},
        MalformedCase{"bad_number", kStart + "0\nLINE\n10\n1.5x\n" + kEnd, 8, "expected a number"},
        MalformedCase{"comma_decimal", kStart + "0\nPOINT\n10\n1,5\n" + kEnd, 8,
                      "expected a number"},
        MalformedCase{"infinite_number", kStart + "0\nPOINT\n20\ninf\n" + kEnd, 8,
                      "expected a number"},
        // Not a finite number in any group that holds a real one, used or not, modelled or not.
        MalformedCase{"not_a_number", kStart + "0\nCIRCLE\n40\nNaN\n" + kEnd, 8,
                      "expected a number for group code 40, found \"NaN\""},
        MalformedCase{"too_large_for_a_double", kStart + "0\nLINE\n10\n1e999\n" + kEnd, 8,
                      "found \"1e999\""},
        MalformedCase{"infinity_unused", kStart + "0\nLINE\n8\n0\n39\n-Infinity\n" + kEnd, 10,
                      "group code 39"},
        MalformedCase{"infinity_in_kept_entity", kStart + "0\nHATCH\n41\n 1E+400 \n" + kEnd, 8,
                      "group code 41"},
        MalformedCase{"infinity_in_extended_data",
                      kStart + "0\nPOINT\n1001\nSURVEY\n1040\ninf\n" + kEnd, 10, "group code 1040"},
        MalformedCase{"not_a_number_in_header",
                      "0\nSECTION\n2\nHEADER\n9\n$INSBASE\n10\nnan\n" + kEnd, 8, "group code 10"},
        MalformedCase{"infinity_in_object", "0\nSECTION\n2\nOBJECTS\n0\nXRECORD\n40\n-inf\n" + kEnd,
                      8, "group code 40"},
        MalformedCase{"bad_group_code", kStart + "0\nLINE\nten\n1\n" + kEnd, 7, "group code"},
        MalformedCase{"group_code_out_of_range", kStart + "0\nLINE\n2000\n1\n" + kEnd, 7,
                      "group code"},
        MalformedCase{"bad_whole_number", kStart + "0\nTEXT\n72\nleft\n" + kEnd, 8,
                      "expected a whole number"},
        // Cut inside a group, in a record before the last: not cut between two records.
        MalformedCase{"value_missing_mid_record", kStart + "0\nPOLYLINE\n66\n1\n0\nVERTEX\n10", 11,
                      "ends after group code 10"},
        MalformedCase{"impossible_count",
                      kStart + "0\nLWPOLYLINE\n90\n1000000000\n10\n0\n20\n0\n" + kEnd, 8,
                      "declares 1000000000 vertices but holds 1"},
        MalformedCase{"negative_count", kStart + "0\nLWPOLYLINE\n90\n-1\n" + kEnd, 8,
                      "declares -1 vertices"},
        MalformedCase{"largest_count",
                      kStart + "0\nLWPOLYLINE\n90\n9223372036854775807\n10\n0\n20\n0\n" + kEnd, 8,
                      "declares 9223372036854775807 vertices but holds 1"},
        MalformedCase{"vertex_value_first", kStart + "0\nLWPOLYLINE\n20\n1\n" + kEnd, 8,
                      "before its X"},
        MalformedCase{"no_leading_zero_group", "2\nHEADER\n" + kEnd, 1, "expected group code 0"},
        MalformedCase{"stray_record", "0\nLINE\n8\n0\n0\nEOF\n", 2, "expected SECTION or EOF"},
        MalformedCase{"section_without_name", "0\nSECTION\n0\nEOF\n", 2, "section name"},
        MalformedCase{"degenerate_current_ucs",
                      "0\nSECTION\n2\nHEADER\n9\n$UCSXDIR\n10\n0\n20\n0\n30\n0\n" + kEnd, 8,
                      "UCS"}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace host::dxf
