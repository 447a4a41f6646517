// The parsing of ID, DIST, LIST, STATION, ERASE, UNITS and PLOT, and UNITS applied to a drawing.
#include <ostream>

#include <gtest/gtest.h>

#include "host/view-core/command_parser.h"
#include "host/view-core/drawing_commands.h"
#include "host/view-files/drawing_files.h"

namespace host::view {
namespace {

PointEntry ucsPoint(double x, double y, double z) {
  return {PointEntry::Base::Ucs, {x, y, z}};
}

command::Plot plotOf(std::string path, command::Plot::Area area, int sheet, bool landscape,
                     std::optional<double> scale) {
  return {std::move(path), area, sheet, landscape, scale};
}

struct ParsedCase {
  const char* line;
  Command expected;
};

void PrintTo(const ParsedCase& c, std::ostream* out) {
  *out << '"' << c.line << '"';
}

class DrawingToolCommand : public testing::TestWithParam<ParsedCase> {};

TEST_P(DrawingToolCommand, IsParsed) {
  const auto parsed = parseCommand(GetParam().line, releaseNamed);
  ASSERT_TRUE(std::holds_alternative<Command>(parsed)) << std::get<EntryError>(parsed).message;
  EXPECT_EQ(std::get<Command>(parsed), GetParam().expected);
}

using Area = command::Plot::Area;

INSTANTIATE_TEST_SUITE_P(
    Each, DrawingToolCommand,
    testing::Values(
        ParsedCase{"id", command::Identify{}},
        ParsedCase{"ID 1,2,3", command::Identify{ucsPoint(1, 2, 3)}},
        ParsedCase{"dist", command::Measure{}}, ParsedCase{"di", command::Measure{}},
        ParsedCase{
            "DIST 0,0 @3,4",
            command::Measure{ucsPoint(0, 0, 0), PointEntry{PointEntry::Base::Relative, {3, 4, 0}}}},
        ParsedCase{"list", command::ListEntity{}}, ParsedCase{"LI", command::ListEntity{}},
        ParsedCase{"station", command::Station{}},
        ParsedCase{"STATION 1+250.5", command::Station{1250.5}},
        ParsedCase{"station -20", command::Station{-20.0}}, ParsedCase{"erase", command::Erase{}},
        ParsedCase{"e", command::Erase{}}, ParsedCase{"units", command::Units{}},
        ParsedCase{"UN m", command::Units{6, std::nullopt, std::nullopt}},
        ParsedCase{"units 3 usft", command::Units{21, std::nullopt, 3}},
        ParsedCase{"units Architectural 0 unitless", command::Units{0, 4, 0}},
        ParsedCase{"plot site.pdf", plotOf("site.pdf", Area::Extents, 4, true, std::nullopt)},
        ParsedCase{"plot a3 portrait 1:500 view /tmp/site",
                   plotOf("/tmp/site.pdf", Area::View, 3, false, 500.0)},
        ParsedCase{"PLOT \"my site.PDF\" A0 fit E",
                   plotOf("my site.PDF", Area::Extents, 0, true, std::nullopt)},
        ParsedCase{"plot 1:2.5 landscape out.pdf",
                   plotOf("out.pdf", Area::Extents, 4, true, 2.5)}));

struct RefusedCase {
  const char* line;
  const char* mentions;  // a word the message must contain, so the user knows what is wrong
};

void PrintTo(const RefusedCase& c, std::ostream* out) {
  *out << '"' << c.line << '"';
}

class BadDrawingToolCommand : public testing::TestWithParam<RefusedCase> {};

TEST_P(BadDrawingToolCommand, SaysWhyInOneLine) {
  const auto parsed = parseCommand(GetParam().line, releaseNamed);
  ASSERT_TRUE(std::holds_alternative<EntryError>(parsed));
  const std::string& message = std::get<EntryError>(parsed).message;
  EXPECT_NE(message.find(GetParam().mentions), std::string::npos) << message;
  EXPECT_EQ(message.find('\n'), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Malformed, BadDrawingToolCommand,
    testing::Values(
        RefusedCase{"id 1,x", "ID"}, RefusedCase{"id 1,2 3,4", "ID"},
        RefusedCase{"dist 0,0", "two points"}, RefusedCase{"dist 0,0 1;1", "DIST second point"},
        RefusedCase{"list now", "LIST takes no arguments"},
        RefusedCase{"erase all", "ERASE takes no arguments"},
        RefusedCase{"station 1+2500", "start chainage"},
        RefusedCase{"station 0,0", "start chainage"},
        RefusedCase{"units parsecs", "\"parsecs\" is not one of MM"},
        RefusedCase{"units 9", "0 to 8"}, RefusedCase{"units m ft", "\"ft\""},
        RefusedCase{"units 2.5", "\"2.5\""}, RefusedCase{"plot", "PDF file"},
        RefusedCase{"plot a3 landscape", "PDF file"}, RefusedCase{"plot a5 site.pdf", "A0 to A4"},
        RefusedCase{"plot 1:0 site.pdf", "1:N"}, RefusedCase{"plot 1:x site.pdf", "1:N"},
        RefusedCase{"plot a3 a4 site.pdf", "\"a4\" says again"},
        RefusedCase{"plot fit 1:500 site.pdf", "says again"},
        RefusedCase{"plot one.pdf two.pdf", "quote"}));

TEST(UnitsCommand, TellsTheUnitsAndChangesOnlyWhatIsGiven) {
  model::Document document;
  std::optional<Eigen::Vector3d> last;
  const auto told = applyToDrawing(document, command::Units{}, last);
  ASSERT_TRUE(told);
  EXPECT_EQ(*told,
            "Units: unitless (INSUNITS 0); lengths decimal (LUNITS 2) with 4 decimals (LUPREC)");
  EXPECT_FALSE(document.modified());

  const auto changed = applyToDrawing(document, command::Units{6, std::nullopt, 3}, last);
  EXPECT_EQ(*changed,
            "Units: metres (INSUNITS 6); lengths decimal (LUNITS 2) with 3 decimals (LUPREC)");
  EXPECT_EQ(document.header().insunits, 6);
  EXPECT_EQ(document.header().luprec, 3);
  EXPECT_EQ(document.undoName(), "UNITS");

  const auto architectural = applyToDrawing(document, command::Units{{}, 4, {}}, last);
  EXPECT_NE(architectural->find("architectural (LUNITS 4)"), std::string::npos);
  EXPECT_NE(architectural->find("this window writes them decimal"), std::string::npos);
  EXPECT_EQ(document.header().insunits, 6);

  document.undo();
  EXPECT_EQ(document.header().lunits, 2);
  document.undo();
  EXPECT_EQ(document.header(), model::HeaderVariables{});
}

}  // namespace
}  // namespace host::view
