#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "host/view/window_fixture.h"

namespace host::view {
namespace {

class HelpMenu : public WindowFixture {
 protected:
  // The Help menu as the menu bar shows it; null while it is hidden.
  QMenu* shownHelpMenu() const {
    for (QAction* action : window->menuBar()->actions()) {
      if (action->text() == "&Help" && action->isVisible()) return action->menu();
    }
    return nullptr;
  }

  QAction* entry(const QString& text) const {
    QMenu* menu = shownHelpMenu();
    if (!menu) return nullptr;
    for (QAction* action : menu->actions()) {
      if (action->text() == text) return action;
    }
    return nullptr;
  }
};

TEST_F(HelpMenu, ShowsOnceItHasEntriesInTheOrderAdded) {
  EXPECT_EQ(shownHelpMenu(), nullptr);
  window->addHelpEntry("&User guide", [] {});
  window->addHelpEntry("&About Kestova", [] {});
  ASSERT_NE(shownHelpMenu(), nullptr);
  EXPECT_EQ(window->menuBar()->actions().last()->text(), "&Help");
  QStringList texts;
  for (QAction* action : shownHelpMenu()->actions()) texts << action->text();
  EXPECT_EQ(texts, (QStringList{"&User guide", "&About Kestova"}));
}

TEST_F(HelpMenu, AnEntryShowsItsHelp) {
  int guides = 0;
  window->addHelpEntry("&User guide", [&guides] { ++guides; });
  ASSERT_NE(entry("&User guide"), nullptr);
  entry("&User guide")->trigger();
  EXPECT_EQ(guides, 1);
}

TEST_F(HelpMenu, StaysAtHandWhileAPointRequestWaits) {
  window->addHelpEntry("&User guide", [] {});
  bool enabled = false;
  getPoint([&] {
    enabled = entry("&User guide")->isEnabled();
    QTest::keyClick(view, Qt::Key_Escape);
  });
  EXPECT_TRUE(enabled);
}

}  // namespace
}  // namespace host::view
