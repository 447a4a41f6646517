#include <ostream>

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QStringList>
#include <QTabBar>

#include "host/view/window_fixture.h"

namespace host::view {
namespace {

struct CloseCase {
  const char* name;
  bool modified;
  SaveChoice answer;
  bool asks;
  bool closes;
};

void PrintTo(const CloseCase& c, std::ostream* out) {
  *out << c.name;
}

// The close buttons on the drawing tabs, with the question about unsaved changes answered by
// the test.
class TabClose : public AnsweringWindowFixture, public testing::WithParamInterface<CloseCase> {
 protected:
  void clickCloseButton(int tab) {
    auto* bar = window->findChild<QTabBar*>();
    QWidget* button = bar->tabButton(tab, QTabBar::RightSide);
    if (!button) button = bar->tabButton(tab, QTabBar::LeftSide);
    ASSERT_NE(qobject_cast<QAbstractButton*>(button), nullptr);
    QTest::mouseClick(button, Qt::LeftButton);
  }
};

TEST_P(TabClose, ButtonClosesTheDrawingAsFileCloseDoes) {
  if (GetParam().modified) type("point 1,2,3");
  answer = GetParam().answer;
  clickCloseButton(0);
  EXPECT_EQ(asked, GetParam().asks ? QStringList{"Drawing1"} : QStringList{});
  EXPECT_EQ(window->views().isEmpty(), GetParam().closes);
  EXPECT_EQ(application->documents().empty(), GetParam().closes);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, TabClose,
    testing::Values(CloseCase{"UnmodifiedWithoutAQuestion", false, SaveChoice::Cancel, false, true},
                    CloseCase{"ModifiedAndCancelled", true, SaveChoice::Cancel, true, false},
                    CloseCase{"ModifiedAndDiscarded", true, SaveChoice::Discard, true, true},
                    CloseCase{"ModifiedAndNotSaved", true, SaveChoice::Save, true, false}),
    [](const auto& info) { return std::string(info.param.name); });

using TabCloseBehind = TabClose;

TEST_F(TabCloseBehind, ClosesItsOwnDrawingNotTheOneInFront) {
  type("point 1,2,3");
  window->newDrawing();
  DrawingView* second = window->activeView();
  answer = SaveChoice::Discard;
  clickCloseButton(0);
  EXPECT_EQ(asked, QStringList{"Drawing1"});
  EXPECT_EQ(window->views(), QList<DrawingView*>{second});
}

}  // namespace
}  // namespace host::view
