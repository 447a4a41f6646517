#include <functional>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "host/automation/call_guard.h"
#include "host/automation/host_fixture.h"

namespace host {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

struct Refusal {
  std::string name;
  std::function<void(cad::Document&, cad::Entity& line)> call;
  std::string description;
};

void PrintTo(const Refusal& r, std::ostream* os) {
  *os << r.name;
}

class Refused : public HostFixture, public testing::WithParamInterface<Refusal> {};

// Every refused call fails as a failing method with a clear description, and the drawing,
// its undo history and its listeners see no change.
TEST_P(Refused, FailsAndLeavesTheDrawingUnchanged) {
  defineArrowBlock();
  document->UserCoordinateSystems()->Add({0, 0, 0}, {1, 0, 0}, {0, 1, 0}, "Site");
  auto line = modelSpace->AddLine({0, 0, 0}, {1, 0, 0});
  const auto lineBefore = std::get<model::Line>(drawing->entity({0, 0}).data);
  const std::size_t blocks = drawing->blocks().size();
  const std::size_t arrowEntities = drawing->blocks()[2].entities.size();
  int heard = 0;
  drawing->addListener([&] { ++heard; });
  drawing->undo();
  drawing->redo();
  heard = 0;

  try {
    GetParam().call(*document, *line);
    FAIL() << "accepted";
  } catch (const cad::AutomationError& error) {
    EXPECT_EQ(error.number(), kMethodFailed);
    EXPECT_EQ(error.description(), GetParam().description);
  }
  EXPECT_EQ(heard, 0);
  EXPECT_FALSE(drawing->canRedo());
  EXPECT_EQ(modelSpaceCount(), 1u);
  EXPECT_EQ(drawing->blocks().size(), blocks);
  EXPECT_EQ(drawing->blocks()[2].entities.size(), arrowEntities);
  EXPECT_EQ(drawing->ucsTable().size(), 1u);
  EXPECT_EQ(drawing->ucsTable()[0].frame, geom::Frame());
  const auto lineAfter = std::get<model::Line>(drawing->entity({0, 0}).data);
  EXPECT_EQ(lineAfter.end, lineBefore.end);
  EXPECT_EQ(drawing->layers().size(), 1u);
  EXPECT_EQ(drawing->layers()[0].colour, 7);
  EXPECT_EQ(drawing->entity({0, 0}).layer, 0u);
  EXPECT_EQ(drawing->entity({0, 0}).properties, model::EntityProperties());
}

cad::Ref<cad::ModelSpace> ms(cad::Document& d) {
  return d.ModelSpace();
}

Eigen::Matrix4d singular() {
  Eigen::Matrix4d m = Eigen::Matrix4d::Identity();
  m(1, 1) = 0;
  return m;
}

INSTANTIATE_TEST_SUITE_P(
    Calls, Refused,
    testing::Values(
        Refusal{"UnknownBlock",
                [](auto& d, auto&) {
                  ms(d)->InsertBlock({0, 0, 0}, "NoSuch", 1, 1, 1, 0);
                },
                "Invalid input: the block \"NoSuch\" does not exist"},
        Refusal{"ZeroScale",
                [](auto& d, auto&) {
                  ms(d)->InsertBlock({0, 0, 0}, "ARROWX1", 1, 0, 1, 0);
                },
                "Invalid input: the Y scale must not be 0"},
        Refusal{"NaNScale",
                [](auto& d, auto&) {
                  ms(d)->InsertBlock({0, 0, 0}, "ARROWX1", kNaN, 1, 1, 0);
                },
                "Invalid input: the X scale must be a finite number"},
        Refusal{"InfiniteInsertionPoint",
                [](auto& d, auto&) {
                  ms(d)->InsertBlock({kInf, 0, 0}, "ARROWX1", 1, 1, 1, 0);
                },
                "Invalid input: the insertion point must have finite coordinates"},
        Refusal{"ZeroTextHeight",
                [](auto& d, auto&) {
                  ms(d)->AddText("1", {0, 0, 0}, 0.0);
                },
                "Invalid input: the text height must be greater than 0"},
        Refusal{"NegativeTextHeight",
                [](auto& d, auto&) {
                  ms(d)->AddText("1", {0, 0, 0}, -2.0);
                },
                "Invalid input: the text height must be greater than 0"},
        Refusal{"ZeroEllipseAxis",
                [](auto& d, auto&) {
                  ms(d)->AddEllipse({0, 0, 0}, {0, 0, 0}, 0.5);
                },
                "Invalid input: the ellipse major axis must not have zero length"},
        Refusal{"NaNEllipseRatio",
                [](auto& d, auto&) {
                  ms(d)->AddEllipse({0, 0, 0}, {1, 0, 0}, kNaN);
                },
                "Invalid input: the ellipse radius ratio must be a finite number"},
        Refusal{"EllipseRatioAboveOne",
                [](auto& d, auto&) {
                  ms(d)->AddEllipse({0, 0, 0}, {1, 0, 0}, 1.5);
                },
                "Invalid input: the ellipse radius ratio must be greater than 0 and at most 1"},
        Refusal{"EllipseRatioZero",
                [](auto& d, auto&) {
                  ms(d)->AddEllipse({0, 0, 0}, {1, 0, 0}, 0.0);
                },
                "Invalid input: the ellipse radius ratio must be greater than 0 and at most 1"},
        Refusal{"NaNLine",
                [](auto& d, auto&) {
                  ms(d)->AddLine({0, kNaN, 0}, {1, 0, 0});
                },
                "Invalid input: the start point must have finite coordinates"},
        Refusal{"SingularMatrix", [](auto&, auto& line) { line.TransformBy(singular()); },
                "Invalid input: the transformation matrix must not be singular"},
        Refusal{"ZeroRotationAxis",
                [](auto&, auto& line) {
                  line.Rotate3D({1, 1, 1}, {1, 1, 1}, 1.0);
                },
                "Invalid input: the rotation axis must not have zero length"},
        Refusal{"ParallelUcsAxes",
                [](auto& d, auto&) {
                  d.UserCoordinateSystems()->Add({0, 0, 0}, {1, 1, 0}, {2, 2, 0}, "Site");
                },
                "Invalid input: the UCS X and Y axes must not be parallel"},
        Refusal{"ZeroUcsAxis",
                [](auto& d, auto&) {
                  d.UserCoordinateSystems()->Add({1, 0, 0}, {1, 0, 0}, {0, 1, 0}, "Site");
                },
                "Invalid input: the UCS X axis must not have zero length"},
        Refusal{"PolylineCountNotTriples",
                [](auto& d, auto&) {
                  d.Blocks()->Add({0, 0, 0}, "ArrowX1")->Add3DPoly(std::vector<double>(44, 0.0));
                },
                "Invalid input: a 3D polyline needs x, y, z triples for at least two vertices"},
        Refusal{"PolylineOneVertex",
                [](auto& d, auto&) {
                  d.Blocks()->Add({0, 0, 0}, "ArrowX1")->Add3DPoly({1, 2, 3});
                },
                "Invalid input: a 3D polyline needs x, y, z triples for at least two vertices"},
        Refusal{"UnknownVariable", [](auto& d, auto&) { d.GetVariable("NOSUCHVAR"); },
                "Invalid input: unknown system variable \"NOSUCHVAR\""},
        Refusal{"EmptyLayerName", [](auto& d, auto&) { d.Layers()->Add(""); },
                "Invalid input: a layer needs a name"},
        Refusal{"LayerNameWithSlash", [](auto& d, auto&) { d.Layers()->Add("Pegs/2"); },
                "Invalid input: the layer name \"Pegs/2\" must not hold any of "
                "<>/\\\":;?*|,=`"},
        Refusal{"MissingLayerItem", [](auto& d, auto&) { d.Layers()->Item("Levels"); },
                "Invalid input: the layer \"Levels\" does not exist"},
        Refusal{"LineToMissingLayer", [](auto&, auto& line) { line.Layer("Levels"); },
                "Invalid input: the layer \"Levels\" does not exist"},
        Refusal{"LineColourAboveByLayer", [](auto&, auto& line) { line.color(257); },
                "Invalid input: the colour must be 0 (ByBlock), a colour index from 1 to 255 or "
                "256 (ByLayer)"},
        Refusal{"LineColourNegative", [](auto&, auto& line) { line.color(-1); },
                "Invalid input: the colour must be 0 (ByBlock), a colour index from 1 to 255 or "
                "256 (ByLayer)"},
        Refusal{"LayerColourByLayer",
                [](auto& d, auto&) { d.Layers()->Item("0")->color(cad::kByLayer); },
                "Invalid input: a layer's colour must be a colour index from 1 to 255"},
        Refusal{"LayerColourByBlock", [](auto& d, auto&) { d.ActiveLayer()->color(cad::kByBlock); },
                "Invalid input: a layer's colour must be a colour index from 1 to 255"},
        Refusal{"UnknownCoordinateSystem",
                [](auto& d, auto&) {
                  d.Utility()->TranslateCoordinates({0, 0, 0}, 0, 2, 0);
                },
                "Invalid input: the coordinate system code must be 0 (world) or 1 (current "
                "UCS)"}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace host
