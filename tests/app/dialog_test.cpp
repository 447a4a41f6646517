// The main dialog's window driven as a user drives it: what it shows, where, in which tab
// order, and what keys and clicks do.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <new>
#include <stdexcept>

#include "app/kestova_dialog.h"
#include "host/automation/call_guard.h"
#include "support/form_fixture.h"

namespace {

QString qText(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// Counts the F1 presses that reach a widget after the control had its turn.
struct F1Counter : QObject {
  int presses = 0;
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
      ++presses;
    }
    return false;
  }
};

class Dialog : public formtest::FormFixture {
 protected:
  void SetUp() override {
    runHost("AutoCAD.Application.16", 2);
    load();
    dialog_ = std::make_unique<app::KestovaDialog>(*form, boundaries_);
    form->Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog_.get()));
  }
  void TearDown() override { dialog_.reset(); }

  template <class W>
  W* widget(std::string_view name) {
    auto* w = qobject_cast<W*>(dialog_->control(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
  }
  QRect designedRect(const form::ControlDefinition& c) const {
    return QRect(dialog_->horizontalPixels(c.left), dialog_->verticalPixels(c.top),
                 dialog_->horizontalPixels(c.width), dialog_->verticalPixels(c.height));
  }

  app::CommandBoundaries boundaries_;
  std::unique_ptr<app::KestovaDialog> dialog_;
};

TEST_F(Dialog, WindowAsDesigned) {
  EXPECT_EQ(dialog_->windowTitle(), "AutoCAD Kestova 2007");
  EXPECT_EQ(dialog_->size(), QSize(dialog_->horizontalPixels(4785), dialog_->verticalPixels(2175)));
  EXPECT_EQ(dialog_->horizontalPixels(1440), dialog_->logicalDpiX());
  const Qt::WindowFlags flags = dialog_->windowFlags();
  EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
  EXPECT_TRUE(flags & Qt::WindowSystemMenuHint);
  EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
  EXPECT_EQ(dialog_->windowType(), Qt::Window);  // a window of its own, in the task bar
  const QList<QSize> sizes = dialog_->windowIcon().availableSizes();
  EXPECT_TRUE(sizes.contains(QSize(16, 16)) && sizes.contains(QSize(32, 32)));
}

TEST_F(Dialog, EveryControlAsDesigned) {
  for (const form::ControlDefinition& c : form::controlDefinitions()) {
    SCOPED_TRACE(std::string(c.name()));
    QWidget* w = dialog_->control(c.name());
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->geometry(), designedRect(c));
    EXPECT_EQ(w->parentWidget(), c.container ? dialog_->control(insert::nameOf(*c.container))
                                             : static_cast<QWidget*>(dialog_.get()));
    EXPECT_EQ(w->isVisible(), c.visible);
    switch (c.kind) {
      case form::ControlKind::Frame:
        EXPECT_EQ(widget<QGroupBox>(c.name())->title(), qText(c.caption));
        break;
      case form::ControlKind::TextBox:
        if (c.name() == "txtTextHgt") {
          EXPECT_EQ(widget<QLineEdit>(c.name())->text(), " 1");  // the stored height, loaded
        } else {
          EXPECT_EQ(widget<QLineEdit>(c.name())->text(), "");
        }
        break;
      case form::ControlKind::CheckBox:
        EXPECT_EQ(widget<QCheckBox>(c.name())->text(), qText(c.caption));
        EXPECT_EQ(widget<QCheckBox>(c.name())->isChecked(), c.value == 1);
        break;
      case form::ControlKind::OptionButton:
        EXPECT_EQ(widget<QRadioButton>(c.name())->text(), qText(c.caption));
        EXPECT_EQ(widget<QRadioButton>(c.name())->isChecked(), c.value == 1);
        break;
      case form::ControlKind::CommandButton:
        EXPECT_EQ(widget<QPushButton>(c.name())->text(), qText(c.caption));
        EXPECT_FALSE(widget<QPushButton>(c.name())->autoDefault());
        EXPECT_FALSE(widget<QPushButton>(c.name())->isDefault());
        break;
    }
  }
}

TEST_F(Dialog, CaptionsShowWhole) {
  for (const form::ControlDefinition& c : form::controlDefinitions()) {
    SCOPED_TRACE(std::string(c.name()));
    QWidget* w = dialog_->control(c.name());
    if (c.kind == form::ControlKind::CheckBox || c.kind == form::ControlKind::OptionButton) {
      EXPECT_LE(w->sizeHint().width(), w->width());
      EXPECT_LE(w->sizeHint().height(), w->height() + 1);
    } else if (c.kind == form::ControlKind::CommandButton || c.kind == form::ControlKind::Frame) {
      EXPECT_LT(w->fontMetrics().horizontalAdvance(qText(c.caption)) + 12, w->width());
      EXPECT_LE(w->fontMetrics().height(), w->height() - 4);
    }
  }
}

TEST_F(Dialog, TabOrderAsDesigned) {
  std::vector<std::string> designed;
  for (const form::ControlDefinition& c : form::controlDefinitions()) {
    if (c.kind != form::ControlKind::Frame) designed.emplace_back(c.name());
  }
  std::vector<std::string> chain;
  QWidget* w = dialog_->control(designed.front());
  do {
    // Qt lets Tab into an option group only at the button last focused, so the chain itself is
    // what shows the order.
    if (w->focusPolicy() != Qt::NoFocus) chain.push_back(w->objectName().toStdString());
    w = w->nextInFocusChain();
  } while (w != dialog_->control(designed.front()));
  EXPECT_EQ(chain, designed);
  for (const char* frame : {"Frame1", "Frame2", "Frame3", "Frame4"}) {
    EXPECT_EQ(dialog_->control(frame)->focusPolicy(), Qt::NoFocus) << frame;
  }
}

TEST_F(Dialog, F1FromEveryKindOfControlShowsHelpAndGoesOn) {
  F1Counter reachedDialog;
  dialog_->installEventFilter(&reachedDialog);
  int expectedHelp = 0;
  for (const char* name : {"txtXerr", "txtTextHgt", "chkYdev", "chkAvDevs", "optInSeperatly",
                           "optZVector", "cmdInsert", "cmdPickDevs"}) {
    for (Qt::KeyboardModifiers modifiers :
         {Qt::KeyboardModifiers(Qt::NoModifier), Qt::KeyboardModifiers(Qt::ShiftModifier),
          Qt::KeyboardModifiers(Qt::ControlModifier), Qt::KeyboardModifiers(Qt::AltModifier)}) {
      QTest::keyClick(dialog_->control(name), Qt::Key_F1, modifiers);
      EXPECT_EQ(helpShown, ++expectedHelp) << name << " " << modifiers;
    }
  }
  // Not consumed: the controls ignore F1, so every press travelled on to the dialog.
  EXPECT_EQ(reachedDialog.presses, expectedHelp);
}

// An exception must not leave a Qt event handler: it would end the program.
TEST_F(Dialog, AHelpThatFailsIsReportedAndTheDialogGoesOn) {
  help = [] { throw std::out_of_range("notes"); };
  QTest::keyClick(dialog_->control("txtXerr"), Qt::Key_F1);
  EXPECT_EQ(messages.informed, std::vector<std::string>{"Error 51: Internal error: notes"});
  help = [] { throw std::bad_alloc(); };
  QTest::keyClick(dialog_->control("cmdInsert"), Qt::Key_F1);
  EXPECT_EQ(messages.informed.back(), "Error 7: Out of memory");
  QTest::keyClicks(widget<QLineEdit>("txtXerr"), "0.5");
  EXPECT_EQ(form->Text("txtXerr"), "0.5");
  EXPECT_TRUE(dialog_->isVisible());
}

TEST_F(Dialog, OtherKeysTriggerNothing) {
  for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape, Qt::Key_F2, Qt::Key_P}) {
    for (const char* name : {"txtXerr", "chkXdev", "optInGrouped"}) {
      QTest::keyClick(dialog_->control(name), key);
    }
  }
  EXPECT_EQ(helpShown, 0);
  EXPECT_TRUE(points->prompts().empty());  // no button was pressed
  EXPECT_TRUE(dialog_->isVisible());
  EXPECT_EQ(widget<QLineEdit>("txtXerr")->text(), "p");  // the plain key reached the field
}

TEST_F(Dialog, ResizingMovesNothing) {
  std::vector<QRect> before;
  for (const form::ControlDefinition& c : form::controlDefinitions()) {
    before.push_back(dialog_->control(c.name())->geometry());
  }
  dialog_->resize(600, 400);
  QCoreApplication::processEvents();
  std::size_t i = 0;
  for (const form::ControlDefinition& c : form::controlDefinitions()) {
    EXPECT_EQ(dialog_->control(c.name())->geometry(), before[i++]) << c.name();
  }
}

TEST_F(Dialog, PickAndAverageThroughTheWindow) {
  QTest::mouseClick(widget<QCheckBox>("chkAvDevs"), Qt::LeftButton);
  EXPECT_TRUE(widget<QLineEdit>("txtXav")->isVisible());
  points->push(cad::Point3(0, 0, 0));
  points->push(cad::Point3(0.5, -1.25, 2));
  QTest::mouseClick(widget<QPushButton>("cmdPickDevs"), Qt::LeftButton);
  EXPECT_TRUE(dialog_->isVisible());
  EXPECT_EQ(widget<QLineEdit>("txtXerr")->text(), "0.50");
  EXPECT_EQ(widget<QLineEdit>("txtYav")->text(), "-1.25");
  EXPECT_EQ(widget<QLineEdit>("txtZav")->text(), "2.00");

  QTest::mouseClick(widget<QCheckBox>("chkAvDevs"), Qt::LeftButton);
  EXPECT_FALSE(widget<QLineEdit>("txtXav")->isVisible());
  EXPECT_EQ(widget<QLineEdit>("txtXerr")->text(), "");
}

TEST_F(Dialog, UserEditsReachTheForm) {
  QTest::mouseClick(widget<QRadioButton>("optInSeperatly"), Qt::LeftButton);
  QTest::mouseClick(widget<QRadioButton>("optZVector"), Qt::LeftButton);
  EXPECT_TRUE(form->OptionValue("optInSeperatly") && form->OptionValue("optZVector"));
  EXPECT_FALSE(form->OptionValue("optInGrouped") || form->OptionValue("optZBubble"));
  QTest::mouseClick(widget<QCheckBox>("chkZdev"), Qt::LeftButton);
  EXPECT_EQ(form->CheckValue("chkZdev"), 0);
  widget<QLineEdit>("txtTextHgt")->clear();
  QTest::keyClicks(widget<QLineEdit>("txtTextHgt"), "2.5");
  EXPECT_EQ(settings.written, (std::vector<std::string>{"1", "0", "2", "2", "2.5"}));
}

TEST_F(Dialog, FailuresAreReportedAndTheDialogComesBack) {
  QTest::mouseClick(widget<QPushButton>("cmdPickDevs"), Qt::LeftButton);  // nothing to pick
  QTest::mouseClick(widget<QPushButton>("cmdInsert"), Qt::LeftButton);
  const std::string cancelled =
      "Error " + std::to_string(host::kMethodFailed) + ": Point request cancelled";
  EXPECT_EQ(messages.informed, (std::vector<std::string>{cancelled, cancelled}));
  EXPECT_TRUE(dialog_->isVisible());
}

TEST_F(Dialog, InsertDrawsTheTypedDeviations) {
  QTest::keyClicks(widget<QLineEdit>("txtXerr"), "0.25");
  QTest::keyClicks(widget<QLineEdit>("txtYerr"), "-0.1");
  points->push(cad::Point3(10, 10, 0));
  points->push(cad::Point3(20, 15, 0));
  QTest::mouseClick(widget<QPushButton>("cmdInsert"), Qt::LeftButton);
  EXPECT_TRUE(messages.informed.empty());
  EXPECT_EQ(points->prompts(), (std::vector<std::string>{"Insert Point ", "Leader to Point "}));
  EXPECT_FALSE(drawing().blocks()[0].entities.empty());
  EXPECT_TRUE(dialog_->isVisible());
}

}  // namespace
