#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>

#include "host/view/history_window.h"
#include "host/view/window_fixture.h"

namespace host::view {
namespace {

class HistoryWindowTest : public WindowFixture {
 protected:
  void SetUp() override {
    WindowFixture::SetUp();
    type("point 1,2,3");
    history = window->findChild<HistoryWindow*>();
    ASSERT_NE(history, nullptr);
  }

  // F2 over the drawing; true when the history window shows afterwards.
  bool pressF2() {
    QTest::keyClick(view, Qt::Key_F2);
    return history->isVisible();
  }

  QString shown() const { return history->text()->toPlainText(); }
  QString commandLineHistory() const { return window->commandLine()->history(); }

  HistoryWindow* history = nullptr;
};

TEST_F(HistoryWindowTest, F2ShowsTheSameHistoryLargerAndKeepsItUpToDate) {
  ASSERT_TRUE(pressF2());
  EXPECT_EQ(history->windowTitle(), "Command history");
  EXPECT_FALSE(history->isModal());
  EXPECT_TRUE(shown().startsWith("Command: point 1,2,3"));
  EXPECT_EQ(shown(), commandLineHistory());
  EXPECT_GT(history->text()->height(), 4 * window->commandLine()->historyText()->height());

  type("point 4,5,6");  // the drawing window goes on working
  EXPECT_EQ(shown(), commandLineHistory());

  ASSERT_FALSE(pressF2());
  type("ucs world");
  ASSERT_TRUE(pressF2());
  EXPECT_TRUE(shown().endsWith("Command: ucs world"));
  EXPECT_EQ(shown(), commandLineHistory());
}

TEST_F(HistoryWindowTest, IsReadOnlyAndCopies) {
  ASSERT_TRUE(pressF2());
  history->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(history));
  QTest::keyClicks(history->text(), "typed");
  QTest::keyClick(history->text(), Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(history->text(), Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(), commandLineHistory());
  EXPECT_EQ(shown(), commandLineHistory());
}

class HistoryWindowKey : public HistoryWindowTest, public testing::WithParamInterface<Qt::Key> {};

TEST_P(HistoryWindowKey, InTheHistoryWindowClosesIt) {
  ASSERT_TRUE(pressF2());
  history->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(history));
  QTest::keyClick(history->text(), GetParam());
  EXPECT_FALSE(history->isVisible());
  EXPECT_TRUE(window->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Keys, HistoryWindowKey, testing::Values(Qt::Key_Escape, Qt::Key_F2));

}  // namespace
}  // namespace host::view
