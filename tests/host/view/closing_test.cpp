#include <gtest/gtest.h>

#include <QStringList>

#include "host/view/window_fixture.h"

namespace host::view {
namespace {

// The question about unsaved changes, answered by the test; it records whom it was asked about.
class Closing : public WindowFixture {
 protected:
  void SetUp() override {
    WindowFixture::SetUp();
    window->setSaveQuestion([this](const QString& name) {
      asked << name;
      return answer;
    });
    window->setSavePathQuestion([](const QString&) { return std::nullopt; });
    type("point 1,2,3");
  }

  SaveChoice answer = SaveChoice::Cancel;
  QStringList asked;
};

TEST_F(Closing, CancelKeepsAModifiedDrawingOpen) {
  EXPECT_FALSE(window->closeDrawing(view));
  EXPECT_EQ(asked, QStringList{"Drawing1"});
  EXPECT_EQ(window->views().size(), 1);
  EXPECT_TRUE(drawing->modified());
}

TEST_F(Closing, DiscardClosesItWithoutSaving) {
  answer = SaveChoice::Discard;
  type("close");
  EXPECT_EQ(asked.size(), 1);
  EXPECT_TRUE(window->views().isEmpty());
  EXPECT_TRUE(application->documents().empty());
}

TEST_F(Closing, SaveThatDoesNotHappenKeepsItOpen) {
  answer = SaveChoice::Save;  // and then no file name is given
  EXPECT_FALSE(window->closeDrawing(view));
  EXPECT_EQ(window->views().size(), 1);
}

TEST_F(Closing, UnmodifiedDrawingClosesWithoutAQuestion) {
  window->newDrawing();
  type("close");
  EXPECT_TRUE(asked.isEmpty());
  EXPECT_EQ(window->views().size(), 1);
}

TEST_F(Closing, QuitAsksAboutEveryModifiedDrawingAndCancelStopsIt) {
  window->newDrawing();
  type("point 0,0,0");
  window->newDrawing();  // left unmodified: not asked about
  type("quit");
  EXPECT_EQ(asked, QStringList{"Drawing1"});  // the first answer cancelled the quit
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(window->views().size(), 3);

  asked.clear();
  answer = SaveChoice::Discard;
  type("quit");
  EXPECT_EQ(asked, (QStringList{"Drawing1", "Drawing2"}));
  EXPECT_FALSE(window->isVisible());
  EXPECT_TRUE(application->documents().empty());
}

}  // namespace
}  // namespace host::view
