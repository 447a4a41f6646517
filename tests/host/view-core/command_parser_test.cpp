#include <ostream>

#include <gtest/gtest.h>

#include "host/view-core/command_parser.h"
#include "host/view-files/drawing_files.h"

namespace host::view {
namespace {

PointEntry ucsPoint(double x, double y, double z) {
  return {PointEntry::Base::Ucs, {x, y, z}};
}

struct ParsedCase {
  const char* line;
  Command expected;
};

void PrintTo(const ParsedCase& c, std::ostream* out) {
  *out << '"' << c.line << '"';
}

class ParsedCommand : public testing::TestWithParam<ParsedCase> {};

TEST_P(ParsedCommand, GivesTheCommand) {
  const auto parsed = parseCommand(GetParam().line, releaseNamed);
  ASSERT_TRUE(std::holds_alternative<Command>(parsed)) << std::get<EntryError>(parsed).message;
  EXPECT_EQ(std::get<Command>(parsed), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    EveryCommand, ParsedCommand,
    testing::Values(
        ParsedCase{"new", command::New{}}, ParsedCase{"  Quit  ", command::Quit{}},
        ParsedCase{"OPEN /tmp/a b.dxf", command::Open{"/tmp/a b.dxf"}},
        ParsedCase{"open \" padded.dxf \"", command::Open{" padded.dxf "}},
        ParsedCase{"saveas site.dxf", command::SaveAs{"site.dxf", ""}},
        ParsedCase{"SAVEAS site.dxf r2013", command::SaveAs{"site.dxf", "R2013"}},
        ParsedCase{"SAVEAS \"my site.dxf\" AC1015", command::SaveAs{"my site.dxf", "R2000"}},
        ParsedCase{"SAVEAS site R2011.dxf", command::SaveAs{"site R2011.dxf", ""}},
        ParsedCase{"save", command::Save{}}, ParsedCase{"close", command::Close{}},
        ParsedCase{"undo", command::Undo{}}, ParsedCase{"REDO", command::Redo{}},
        ParsedCase{"luprec 0", command::SetPrecision{0}},
        ParsedCase{"LUPREC 8", command::SetPrecision{8}},
        ParsedCase{"ucs world", command::UcsWorld{}},
        ParsedCase{"ucs origin 1,2,3", command::UcsOrigin{ucsPoint(1, 2, 3)}},
        ParsedCase{"UCS ORIGIN *1,2,3", command::UcsOrigin{{PointEntry::Base::World, {1, 2, 3}}}},
        ParsedCase{"ucs x 90", command::UcsRotate{command::Axis::X, 90}},
        ParsedCase{"ucs Y -12.5", command::UcsRotate{command::Axis::Y, -12.5}},
        ParsedCase{"ucs z 30", command::UcsRotate{command::Axis::Z, 30}},
        ParsedCase{"ucs 3p 0,0,0; 1,0,0 ;0,1",
                   command::UcsThreePoint{ucsPoint(0, 0, 0), ucsPoint(1, 0, 0), ucsPoint(0, 1, 0)}},
        ParsedCase{"ucs save Site", command::UcsSave{"Site"}},
        ParsedCase{"ucs restore site", command::UcsRestore{"site"}},
        ParsedCase{"ucs delete Site", command::UcsDelete{"Site"}},
        ParsedCase{"point 1,2,3", command::AddPoint{ucsPoint(1, 2, 3)}},
        ParsedCase{"line 0,0,0 @10,0",
                   command::AddLine{ucsPoint(0, 0, 0), {PointEntry::Base::Relative, {10, 0, 0}}}},
        ParsedCase{"view top", command::SetView{StandardView::Top}},
        ParsedCase{"VIEW swiso", command::SetView{StandardView::SouthWestIso}},
        ParsedCase{"view SEIso", command::SetView{StandardView::SouthEastIso}},
        ParsedCase{"view plan", command::SetView{command::PlanView{}}},
        ParsedCase{"zoom extents", command::Zoom{}}, ParsedCase{"Z E", command::Zoom{}},
        ParsedCase{"z p", command::Zoom{command::Zoom::Kind::Previous, {}, {}}},
        ParsedCase{"zoom window", command::Zoom{command::Zoom::Kind::Window, {}, {}}},
        ParsedCase{"Z W 0,0 @5,5",
                   command::Zoom{command::Zoom::Kind::Window, ucsPoint(0, 0, 0),
                                 PointEntry{PointEntry::Base::Relative, {5, 5, 0}}}},
        // What a CAD user types without thinking: short names, and points asked for.
        ParsedCase{"l", command::DrawLines{}}, ParsedCase{"LINE", command::DrawLines{}},
        ParsedCase{"po", command::AddPoint{}}, ParsedCase{"layer", command::ShowLayers{}},
        ParsedCase{"LA", command::ShowLayers{}},
        ParsedCase{"PO 1,2", command::AddPoint{ucsPoint(1, 2, 0)}},
        ParsedCase{"u", command::Undo{}}, ParsedCase{"saveas", command::SaveAs{"", ""}},
        ParsedCase{"elevation", command::SetElevation{}},
        ParsedCase{"ELEV 45.25", command::SetElevation{45.25}},
        ParsedCase{"elevation -3", command::SetElevation{-3}},
        ParsedCase{"lwt", command::ShowLineWeights{}},
        ParsedCase{"LWT ON", command::ShowLineWeights{true}},
        ParsedCase{"lwt off ", command::ShowLineWeights{false}},
        ParsedCase{"Lwt oN", command::ShowLineWeights{true}}));

struct RefusedCase {
  const char* line;
  const char* mentions;  // a word the message must contain, so the user knows what is wrong
};

void PrintTo(const RefusedCase& c, std::ostream* out) {
  *out << '"' << c.line << '"';
}

class RefusedCommand : public testing::TestWithParam<RefusedCase> {};

TEST_P(RefusedCommand, SaysWhyInOneLine) {
  const auto parsed = parseCommand(GetParam().line, releaseNamed);
  ASSERT_TRUE(std::holds_alternative<EntryError>(parsed));
  const std::string& message = std::get<EntryError>(parsed).message;
  EXPECT_NE(message.find(GetParam().mentions), std::string::npos) << message;
  EXPECT_EQ(message.find('\n'), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Malformed, RefusedCommand,
    testing::Values(RefusedCase{"frobnicate", "frobnicate"}, RefusedCase{"new now", "NEW"},
                    RefusedCase{"open", "path"}, RefusedCase{"luprec", "LUPREC"},
                    RefusedCase{"luprec 9", "0 to 8"}, RefusedCase{"luprec -1", "0 to 8"},
                    RefusedCase{"luprec 2.5", "whole"}, RefusedCase{"ucs", "WORLD"},
                    RefusedCase{"ucs spin 3", "WORLD"}, RefusedCase{"ucs z", "degrees"},
                    RefusedCase{"ucs x ninety", "degrees"}, RefusedCase{"ucs origin", "point"},
                    RefusedCase{"ucs origin 1;2", "ORIGIN"},
                    RefusedCase{"ucs 3p 0,0,0;1,0,0", "three"},
                    RefusedCase{"ucs 3p 0,0,0;1,0,0;y", "Y-axis"}, RefusedCase{"ucs save", "name"},
                    RefusedCase{"ucs save two words", "name"}, RefusedCase{"point 1,2,x", "POINT"},
                    RefusedCase{"line 0,0,0", "two points"},
                    RefusedCase{"line 0,0,0 1,1,1 2,2,2", "two points"},
                    RefusedCase{"line 0,0 1;1", "LINE end"}, RefusedCase{"view back", "TOP"},
                    RefusedCase{"zoom", "EXTENTS"}, RefusedCase{"zoom out", "WINDOW"},
                    RefusedCase{"z w 0,0", "two corners"}, RefusedCase{"z e now", "ZOOM"},
                    RefusedCase{"elevation high", "height"}, RefusedCase{"elev 1e999", "height"},
                    RefusedCase{"lwt yes", "ON or OFF"}, RefusedCase{"lwt on now", "LWT"},
                    RefusedCase{"lwt 1", "OFF"}));

}  // namespace
}  // namespace host::view
