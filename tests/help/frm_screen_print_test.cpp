#include "help/frm_screen_print.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontInfo>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTest>

namespace {

// Pixel sizes below are the design's twips divided by 15, the ratio at 96 dpi.
class DesignedNotesWindow : public testing::Test {
 protected:
  void SetUp() override { ASSERT_DOUBLE_EQ(window.screen()->logicalDotsPerInchY(), 96.0); }
  help::frmScreenPrint window;
};

TEST_F(DesignedNotesWindow, IsAFixedDialogPlacedAsDesigned) {
  EXPECT_EQ(window.windowTitle(), "Kestova for AutoCAD Notes");
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  EXPECT_EQ(window.geometry(), QRect(29, 48, 545, 508));
  EXPECT_EQ(window.minimumSize(), window.maximumSize());
  EXPECT_FALSE(window.isSizeGripEnabled());
}

TEST_F(DesignedNotesWindow, HasACloseBoxButNoMinimiseOrMaximise) {
  const Qt::WindowFlags flags = window.windowFlags();
  EXPECT_EQ(window.windowType(), Qt::Dialog);
  EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
  EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
  EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
}

TEST_F(DesignedNotesWindow, Text1IsTheOnlyControlEmptyAndEditable) {
  const auto controls = window.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
  ASSERT_EQ(controls.size(), 1);
  EXPECT_EQ(controls.front(), window.Text1());
  // Slightly wider than the client area, as designed; the window clips it.
  EXPECT_EQ(window.Text1()->geometry(), QRect(0, 0, 547, 505));
  EXPECT_TRUE(window.Text1()->toPlainText().isEmpty());
  EXPECT_FALSE(window.Text1()->isReadOnly());
}

TEST_F(DesignedNotesWindow, Text1WrapsAtItsWidthWithAVerticalScrollBarOnly) {
  EXPECT_EQ(window.Text1()->lineWrapMode(), QPlainTextEdit::WidgetWidth);
  EXPECT_EQ(window.Text1()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  EXPECT_EQ(window.Text1()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
}

TEST_F(DesignedNotesWindow, Text1AsksForTheNotesFaceAndFallsBackToAFixedPitchOne) {
  const QFont font = window.Text1()->font();
  EXPECT_EQ(font.family(), "Monospac821 BT");
  EXPECT_DOUBLE_EQ(font.pointSizeF(), 8.25);
  EXPECT_EQ(font.weight(), QFont::Normal);
  // What the user actually sees, whether or not the face is installed.
  EXPECT_TRUE(QFontInfo(font).fixedPitch()) << QFontInfo(font).family().toStdString();
}

TEST_F(DesignedNotesWindow, Text1HoldsTheFocusWhenShown) {
  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  EXPECT_TRUE(window.Text1()->hasFocus());
}

TEST(NotesWindowIcon, IsTheApplicationIcon) {
  QPixmap pixmap(16, 16);
  pixmap.fill(Qt::black);
  const QIcon appIcon(pixmap);
  QApplication::setWindowIcon(appIcon);
  help::frmScreenPrint window;
  EXPECT_EQ(window.windowIcon().cacheKey(), appIcon.cacheKey());
  QApplication::setWindowIcon(QIcon());
}

}  // namespace
