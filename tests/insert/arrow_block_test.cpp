#include "insert/arrow_block.h"

#include <gtest/gtest.h>

namespace {

// Start-up defines the block only when no block of the drawing already answers to its name.
TEST(ArrowBlockName, MatchesWhateverTheCaseButNothingElse) {
  for (const char* name : {"ArrowX1", "ARROWX1", "arrowx1", "aRrOwX1"}) {
    EXPECT_TRUE(insert::isArrowBlockName(name)) << name;
  }
  for (const char* name : {"", "ArrowX", "ArrowX12", " ArrowX1", "ArrowXl", "*Model_Space"}) {
    EXPECT_FALSE(insert::isArrowBlockName(name)) << name;
  }
}

}  // namespace
