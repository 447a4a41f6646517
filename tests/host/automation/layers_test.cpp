#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "host/automation/call_guard.h"
#include "host/automation/host_entity.h"
#include "host/automation/host_fixture.h"

namespace host {
namespace {

// What a user can see of the line and the layer table after each call.
struct Seen {
  std::string lineLayer;
  int lineColour = 0;
  std::optional<std::uint32_t> lineTrueColour;
  std::string activeLayer;
  std::vector<std::string> layerNames;
  std::vector<int> layerColours;

  friend bool operator==(const Seen&, const Seen&) = default;
};

void PrintTo(const Seen& s, std::ostream* os) {
  *os << "line on " << s.lineLayer << " colour " << s.lineColour << ", active " << s.activeLayer
      << ", " << s.layerNames.size() << " layers";
}

class LayerFixture : public HostFixture {
 protected:
  LayerFixture() {
    survey = document->Layers()->Add("Survey");
    line = modelSpace->AddLine({0, 0, 0}, {1, 0, 0});
  }

  Seen seen() const {
    Seen s;
    const model::Entity& entity = drawing->entity({model::BlockTable::kModelSpace, 0});
    s.lineLayer = drawing->layers()[entity.layer].name;
    s.lineColour = entity.properties->colour.index;
    s.lineTrueColour = entity.properties->colour.trueColour;
    s.activeLayer = drawing->layers()[drawing->header().currentLayer].name;
    for (const auto& layer : drawing->layers().all()) {
      s.layerNames.push_back(layer.name);
      s.layerColours.push_back(layer.colour);
    }
    return s;
  }

  cad::Ref<cad::Layer> survey;
  cad::Ref<cad::Entity> line;
};

struct Change {
  std::string name;
  std::function<void(cad::Document&, cad::Entity& line)> call;
  std::function<void(Seen&)> expected;  // applied to what was seen before
};

void PrintTo(const Change& c, std::ostream* os) {
  *os << c.name;
}

class Changed : public LayerFixture, public testing::WithParamInterface<Change> {};

// Each call changes exactly what it should, as one undo step that undo and redo take back and
// forth, and listeners hear of it.
TEST_P(Changed, ChangesOneThingAsOneUndoStep) {
  const Seen before = seen();
  Seen want = before;
  GetParam().expected(want);
  int heard = 0;
  drawing->addListener([&] { ++heard; });

  GetParam().call(*document, *line);

  EXPECT_EQ(seen(), want);
  EXPECT_EQ(heard, 1);
  drawing->undo();
  EXPECT_EQ(seen(), before);
  drawing->redo();
  EXPECT_EQ(seen(), want);
}

INSTANTIATE_TEST_SUITE_P(
    Calls, Changed,
    testing::Values(
        Change{"AddLayer", [](auto& d, auto&) { d.Layers()->Add("Levels"); },
               [](Seen& s) {
                 s.layerNames.push_back("Levels");
                 s.layerColours.push_back(7);
               }},
        Change{"LineToLayer", [](auto&, auto& line) { line.Layer("SURVEY"); },
               [](Seen& s) { s.lineLayer = "Survey"; }},
        Change{"LineColourRed", [](auto&, auto& line) { line.color(1); },
               [](Seen& s) { s.lineColour = 1; }},
        Change{"LineColourByBlock", [](auto&, auto& line) { line.color(cad::kByBlock); },
               [](Seen& s) { s.lineColour = 0; }},
        Change{"LineColourLast", [](auto&, auto& line) { line.color(255); },
               [](Seen& s) { s.lineColour = 255; }},
        Change{"LayerColour", [](auto& d, auto&) { d.Layers()->Item("survey")->color(3); },
               [](Seen& s) { s.layerColours[1] = 3; }},
        Change{"ActiveLayer", [](auto& d, auto&) { d.ActiveLayer(d.Layers()->Item("Survey")); },
               [](Seen& s) { s.activeLayer = "Survey"; }}),
    [](const auto& info) { return info.param.name; });

TEST_F(LayerFixture, AnIndexColourReplacesATrueColour) {
  model::EntityProperties trueRed;
  trueRed.colour = model::Colour{1, 0xFF0000};
  drawing->setEntityProperties({model::BlockTable::kModelSpace, 0}, trueRed);
  line->color(5);
  EXPECT_EQ(line->color(), 5);
  EXPECT_EQ(seen().lineTrueColour, std::nullopt);
  drawing->undo();
  EXPECT_EQ(seen().lineTrueColour, 0xFF0000u);
}

// A new line on layer "0" coloured ByLayer, "0" active and a new layer coloured 7 are checked
// for every backend by the cad:: member suite (tests/cad/conformance/entity_members_test.cpp and
// layer_members_test.cpp).

TEST_F(LayerFixture, AddingAnExistingNameReturnsThatLayerAndChangesNothing) {
  survey->color(4);
  drawing->undo();  // leaves a step to redo, which a recorded change would drop
  const Seen before = seen();
  auto again = document->Layers()->Add("SURVEY");
  EXPECT_EQ(again->Name(), "Survey");
  EXPECT_EQ(again->color(), 7);
  EXPECT_EQ(seen(), before);
  EXPECT_TRUE(drawing->canRedo()) << "an undo step was recorded";
}

TEST_F(LayerFixture, EverythingAutomationAddsGoesOnTheActiveLayer) {
  defineArrowBlock();
  document->ActiveLayer(survey);
  EXPECT_EQ(document->ActiveLayer()->Name(), "Survey");
  std::vector<cad::Ref<cad::Entity>> added = {
      modelSpace->AddLine({0, 0, 0}, {1, 1, 1}),
      modelSpace->AddText("0.5", {0, 0, 0}, 1.0),
      modelSpace->AddEllipse({0, 0, 0}, {1, 0, 0}, 0.5),
      modelSpace->InsertBlock({0, 0, 0}, "ArrowX1", 1, 1, 1, 0),
      document->Blocks()->Add({0, 0, 0}, "Marks")->Add3DPoly({0, 0, 0, 1, 1, 1}),
  };
  for (auto& entity : added) {
    EXPECT_EQ(entity->Layer(), "Survey");
    EXPECT_EQ(drawing->layers()[modelEntity(entity).layer].name, "Survey");
  }
  EXPECT_EQ(line->Layer(), "0") << "the line drawn before stays where it was";
}

TEST_F(LayerFixture, ObjectsOfUndoneAdditionsFail) {
  drawing->undo();  // the line
  drawing->undo();  // the layer
  for (const auto& call : std::vector<std::function<void()>>{
           [&] { line->Layer(); },
           [&] { line->color(1); },
           [&] { survey->Name(); },
           [&] { survey->color(2); },
           [&] { document->ActiveLayer(survey); },
       }) {
    EXPECT_THROW(call(), cad::AutomationError);
  }
  EXPECT_EQ(drawing->layers().size(), 1u);
  EXPECT_EQ(drawing->header().currentLayer, 0u);
}

// Every character a layer name cannot hold is refused wherever it stands in the name.
TEST_F(LayerFixture, EveryForbiddenCharacterIsRefused) {
  for (const char forbidden : std::string("<>/\\\":;?*|,=`")) {
    for (const std::string& name : {std::string(1, forbidden), "Pegs" + std::string(1, forbidden),
                                    std::string(1, forbidden) + "Pegs"}) {
      try {
        document->Layers()->Add(name);
        ADD_FAILURE() << "accepted " << name;
      } catch (const cad::AutomationError& error) {
        EXPECT_EQ(error.number(), kMethodFailed);
        EXPECT_NE(error.description().find(name), std::string::npos) << error.description();
      }
    }
  }
  EXPECT_EQ(drawing->layers().size(), 2u);
  EXPECT_NO_THROW(document->Layers()->Add("Pegs - set out (2)"));
}

TEST_F(LayerFixture, ALayerOfAnotherDrawingCannotBeMadeActive) {
  auto other = HostApplication::withNewDrawing()->ActiveDocument();
  EXPECT_THROW(document->ActiveLayer(other->Layers()->Add("Survey")), cad::AutomationError);
  EXPECT_THROW(document->ActiveLayer(cad::Ref<cad::Layer>()), cad::AutomationError);
  EXPECT_EQ(drawing->header().currentLayer, 0u);
}

}  // namespace
}  // namespace host
