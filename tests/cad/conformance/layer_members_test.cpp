// The layer table, the active layer, and an entity's layer.
#include <string>
#include <vector>

#include "cad/conformance/cad_members.h"

namespace conformance {
namespace {

// Moved here from the built-in host's layer tests (adding an existing name) and the Wine
// tests' layer tests (a new layer, an existing layer, a layer's colour).
TEST_P(CadTableMembers, ALayerIsAddedOnceWhateverTheCase) {
  start();
  const cad::Ref<cad::Layer> survey = document().Layers()->Add("Survey");
  EXPECT_EQ(survey->Name(), "Survey");
  EXPECT_EQ(survey->color(), 7);
  survey->color(4);
  const cad::Ref<cad::Layer> again = document().Layers()->Add("SURVEY");
  EXPECT_EQ(again->Name(), "Survey");
  EXPECT_EQ(again->color(), 4) << "adding it again changed it";
  EXPECT_EQ(document().Layers()->Item("survey")->Name(), "Survey");
  EXPECT_EQ(document().Layers()->Add("Pegs - set out (2)")->Name(), "Pegs - set out (2)");
}

TEST_P(CadTableMembers, ALayerKeepsTheColourItIsGiven) {
  start();
  const cad::Ref<cad::Layer> layer = document().Layers()->Item("0");
  for (const cad::Color colour : {1, 3, 255}) {
    SCOPED_TRACE(colour);
    layer->color(colour);
    EXPECT_EQ(document().Layers()->Item("0")->color(), colour);
  }
}

// Moved here from the Wine tests' layer tests (a line moved to another layer).
TEST_P(CadTableMembers, AnEntityGoesOnALayerNamedInAnyCase) {
  start();
  document().Layers()->Add("Survey");
  const cad::Ref<cad::Entity> line = modelSpace().AddLine({0, 0, 0}, {1, 0, 0});
  line->Layer("SURVEY");
  EXPECT_EQ(line->Layer(), "Survey");
  line->Layer("0");
  EXPECT_EQ(line->Layer(), "0");
}

// Moved here from the Wine tests' layer tests (the active layer, changed, a line drawn on it).
// The built-in host's layer tests keep that the drawing's entities record that layer.
TEST_P(CadTableMembers, EverythingDrawnGoesOnTheActiveLayer) {
  start(withBlocks({"ArrowX1"}));
  const cad::Ref<cad::Entity> before = modelSpace().AddLine({0, 0, 0}, {1, 0, 0});
  EXPECT_EQ(document().ActiveLayer()->Name(), "0");
  document().ActiveLayer(document().Layers()->Add("Levels"));
  EXPECT_EQ(document().ActiveLayer()->Name(), "Levels");
  const std::vector<cad::Ref<cad::Entity>> drawn = {
      modelSpace().AddLine({0, 0, 0}, {1, 1, 1}),
      modelSpace().AddCircle({0, 0, 0}, 2.0),
      modelSpace().AddText("0.5", {0, 0, 0}, 1.0),
      modelSpace().AddEllipse({0, 0, 0}, {1, 0, 0}, 0.5),
      modelSpace().InsertBlock({0, 0, 0}, "ArrowX1", 1, 1, 1, 0),
      document().Blocks()->Add({0, 0, 0}, "Marks")->Add3DPoly({0, 0, 0, 1, 1, 1}),
  };
  for (std::size_t i = 0; i < drawn.size(); ++i) {
    EXPECT_EQ(drawn[i]->Layer(), "Levels") << "entity " << i;
  }
  EXPECT_EQ(before->Layer(), "0") << "the line drawn before stays where it was";
}

}  // namespace
}  // namespace conformance
