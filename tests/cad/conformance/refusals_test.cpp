// Calls the CAD program refuses: each fails with an automation error and changes nothing that
// the interface shows. The numbers and texts of the failures are each backend's own (the
// built-in host's refusal tests, the Wine tests' layer and failure tests).
#include <functional>
#include <string>
#include <vector>

#include "cad/conformance/cad_members.h"

namespace conformance {
namespace {

// A layer or style that is none of the drawing's own.
class ForeignLayer : public cad::Layer {
 public:
  std::string Name() override { return "Survey"; }
  cad::Color color() override { return 1; }
  void color(cad::Color) override {}
};

class ForeignStyle : public cad::TextStyle {
 public:
  std::string fontFile() override { return {}; }
  void fontFile(const std::string&) override {}
};

struct Refusal {
  std::string name;
  std::function<void(cad::Document&, cad::Entity& line)> call;
};

cad::Matrix4 singular() {
  cad::Matrix4 m = cad::Matrix4::Identity();
  m(1, 1) = 0;
  return m;
}

// In a drawing with the block "ArrowX1", the layer "Survey" and a line on layer "0".
const std::vector<Refusal> kRefusals = {
    {"unknown block",
     [](auto& d, auto&) {
       d.ModelSpace()->InsertBlock({0, 0, 0}, "NoSuch", 1, 1, 1, 0);
     }},
    {"zero scale",
     [](auto& d, auto&) {
       d.ModelSpace()->InsertBlock({0, 0, 0}, "ArrowX1", 1, 0, 1, 0);
     }},
    {"zero text height",
     [](auto& d, auto&) {
       d.ModelSpace()->AddText("1", {0, 0, 0}, 0.0);
     }},
    {"negative text height",
     [](auto& d, auto&) {
       d.ModelSpace()->AddText("1", {0, 0, 0}, -2.0);
     }},
    {"zero ellipse axis",
     [](auto& d, auto&) {
       d.ModelSpace()->AddEllipse({0, 0, 0}, {0, 0, 0}, 0.5);
     }},
    {"ellipse ratio above one",
     [](auto& d, auto&) {
       d.ModelSpace()->AddEllipse({0, 0, 0}, {1, 0, 0}, 1.5);
     }},
    {"ellipse ratio zero",
     [](auto& d, auto&) {
       d.ModelSpace()->AddEllipse({0, 0, 0}, {1, 0, 0}, 0.0);
     }},
    {"zero circle radius",
     [](auto& d, auto&) {
       d.ModelSpace()->AddCircle({0, 0, 0}, 0.0);
     }},
    {"singular matrix", [](auto&, auto& line) { line.TransformBy(singular()); }},
    {"zero rotation axis",
     [](auto&, auto& line) {
       line.Rotate3D({1, 1, 1}, {1, 1, 1}, 1.0);
     }},
    {"parallel UCS axes",
     [](auto& d, auto&) {
       d.UserCoordinateSystems()->Add({0, 0, 0}, {1, 1, 0}, {2, 2, 0}, "Site");
     }},
    {"zero UCS axis",
     [](auto& d, auto&) {
       d.UserCoordinateSystems()->Add({1, 0, 0}, {1, 0, 0}, {0, 1, 0}, "Site");
     }},
    {"polyline count not triples",
     [](auto& d, auto&) {
       d.Blocks()->Add({0, 0, 0}, "Marks")->Add3DPoly(std::vector<double>(44, 0.0));
     }},
    {"polyline of one vertex",
     [](auto& d, auto&) {
       d.Blocks()->Add({0, 0, 0}, "Marks")->Add3DPoly({1, 2, 3});
     }},
    {"unknown coordinate system",
     [](auto& d, auto&) {
       d.Utility()->TranslateCoordinates({0, 0, 0}, 0, 2, 0);
     }},
    {"empty layer name", [](auto& d, auto&) { d.Layers()->Add(""); }},
    {"missing layer", [](auto& d, auto&) { d.Layers()->Item("Levels"); }},
    {"line to a missing layer", [](auto&, auto& line) { line.Layer("Levels"); }},
    {"colour above ByLayer", [](auto&, auto& line) { line.color(257); }},
    {"negative colour", [](auto&, auto& line) { line.color(-1); }},
    {"layer coloured ByLayer",
     [](auto& d, auto&) { d.Layers()->Item("Survey")->color(cad::kByLayer); }},
    {"layer coloured ByBlock",
     [](auto& d, auto&) { d.Layers()->Item("Survey")->color(cad::kByBlock); }},
    {"no layer made active", [](auto& d, auto&) { d.ActiveLayer(cad::Ref<cad::Layer>()); }},
    {"a foreign layer made active",
     [](auto& d, auto&) {
       d.ActiveLayer(std::shared_ptr<cad::Layer>(std::make_shared<ForeignLayer>()));
     }},
    {"no style made active", [](auto& d, auto&) { d.ActiveTextStyle(cad::Ref<cad::TextStyle>()); }},
    {"a foreign style made active",
     [](auto& d, auto&) {
       d.ActiveTextStyle(std::shared_ptr<cad::TextStyle>(std::make_shared<ForeignStyle>()));
     }},
};

// Moved here from the Wine tests' layer tests (refused layer calls leave the line and the
// active layer as they were); the built-in host's refusal tests keep the texts and the undo
// history.
TEST_P(CadRefusals, RefusedCallsFailAndChangeNothing) {
  start(withBlocks({"ArrowX1"}));
  document().Layers()->Add("Survey");
  const cad::Ref<cad::Entity> line = modelSpace().AddLine({0, 0, 0}, {1, 0, 0});
  for (const Refusal& refusal : kRefusals) {
    EXPECT_THROW(refusal.call(document(), *line), cad::AutomationError) << refusal.name;
  }
  EXPECT_EQ(line->Layer(), "0");
  EXPECT_EQ(line->color(), cad::kByLayer);
  EXPECT_EQ(document().ActiveLayer()->Name(), "0");
  EXPECT_EQ(document().Layers()->Item("Survey")->color(), 7);
  EXPECT_EQ(std::get<std::string>(document().GetVariable("UCSNAME")), "");
}

// Moved here from the built-in host's layer tests: every character a layer name cannot hold,
// wherever it stands in the name.
TEST_P(CadRefusals, EveryCharacterALayerNameCannotHoldIsRefused) {
  start();
  for (const char forbidden : std::string("<>/\\\":;?*|,=`")) {
    const std::string c(1, forbidden);
    for (const std::string& name : {c, "Pegs" + c, c + "Pegs"}) {
      EXPECT_THROW(document().Layers()->Add(name), cad::AutomationError) << name;
      EXPECT_THROW(document().Layers()->Item(name), cad::AutomationError) << name << " was added";
    }
  }
}

}  // namespace
}  // namespace conformance
