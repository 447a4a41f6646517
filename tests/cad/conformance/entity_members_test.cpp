// Model space's additions and what an entity answers and accepts afterwards.
#include <functional>
#include <numbers>
#include <string>
#include <vector>

#include "cad/conformance/cad_members.h"

namespace conformance {
namespace {

struct Addition {
  std::string name;
  std::function<cad::Ref<cad::Entity>(cad::ModelSpace&)> add;
};

// Every way model space draws, in a drawing that defines the block "ArrowX1".
const std::vector<Addition> kAdditions = {
    {"AddLine",
     [](auto& ms) {
       return ms.AddLine({0, 0, 0}, {1, 1, 1});
     }},
    {"AddCircle",
     [](auto& ms) {
       return ms.AddCircle({1, 2, 0}, 0.5);
     }},
    {"AddText",
     [](auto& ms) {
       return ms.AddText("0.5", {0, 0, 0}, 1.0);
     }},
    {"AddEllipse",
     [](auto& ms) {
       return ms.AddEllipse({0, 0, 0}, {1, 0, 0}, 0.5);
     }},
    {"InsertBlock",
     [](auto& ms) {
       return ms.InsertBlock({2, 3, 4}, "ArrowX1", 1, 1, 1, 0);
     }},
    {"InsertBlock in another case",
     [](auto& ms) {
       return ms.InsertBlock({0, 0, 0}, "ARROWX1", 0.5, 0.5, 0.5, 1.0);
     }},
};

StartingDrawing withArrowBlock() {
  return withBlocks({"ArrowX1"});
}

// Moved here from the built-in host's layer tests (a new line) and the Wine tests' layer
// tests (a new line's layer and colour).
TEST_P(CadMembers, EveryAdditionIsOnLayerZeroColouredByLayer) {
  start(withArrowBlock());
  for (const Addition& addition : kAdditions) {
    SCOPED_TRACE(addition.name);
    const cad::Ref<cad::Entity> entity = addition.add(modelSpace());
    ASSERT_TRUE(entity);
    EXPECT_EQ(entity->Layer(), "0");
    EXPECT_EQ(entity->color(), cad::kByLayer);
  }
}

TEST_P(CadMembers, AnEntityIsPlacedTurnedHighlightedAndDeleted) {
  start(withArrowBlock());
  for (const Addition& addition : kAdditions) {
    SCOPED_TRACE(addition.name);
    const cad::Ref<cad::Entity> entity = addition.add(modelSpace());
    EXPECT_NO_THROW(entity->TransformBy(document().ActiveUCS()->GetUCSMatrix()));
    EXPECT_NO_THROW(entity->Rotate3D({0, 0, 0}, {1, 0, 0}, std::numbers::pi / 2));
    EXPECT_NO_THROW(entity->Highlight(true));
    EXPECT_NO_THROW(entity->Highlight(false));
    EXPECT_NO_THROW(entity->Delete());
  }
}

// Moved here from the built-in host's layer tests (colour changes) and the Wine tests' layer
// tests (a line coloured red, by block).
TEST_P(CadMembers, AnEntityKeepsTheColourItIsGiven) {
  start();
  const cad::Ref<cad::Entity> line = modelSpace().AddLine({0, 0, 0}, {1, 0, 0});
  for (const cad::Color colour : {1, cad::kByBlock, 255, 7, cad::kByLayer}) {
    SCOPED_TRACE(colour);
    line->color(colour);
    EXPECT_EQ(line->color(), colour);
  }
}

struct LaterCall {
  std::string name;
  std::function<void(cad::Entity&)> call;
};

// Moved here from the Wine tests of deleting an entity and of highlighting; the built-in host's
// window tests keep that a refused highlight reaches no window.
TEST_P(CadRefusals, ADeletedEntityRefusesEveryLaterCall) {
  start();
  const cad::Ref<cad::Entity> circle = modelSpace().AddCircle({1, 2, 3}, 0.5);
  circle->Delete();
  for (const LaterCall& later : std::vector<LaterCall>{
           {"Delete", [](auto& e) { e.Delete(); }},
           {"TransformBy", [](auto& e) { e.TransformBy(cad::Matrix4::Identity()); }},
           {"Rotate3D",
            [](auto& e) {
              e.Rotate3D({0, 0, 0}, {0, 0, 1}, 1.0);
            }},
           {"Highlight", [](auto& e) { e.Highlight(true); }},
           {"Layer", [](auto& e) { e.Layer(); }},
           {"color", [](auto& e) { e.color(1); }},
       }) {
    EXPECT_THROW(later.call(*circle), cad::AutomationError) << later.name;
  }
}

}  // namespace
}  // namespace conformance
