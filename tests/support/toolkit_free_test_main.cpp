// Entry point of the test suites that need no toolkit: GoogleTest in a scratch folder of the
// process's own.
#include <gtest/gtest.h>

#include "support/scratch_folder.h"

int main(int argc, char** argv) {
  testing_support::useOwnScratchFolder();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
