#include <filesystem>

#include <gtest/gtest.h>

#include <QFile>
#include <QStatusBar>
#include <QTemporaryDir>

#include "host/geom/vector_near.h"
#include "host/view/window_fixture.h"

namespace host::view {
namespace {

class Files : public WindowFixture {
 protected:
  void SetUp() override {
    WindowFixture::SetUp();
    ASSERT_TRUE(folder.isValid());
    type("line 1,2,3 4,5,6");
  }
  QString pathOf(const QString& name) const { return folder.filePath(name); }

  QTemporaryDir folder;
};

TEST_F(Files, SavedDrawingOpensAgainWithItsGeometry) {
  type("saveas " + pathOf("site.dxf"));
  EXPECT_EQ(window->windowTitle(), "site.dxf[*] - Kestova CAD");
  EXPECT_FALSE(window->isWindowModified());

  type("open " + pathOf("site.dxf"));
  ASSERT_EQ(window->views().size(), 2);
  DrawingView* opened = window->activeView();
  ASSERT_NE(opened, view);
  EXPECT_EQ(application->activeModel(), opened->document());
  const auto& entities = opened->document()->blocks()[model::BlockTable::kModelSpace].entities;
  ASSERT_EQ(entities.size(), 1u);
  const auto* line = std::get_if<model::Line>(&entities[0].data);
  ASSERT_NE(line, nullptr);
  EXPECT_TRUE(vectorNear(line->start, {1, 2, 3}));
  EXPECT_TRUE(vectorNear(line->end, {4, 5, 6}));
}

TEST_F(Files, FileThatCannotBeReadIsReportedAndOpensNothing) {
  type("open " + pathOf("missing.dxf"));
  EXPECT_EQ(window->views().size(), 1);
  EXPECT_TRUE(window->commandLine()->history().contains("Cannot open"));
}

TEST_F(Files, SaveAnswerToTheCloseQuestionSavesThenCloses) {
  window->setSaveQuestion([](const QString&) { return SaveChoice::Save; });
  window->setSavePathQuestion([this](const QString& name) { return pathOf(name + ".dxf"); });
  type("close");
  EXPECT_TRUE(window->views().isEmpty());
  EXPECT_TRUE(std::filesystem::exists(pathOf("Drawing1.dxf").toStdString()));
}

TEST_F(Files, SaveThatFailsKeepsTheDrawingModified) {
  type("saveas " + pathOf("no/such/folder/site.dxf"));
  EXPECT_TRUE(window->isWindowModified());
  EXPECT_TRUE(window->commandLine()->history().contains("Cannot save"));
}

// A file cut off after its line: the drawing opens with the line, and the user is told where
// the file ends, once.
TEST_F(Files, FileThatEndsEarlyOpensWithAWarningOnce) {
  QFile cut(pathOf("cut.dxf"));
  ASSERT_TRUE(cut.open(QIODevice::WriteOnly));
  cut.write("0\nSECTION\n2\nENTITIES\n0\nLINE\n8\n0\n10\n1\n20\n2\n11\n3\n21\n4\n");
  cut.close();
  const QString warning = "cut.dxf: the file ends early after line 16: what follows is missing";

  type("open " + pathOf("cut.dxf"));
  ASSERT_EQ(window->views().size(), 2);
  EXPECT_EQ(
      window->activeView()->document()->blocks()[model::BlockTable::kModelSpace].entities.size(),
      1u);
  EXPECT_EQ(window->statusBar()->currentMessage(), warning);
  EXPECT_EQ(window->commandLine()->history().count(warning), 1);

  type("saveas " + pathOf("mended.dxf"));
  EXPECT_EQ(window->commandLine()->history().count("ends early"), 1);
}

}  // namespace
}  // namespace host::view
