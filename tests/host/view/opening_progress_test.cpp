#include <chrono>
#include <fstream>
#include <string>

#include <gtest/gtest.h>

#include <QProgressDialog>
#include <QTemporaryDir>
#include <QTimer>

#include "host/view/window_fixture.h"

namespace host::view {
namespace {

// A drawing file of a few megabytes, long enough to report its progress several times.
void writeLargeDrawing(const std::string& path) {
  std::ofstream out(path);
  out << "0\nSECTION\n2\nENTITIES\n";
  for (int i = 0; i < 40000; ++i) {
    out << "0\nLINE\n8\n0\n10\n" << i << "\n20\n0\n30\n0\n11\n" << i << "\n21\n1\n31\n0\n";
  }
  out << "0\nENDSEC\n0\nEOF\n";
}

struct OpeningCase {
  const char* name;
  bool cancel;
};

class OpeningProgress : public WindowFixture, public testing::WithParamInterface<OpeningCase> {};

// The progress shows at once here (no delay), so that the test sees it whatever the machine's
// speed; the user sees it only for a read that takes longer than half a second.
TEST_P(OpeningProgress, ShowsTheFileNameAndCancelLeavesTheOpenDrawingsAlone) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  const QString path = folder.filePath("large.dxf");
  writeLargeDrawing(path.toStdString());
  window->setLoadProgressDelay(std::chrono::milliseconds(0));

  QString shownLabel;
  QTimer::singleShot(0, [&] {
    auto* dialog = window->findChild<QProgressDialog*>();
    if (!dialog || !dialog->isVisible()) return;
    shownLabel = dialog->labelText();
    if (GetParam().cancel) dialog->cancel();
  });
  const bool opened = window->openFile(path);

  EXPECT_TRUE(shownLabel.contains("large.dxf")) << shownLabel.toStdString();
  EXPECT_EQ(opened, !GetParam().cancel);
  EXPECT_EQ(window->views().size(), GetParam().cancel ? 1 : 2);
  EXPECT_EQ(application->documents().size(), GetParam().cancel ? 1u : 2u);
  EXPECT_EQ(application->activeModel() == drawing, GetParam().cancel);
  EXPECT_EQ(window->commandLine()->history().contains("Cancelled opening"), GetParam().cancel);
  EXPECT_EQ(window->findChild<QProgressDialog*>(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Files, OpeningProgress,
                         testing::Values(OpeningCase{"Completed", false},
                                         OpeningCase{"Cancelled", true}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace host::view
