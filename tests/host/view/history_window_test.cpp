#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QScrollBar>

#include "host/view/history_window.h"
#include "host/view/window_fixture.h"

namespace host::view {
namespace {

class HistoryWindowTest : public WindowFixture {
 protected:
  void SetUp() override {
    WindowFixture::SetUp();
    type("point 1,2,3");
    type("zoom extents");
    history = window->findChild<HistoryWindow*>();
    ASSERT_NE(history, nullptr);
  }

  // F2 over the drawing; true when the history window shows afterwards.
  bool pressF2() {
    QTest::keyClick(view, Qt::Key_F2);
    return history->isVisible();
  }

  QString commandLineHistory() const { return window->commandLine()->history(); }

  HistoryWindow* history = nullptr;
};

TEST_F(HistoryWindowTest, F2ShowsTheSameHistoryInALargerWindow) {
  ASSERT_FALSE(history->isVisible());
  ASSERT_TRUE(pressF2());
  EXPECT_EQ(history->windowTitle(), "Command history");
  EXPECT_EQ(history->text()->toPlainText(), commandLineHistory());
  EXPECT_TRUE(history->text()->toPlainText().startsWith("Command: point 1,2,3"));
  EXPECT_GT(history->text()->height(), 4 * window->commandLine()->historyText()->height());
  EXPECT_FALSE(history->isModal());
}

TEST_F(HistoryWindowTest, F2AgainHidesItFromEitherWindow) {
  ASSERT_TRUE(pressF2());
  EXPECT_FALSE(pressF2());
  ASSERT_TRUE(pressF2());
  history->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(history));
  QTest::keyClick(history->text(), Qt::Key_F2);
  EXPECT_FALSE(history->isVisible());
}

TEST_F(HistoryWindowTest, EscClosesIt) {
  ASSERT_TRUE(pressF2());
  QTest::keyClick(history->text(), Qt::Key_Escape);
  EXPECT_FALSE(history->isVisible());
  EXPECT_TRUE(window->isVisible());
}

TEST_F(HistoryWindowTest, KeepsUpWhileTheUserGoesOnInTheDrawing) {
  ASSERT_TRUE(pressF2());
  type("point 4,5,6");
  EXPECT_EQ(history->text()->toPlainText(), commandLineHistory());
  EXPECT_TRUE(history->text()->toPlainText().endsWith("Command: point 4,5,6"));
  QScrollBar* bar = history->text()->verticalScrollBar();
  EXPECT_EQ(bar->value(), bar->maximum());
}

TEST_F(HistoryWindowTest, ShowsWhatCameWhileItWasClosed) {
  ASSERT_TRUE(pressF2());
  ASSERT_FALSE(pressF2());
  type("ucs world");
  ASSERT_TRUE(pressF2());
  EXPECT_EQ(history->text()->toPlainText(), commandLineHistory());
}

TEST_F(HistoryWindowTest, TextIsReadOnlyAndCopies) {
  ASSERT_TRUE(pressF2());
  history->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(history));
  HistoryText* text = history->text();
  QTest::keyClicks(text, "typed");
  QTest::keyClick(text, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(text, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(), commandLineHistory());
  EXPECT_EQ(text->toPlainText(), commandLineHistory());
}

}  // namespace
}  // namespace host::view
