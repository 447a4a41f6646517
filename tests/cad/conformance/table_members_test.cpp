// Text styles, block definitions and the drawing's settings.
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "cad/conformance/cad_members.h"

namespace conformance {
namespace {

std::vector<std::string> blockNames(cad::Document& document) {
  std::vector<std::string> names;
  for (const auto& block : document.Blocks()->Enumerate()) names.push_back(block->Name());
  return names;
}

// Moved here from the built-in host's table tests (a style added twice, made active).
TEST_P(CadTableMembers, ATextStyleIsAddedOnceAndCanBeMadeActive) {
  start();
  const cad::Ref<cad::TextStyle> style = document().TextStyles()->Add("mono25");
  style->fontFile("romans.shx");
  const cad::Ref<cad::TextStyle> same = document().TextStyles()->Add("MONO25");
  same->fontFile("monotxt.shx");
  EXPECT_EQ(style->fontFile(), "monotxt.shx");
  document().ActiveTextStyle(same);
  EXPECT_EQ(document().ActiveTextStyle()->fontFile(), "monotxt.shx");
}

// Names and files keep every character, beyond the basic plane too.
TEST_P(CadTableMembers, TextsKeepEveryCharacter) {
  start();
  const cad::Ref<cad::TextStyle> style = document().TextStyles()->Add("Straße");
  style->fontFile("schrift-ä€𝄞.shx");
  EXPECT_EQ(document().TextStyles()->Add("Straße")->fontFile(), "schrift-ä€𝄞.shx");
  document().Layers()->Add("Höhen €");
  EXPECT_EQ(document().Layers()->Item("Höhen €")->Name(), "Höhen €");
}

// Moved here from the Wine tests' start-up tests (the collection's own order).
TEST_P(CadTableMembers, BlocksAreEnumeratedInTheCollectionsOwnOrder) {
  start(withBlocks({"arrowx1", "Gully"}));
  EXPECT_EQ(blockNames(document()),
            (std::vector<std::string>{"*Model_Space", "*Paper_Space", "arrowx1", "Gully"}));
}

// Moved here from the built-in host's table tests (the arrow block defined once).
TEST_P(CadTableMembers, ABlockIsDefinedOnceWhateverTheCase) {
  start(withBlocks({"ArrowX1"}));
  EXPECT_EQ(document().Blocks()->Add({9, 9, 9}, "ARROWX1")->Name(), "ArrowX1");
  const cad::Ref<cad::BlockDefinition> marks = document().Blocks()->Add({0, 0, 0}, "Marks");
  EXPECT_EQ(marks->Name(), "Marks");
  EXPECT_TRUE(marks->Add3DPoly({0, 0, 0, 3, 0, 0, 1.75, 0.5, 0}));
  EXPECT_EQ(blockNames(document()),
            (std::vector<std::string>{"*Model_Space", "*Paper_Space", "ArrowX1", "Marks"}));
}

TEST_P(CadTableMembers, NumbersAreShownWithFourDecimals) {
  start();
  EXPECT_EQ(std::get<std::int32_t>(document().GetVariable("LUPREC")), 4);
}

}  // namespace
}  // namespace conformance
