#include <ostream>
#include <vector>

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QScrollBar>
#include <QSplitter>
#include <QStringList>
#include <QTest>
#include <QTextBlock>

#include "host/view/command_line.h"
#include "host/view/window_fixture.h"

namespace host::view {
namespace {

// The command line on its own, shown offscreen, recording what it hands on.
class CommandLineTest : public testing::Test {
 protected:
  void SetUp() override {
    line.resize(600, 200);
    line.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&line));
    QObject::connect(&line, &CommandLine::submitted,
                     [this](const QString& text) { submitted << text; });
  }

  void enter(const QString& text) {
    QTest::keyClicks(line.input(), text);
    QTest::keyClick(line.input(), Qt::Key_Return);
  }

  // The text of the line at the top of the history as it shows.
  QString topLine() const {
    HistoryText* history = line.historyText();
    return history->cursorForPosition(QPoint(4, 4)).block().text();
  }

  CommandLine line;
  QStringList submitted;
};

struct RecallCase {
  const char* name;
  QStringList entered;
  std::vector<Qt::Key> keys;
  QString shown;
};

void PrintTo(const RecallCase& c, std::ostream* out) {
  *out << c.name;
}

class Recall : public CommandLineTest, public testing::WithParamInterface<RecallCase> {};

TEST_P(Recall, UpAndDownStepThroughWhatWasEntered) {
  for (const QString& entry : GetParam().entered) enter(entry);
  for (Qt::Key key : GetParam().keys) QTest::keyClick(line.input(), key);
  EXPECT_EQ(line.input()->text(), GetParam().shown);
}

const QStringList kThree = {"POINT 1,2", "ZOOM EXTENTS", "SAVEAS site plan.dxf"};

INSTANTIATE_TEST_SUITE_P(
    Entries, Recall,
    testing::Values(
        RecallCase{"UpShowsTheNewest", kThree, {Qt::Key_Up}, "SAVEAS site plan.dxf"},
        RecallCase{"UpAgainGoesBack", kThree, {Qt::Key_Up, Qt::Key_Up}, "ZOOM EXTENTS"},
        RecallCase{"StopsAtTheOldest", kThree, std::vector(5, Qt::Key_Up), "POINT 1,2"},
        RecallCase{"DownGoesForward",
                   kThree,
                   {Qt::Key_Up, Qt::Key_Up, Qt::Key_Down},
                   "SAVEAS site plan.dxf"},
        RecallCase{"PastTheNewestIsEmpty", kThree, {Qt::Key_Up, Qt::Key_Down}, ""},
        RecallCase{"DownAloneStaysEmpty", kThree, {Qt::Key_Down}, ""},
        RecallCase{"NothingEnteredNothingRecalled", {}, {Qt::Key_Up}, ""},
        RecallCase{"RepeatsAreKeptOnce", {"A", "A", "B", "B"}, std::vector(3, Qt::Key_Up), "A"},
        RecallCase{"RepeatsApartAreKept", {"A", "B", "A"}, std::vector(3, Qt::Key_Up), "A"},
        RecallCase{"EmptyEntriesAreNotKept", {"A", "", "B"}, std::vector(2, Qt::Key_Up), "A"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CommandLineTest, RecallStartsFromTheNewestAfterEachEntry) {
  enter("A");
  enter("B");
  QTest::keyClick(line.input(), Qt::Key_Up);
  QTest::keyClick(line.input(), Qt::Key_Up);
  QTest::keyClick(line.input(), Qt::Key_Return);  // "A" again
  QTest::keyClick(line.input(), Qt::Key_Up);
  EXPECT_EQ(line.input()->text(), "A");
  QTest::keyClick(line.input(), Qt::Key_Up);
  EXPECT_EQ(line.input()->text(), "B");
  EXPECT_EQ(submitted, (QStringList{"A", "B", "A"}));
}

struct SpaceCase {
  const char* name;
  QString before;
  Qt::KeyboardModifiers modifiers;
  QStringList submitted;
  QString entry;
};

void PrintTo(const SpaceCase& c, std::ostream* out) {
  *out << c.name;
}

class Space : public CommandLineTest, public testing::WithParamInterface<SpaceCase> {};

TEST_P(Space, ConfirmsOnlyAnEmptyEntry) {
  QTest::keyClicks(line.input(), GetParam().before);
  QTest::keyClick(line.input(), Qt::Key_Space, GetParam().modifiers);
  EXPECT_EQ(submitted, GetParam().submitted);
  EXPECT_EQ(line.input()->text(), GetParam().entry);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, Space,
    testing::Values(SpaceCase{"InAnEmptyEntryIsEnter", "", Qt::NoModifier, {""}, ""},
                    SpaceCase{"WithShiftToo", "", Qt::ShiftModifier, {""}, ""},
                    SpaceCase{"AfterTextIsABlank", "SAVEAS my", Qt::NoModifier, {}, "SAVEAS my "},
                    SpaceCase{"WithShiftAfterTextIsABlank", "a", Qt::ShiftModifier, {}, "a "}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CommandLineTest, SpaceOnEmptyShowsThePromptInTheHistory) {
  QTest::keyClick(line.input(), Qt::Key_Space);
  EXPECT_EQ(line.history(), "Command: ");
}

TEST_F(CommandLineTest, PathsWithBlanksAreTypedWhole) {
  enter("SAVEAS my site/plan 2.dxf");
  EXPECT_EQ(submitted, QStringList{"SAVEAS my site/plan 2.dxf"});
}

TEST_F(CommandLineTest, HistoryFollowsNewLinesUnlessScrolledBack) {
  QScrollBar* bar = line.historyText()->verticalScrollBar();
  for (int i = 0; i < 40; ++i) line.appendHistory(QString("line %1").arg(i));
  EXPECT_EQ(bar->value(), bar->maximum());
  EXPECT_GT(bar->maximum(), 0);

  bar->setValue(10);
  const QString reading = topLine();
  line.appendHistory("said while reading");
  EXPECT_EQ(bar->value(), 10);
  EXPECT_EQ(topLine(), reading);

  bar->setValue(bar->maximum());
  line.appendHistory("followed again");
  EXPECT_EQ(bar->value(), bar->maximum());
}

TEST_F(CommandLineTest, ScrolledBackStaysOnItsLinesWhenTheOldestGo) {
  for (int i = 0; i < HistoryText::kMaximumLines; ++i) line.appendHistory(QString::number(i));
  QScrollBar* bar = line.historyText()->verticalScrollBar();
  bar->setValue(200);
  const QString reading = topLine();
  for (int i = 0; i < 50; ++i) line.appendHistory("new");
  EXPECT_EQ(topLine(), reading);
  EXPECT_EQ(line.historyText()->blockCount(), HistoryText::kMaximumLines);
}

TEST_F(CommandLineTest, HistoryIsReadOnlyButCopiesWithTheKeyboard) {
  enter("POINT 1,2,3");
  line.appendHistory("Unknown command");
  HistoryText* history = line.historyText();
  QTest::mouseClick(history->viewport(), Qt::LeftButton, {}, QPoint(4, 4));
  ASSERT_TRUE(history->hasFocus());
  QTest::keyClick(history, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(history, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(), "Command: POINT 1,2,3\nUnknown command");
  EXPECT_EQ(line.history(), "Command: POINT 1,2,3\nUnknown command");
}

TEST_F(CommandLineTest, TypingWhileInTheHistoryGoesOnInTheEntry) {
  line.appendHistory("said");
  QTest::mouseClick(line.historyText()->viewport(), Qt::LeftButton, {}, QPoint(4, 4));
  // Each key goes where the keyboard focus is, as the user's keys do.
  for (const char key : QByteArray("zoom")) QTest::keyClick(QApplication::focusWidget(), key);
  EXPECT_TRUE(line.input()->hasFocus());
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  EXPECT_EQ(submitted, QStringList{"zoom"});
  EXPECT_EQ(line.history(), "said\nCommand: zoom");
}

using CommandLineInWindow = WindowFixture;

TEST_F(CommandLineInWindow, DraggingTheSplitterMakesTheHistoryTaller) {
  auto* splitter = window->findChild<QSplitter*>();
  ASSERT_NE(splitter, nullptr);
  ASSERT_EQ(splitter->orientation(), Qt::Vertical);
  HistoryText* history = window->commandLine()->historyText();
  const int lineHeight = history->fontMetrics().lineSpacing();
  const int before = history->height();
  EXPECT_GE(before, 5 * lineHeight);
  EXPECT_LT(before, 8 * lineHeight);
  EXPECT_GT(view->height(), 3 * before);  // the drawing takes the room

  QSplitterHandle* handle = splitter->handle(1);
  const QPoint grip = handle->rect().center();
  QTest::mousePress(handle, Qt::LeftButton, {}, grip);
  QTest::mouseMove(handle, grip - QPoint(0, 150));
  QTest::mouseRelease(handle, Qt::LeftButton, {}, grip - QPoint(0, 150));
  EXPECT_EQ(history->height(), before + 150);
}

}  // namespace
}  // namespace host::view
