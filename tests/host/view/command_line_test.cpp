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
    QObject::connect(&line, &CommandLine::submitted, [this](const QString& t) { submitted << t; });
  }

  // Types a line and Enter where the keyboard focus is, key by key, as the user does.
  void typeWhereFocused(const QString& text) {
    for (const QChar key : text) QTest::keyClick(QApplication::focusWidget(), key.toLatin1());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  }

  CommandLine line;
  QStringList submitted;
};

struct KeysCase {
  const char* name;
  QStringList entered;  // each confirmed with Enter first
  QString typed;
  std::vector<Qt::Key> keys;
  QStringList submitted;  // after those entered
  QString entry;
};

void PrintTo(const KeysCase& c, std::ostream* out) {
  *out << c.name;
}

class EntryKeys : public CommandLineTest, public testing::WithParamInterface<KeysCase> {};

TEST_P(EntryKeys, RecallAndSpaceActAsInAShell) {
  for (const QString& entry : GetParam().entered) {
    QTest::keyClicks(line.input(), entry);
    QTest::keyClick(line.input(), Qt::Key_Return);
  }
  submitted.clear();
  QTest::keyClicks(line.input(), GetParam().typed);
  for (Qt::Key key : GetParam().keys) QTest::keyClick(line.input(), key);
  EXPECT_EQ(submitted, GetParam().submitted);
  EXPECT_EQ(line.input()->text(), GetParam().entry);
}

const QStringList kThree = {"POINT 1,2", "ZOOM EXTENTS", "SAVEAS site plan.dxf"};
const Qt::Key kUp = Qt::Key_Up, kDown = Qt::Key_Down, kSpace = Qt::Key_Space;

INSTANTIATE_TEST_SUITE_P(
    Cases, EntryKeys,
    testing::Values(
        KeysCase{"UpShowsTheNewest", kThree, "", {kUp}, {}, "SAVEAS site plan.dxf"},
        KeysCase{"UpAgainGoesBack", kThree, "", {kUp, kUp}, {}, "ZOOM EXTENTS"},
        KeysCase{"StopsAtTheOldest", kThree, "", {kUp, kUp, kUp, kUp}, {}, "POINT 1,2"},
        KeysCase{"DownGoesForward", kThree, "", {kUp, kUp, kDown}, {}, "SAVEAS site plan.dxf"},
        KeysCase{"PastTheNewestIsEmpty", kThree, "", {kUp, kDown}, {}, ""},
        KeysCase{"NothingEnteredNothingRecalled", {}, "", {kUp}, {}, ""},
        KeysCase{"RepeatsAreKeptOnce", {"A", "A", "B", "B"}, "", {kUp, kUp, kUp}, {}, "A"},
        KeysCase{"RepeatsApartAreKept", {"A", "B", "A"}, "", {kUp, kUp}, {}, "B"},
        KeysCase{"EmptyEntriesAreNotKept", {"A", "", "B"}, "", {kUp, kUp}, {}, "A"},
        KeysCase{"RecallRestartsAfterEnter",
                 {"A", "B"},
                 "",
                 {kUp, kUp, Qt::Key_Return, kUp},
                 {"A"},
                 "A"},
        KeysCase{"SpaceInAnEmptyEntryIsEnter", {"A"}, "", {kSpace}, {""}, ""},
        KeysCase{"SpaceAfterTextIsABlank", {}, "SAVEAS my", {kSpace}, {}, "SAVEAS my "},
        KeysCase{"SpaceAfterARecalledEntryIsABlank", {"LINE"}, "", {kUp, kSpace}, {}, "LINE "}),
    [](const auto& info) { return std::string(info.param.name); });

// The text of the line at the top of the history as it shows.
QString topLine(const HistoryText& history) {
  return history.cursorForPosition(QPoint(4, 4)).block().text();
}

TEST_F(CommandLineTest, HistoryFollowsNewLinesUnlessScrolledBack) {
  QScrollBar* bar = line.historyText()->verticalScrollBar();
  for (int i = 0; i < 40; ++i) line.appendHistory(QString("line %1").arg(i));
  EXPECT_EQ(bar->value(), bar->maximum());
  EXPECT_GT(bar->maximum(), 0);

  bar->setValue(10);
  const QString reading = topLine(*line.historyText());
  line.appendHistory("said while reading");
  EXPECT_EQ(topLine(*line.historyText()), reading);

  bar->setValue(bar->maximum());
  line.appendHistory("followed again");
  EXPECT_EQ(bar->value(), bar->maximum());
}

TEST_F(CommandLineTest, HistoryCopiesButTypingInItGoesOnInTheEntry) {
  line.appendHistory("Command: POINT 1,2,3");
  line.appendHistory("Unknown command");
  QTest::mouseClick(line.historyText()->viewport(), Qt::LeftButton, {}, QPoint(4, 4));
  ASSERT_TRUE(line.historyText()->hasFocus());
  QTest::keyClick(line.historyText(), Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(line.historyText(), Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(), "Command: POINT 1,2,3\nUnknown command");

  typeWhereFocused("zoom");
  EXPECT_EQ(submitted, QStringList{"zoom"});
  EXPECT_TRUE(line.input()->hasFocus());
  EXPECT_EQ(line.history(), "Command: POINT 1,2,3\nUnknown command\nCommand: zoom");
}

using CommandLineInWindow = WindowFixture;

TEST_F(CommandLineInWindow, DraggingTheSplitterMakesTheHistoryTaller) {
  auto* splitter = window->findChild<QSplitter*>();
  ASSERT_NE(splitter, nullptr);
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
