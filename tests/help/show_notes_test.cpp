#include "help/show_notes.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <QTimer>
#include <functional>
#include <ostream>

#include "help/help_text.h"

namespace {

QString notesAsShown() {
  return QString::fromStdString(help::helpText()).replace("\r\n", "\n");
}

// Waits inside ShowNotes' modal loop for the notes to come up, hands them to `act`, then closes
// them with the close box's action. Returns whether the notes were seen.
bool showNotesAndThen(const std::function<void(help::frmScreenPrint&)>& act) {
  bool seen = false;
  QTimer poll;
  poll.setInterval(10);
  QObject::connect(&poll, &QTimer::timeout, [&] {
    auto* notes = dynamic_cast<help::frmScreenPrint*>(QApplication::activeModalWidget());
    if (notes == nullptr || !notes->isVisible()) return;
    poll.stop();
    seen = true;
    act(*notes);
    notes->close();
  });
  poll.start();
  // Stops a ShowNotes that never returns from hanging the suite.
  QTimer guard;
  guard.setSingleShot(true);
  QObject::connect(&guard, &QTimer::timeout, [] {
    if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
  });
  guard.start(10000);
  help::ShowNotes();
  return seen;
}

int notesWindowCount() {
  int count = 0;
  for (QWidget* widget : QApplication::topLevelWidgets())
    if (dynamic_cast<help::frmScreenPrint*>(widget) != nullptr) ++count;
  return count;
}

TEST(FilledNotesWindow, IsTallerThanDesignedAndKeepsItsWidthAndPlace) {
  const auto window = help::filledNotesWindow();
  window->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
  // 8420 twips outside, whatever frame the window system draws around the client.
  EXPECT_EQ(window->frameGeometry().height(), 561);
  EXPECT_EQ(window->width(), 545);
  EXPECT_EQ(window->geometry().topLeft(), QPoint(29, 48));
  EXPECT_EQ(window->minimumSize(), window->maximumSize());
  EXPECT_EQ(window->Text1()->geometry(), QRect(0, 0, 547, 533));
}

TEST(FilledNotesWindow, IsCaptionedNotesAndHoldsTheNotesLineByLine) {
  const auto window = help::filledNotesWindow();
  const QTextDocument* document = window->Text1()->document();
  EXPECT_EQ(window->windowTitle(), "Notes:-");
  EXPECT_EQ(window->Text1()->toPlainText(), notesAsShown());
  // 35 lines, then the empty place after the last line break.
  ASSERT_EQ(document->blockCount(), 36);
  EXPECT_EQ(document->findBlockByNumber(0).text(), "");
  EXPECT_EQ(document->findBlockByNumber(1).text(), "Kestova insert to AutoCAD 2007");
  EXPECT_EQ(document->findBlockByNumber(9).text(), "1) Deviations - ");
  EXPECT_EQ(document->findBlockByNumber(34).text(), "");
}

TEST(FilledNotesWindow, LongLinesWrapInsideTheBox) {
  const auto window = help::filledNotesWindow();
  window->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
  QPlainTextEdit* text1 = window->Text1();
  const QTextBlock description = text1->document()->findBlockByNumber(5);
  ASSERT_TRUE(description.text().startsWith("This VB macro"));
  ASSERT_NE(description.layout(), nullptr);
  EXPECT_GT(description.layout()->lineCount(), 1);
  for (int i = 0; i < description.layout()->lineCount(); ++i)
    EXPECT_LE(description.layout()->lineAt(i).naturalTextWidth(), text1->viewport()->width());
  EXPECT_EQ(text1->horizontalScrollBar()->maximum(), 0);
}

TEST(FilledNotesWindow, VerticalScrollBarReachesTheLastLine) {
  const auto window = help::filledNotesWindow();
  window->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
  QPlainTextEdit* text1 = window->Text1();
  QScrollBar* scrollBar = text1->verticalScrollBar();
  EXPECT_TRUE(scrollBar->isVisible());
  EXPECT_EQ(scrollBar->value(), 0);
  scrollBar->setValue(scrollBar->maximum());
  const QPoint bottomLeft(1, text1->viewport()->height() - 1);
  // Line 34, "Click the Insert button...", or the empty lines after it.
  EXPECT_GE(text1->cursorForPosition(bottomLeft).blockNumber(), 33);
}

TEST(FilledNotesWindow, EachCallIsAFreshWindowWithTheOriginalText) {
  const auto first = help::filledNotesWindow();
  first->show();
  first->Text1()->selectAll();
  QTest::keyClicks(first->Text1(), "overwritten");
  ASSERT_EQ(first->Text1()->toPlainText(), "overwritten");
  const auto second = help::filledNotesWindow();
  EXPECT_NE(second.get(), first.get());
  EXPECT_EQ(second->Text1()->toPlainText(), notesAsShown());
}

TEST(ShowNotes, ShowsTheNotesModallyWithoutOwnerAndReturnsWhenClosed) {
  QString caption, text;
  Qt::WindowModality modality = Qt::NonModal;
  QWidget* owner = reinterpret_cast<QWidget*>(1);
  const bool seen = showNotesAndThen([&](help::frmScreenPrint& notes) {
    caption = notes.windowTitle();
    text = notes.Text1()->toPlainText();
    modality = notes.windowModality();
    owner = notes.parentWidget();
  });
  ASSERT_TRUE(seen);
  EXPECT_EQ(caption, "Notes:-");
  EXPECT_EQ(text, notesAsShown());
  EXPECT_EQ(modality, Qt::ApplicationModal);
  EXPECT_EQ(owner, nullptr);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST(ShowNotes, DestroysTheWindowAndItsEditsOnClose) {
  ASSERT_TRUE(showNotesAndThen([](help::frmScreenPrint& notes) {
    notes.Text1()->moveCursor(QTextCursor::End);
    QTest::keyClicks(notes.Text1(), "my own note");
  }));
  EXPECT_EQ(notesWindowCount(), 0);

  QString textNextTime;
  ASSERT_TRUE(showNotesAndThen(
      [&](help::frmScreenPrint& notes) { textNextTime = notes.Text1()->toPlainText(); }));
  EXPECT_EQ(textNextTime, notesAsShown());
  EXPECT_EQ(notesWindowCount(), 0);
}

// Where Esc is pressed while the notes show: the text box has the focus, but the window may be
// given the key directly.
struct EscapeCase {
  const char* name;
  std::function<QWidget*(help::frmScreenPrint&)> target;
};

void PrintTo(const EscapeCase& c, std::ostream* out) {
  *out << c.name;
}

class EscapeInNotes : public testing::TestWithParam<EscapeCase> {};

TEST_P(EscapeInNotes, LeavesThemOpen) {
  bool openAfterEsc = false;
  QString text;
  ASSERT_TRUE(showNotesAndThen([&](help::frmScreenPrint& notes) {
    QTest::keyClick(GetParam().target(notes), Qt::Key_Escape);
    QApplication::processEvents();
    openAfterEsc = notes.isVisible() && QApplication::activeModalWidget() == &notes;
    text = notes.Text1()->toPlainText();
  }));
  EXPECT_TRUE(openAfterEsc);
  EXPECT_EQ(text, notesAsShown());
  EXPECT_EQ(notesWindowCount(), 0);  // the close box still closes them
}

INSTANTIATE_TEST_SUITE_P(
    Keys, EscapeInNotes,
    testing::Values(EscapeCase{"InTheText", [](auto& notes) { return notes.Text1(); }},
                    EscapeCase{"ToTheWindow", [](auto& notes) { return &notes; }}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
