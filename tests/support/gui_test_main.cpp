// Entry point of the GUI test suites: a QApplication around GoogleTest, offscreen unless the
// caller chose a platform (test discovery runs the binary without the test environment), in
// a scratch folder of the process's own.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

#include "support/scratch_folder.h"

int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  testing_support::useOwnScratchFolder();
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
