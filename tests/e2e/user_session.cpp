#include "user_session.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <cstdio>
#include <cstdlib>

#include "app/kestova_dialog.h"
#include "desktop/built_in_host.h"
#include "host/view/command_line.h"
#include "host/view/host_window.h"

namespace e2e {
namespace {

// Long enough for a slow machine to play a whole session, short enough to end a hang.
constexpr int kGuardMilliseconds = 120'000;
constexpr int kWatchMilliseconds = 10;

template <class W>
W* topLevel() {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (auto* found = dynamic_cast<W*>(widget)) return found;
  }
  return nullptr;
}

}  // namespace

UserSession::UserSession() {
  watcher_.setInterval(kWatchMilliseconds);
  QObject::connect(&watcher_, &QTimer::timeout, [this] { watch(); });
  guard_.setSingleShot(true);
  guard_.setInterval(kGuardMilliseconds);
  QObject::connect(&guard_, &QTimer::timeout, [this] {
    const QWidget* modal = QApplication::activeModalWidget();
    std::fprintf(stderr, "e2e: the session hung (script %s, %zu answers left, modal window %s)\n",
                 scriptStarted_ ? "started" : "not started", answers_.size(),
                 modal ? qPrintable(modal->windowTitle()) : "none");
    std::abort();
  });
}

UserSession::~UserSession() = default;

QString UserSession::path(const QString& fileName) const {
  return folder_.filePath(fileName);
}

int UserSession::run(const QStringList& arguments, const std::function<void()>& script) {
  hadConfigHome_ = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
  savedConfigHome_ = qgetenv("XDG_CONFIG_HOME");
  qputenv("XDG_CONFIG_HOME", folder_.path().toLocal8Bit());
  script_ = script;
  scriptStarted_ = false;
  watcher_.start();
  guard_.start();

  const int exitCode = desktop::runWithBuiltInHost(arguments);

  watcher_.stop();
  guard_.stop();
  if (hadConfigHome_) {
    qputenv("XDG_CONFIG_HOME", savedConfigHome_);
  } else {
    qunsetenv("XDG_CONFIG_HOME");
  }
  EXPECT_TRUE(answers_.empty()) << answers_.size() << " point requests never came, the first "
                                << (answers_.empty() ? "" : answers_.front().prompt);
  return exitCode;
}

void UserSession::watch() {
  if (busy_) return;
  busy_ = true;
  if (!answerModalWindow() && !answerPointRequest()) startScriptWhenDialogShows();
  busy_ = false;
}

bool UserSession::answerModalWindow() {
  QWidget* modal = QApplication::activeModalWidget();
  if (!modal || !modal->isVisible()) return false;
  if (auto* box = qobject_cast<QMessageBox*>(modal)) {
    messages_ << box->text();
    const auto yesOrNo = answerYes_ ? QMessageBox::Yes : QMessageBox::No;
    for (const auto which : {QMessageBox::Ok, QMessageBox::Discard, yesOrNo}) {
      if (QAbstractButton* button = box->button(which)) {
        button->click();
        return true;
      }
    }
    box->reject();
    return true;
  }
  modalWindows_ << modal->windowTitle();
  if (modalHandler_) modalHandler_(*modal);
  modal->close();
  return true;
}

bool UserSession::answerPointRequest() {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    auto* window = qobject_cast<host::view::HostWindow*>(widget);
    if (!window || !window->pointRequestWaiting()) continue;
    const std::string prompt = window->commandLine()->prompt().toStdString();
    if (answers_.empty() || answers_.front().prompt != prompt) {
      ADD_FAILURE() << "unexpected point request \"" << prompt << "\", expected "
                    << (answers_.empty() ? "none" : "\"" + answers_.front().prompt + "\"");
      answers_.clear();
      QTest::keyClick(window->commandLine()->input(), Qt::Key_Escape);
      return true;
    }
    const Answer next = std::move(answers_.front());
    answers_.pop_front();
    next.answer();
    return true;
  }
  return false;
}

void UserSession::startScriptWhenDialogShows() {
  if (scriptStarted_) return;
  const app::KestovaDialog* shown = topLevel<app::KestovaDialog>();
  if (!shown || !shown->isVisible()) return;
  scriptStarted_ = true;
  QTimer::singleShot(0, [this] {
    script_();
    closeEverything();
  });
}

void UserSession::closeEverything() {
  // As a user ends the program: the dialog first, then the drawing window, answering its
  // question about unsaved changes with Discard.
  if (auto* shown = topLevel<app::KestovaDialog>()) shown->close();
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (auto* window = qobject_cast<host::view::HostWindow*>(widget);
        window && window->isVisible()) {
      window->close();
    }
  }
}

app::KestovaDialog& UserSession::dialog() const {
  auto* found = topLevel<app::KestovaDialog>();
  if (!found) throw std::logic_error("the main dialog is not open");
  return *found;
}

host::view::HostWindow& UserSession::cadWindow() const {
  auto* found = topLevel<host::view::HostWindow>();
  if (!found) throw std::logic_error("no drawing window is open");
  return *found;
}

host::view::DrawingView& UserSession::drawingView() const {
  host::view::DrawingView* view = cadWindow().activeView();
  if (!view) throw std::logic_error("no drawing is open");
  return *view;
}

QWidget* UserSession::control(std::string_view name) const {
  QWidget* widget = dialog().control(name);
  if (!widget) throw std::logic_error("no control " + std::string(name));
  return widget;
}

void UserSession::click(std::string_view name) {
  QTest::mouseClick(control(name), Qt::LeftButton);
}

void UserSession::typeOver(std::string_view name, const QString& text) {
  QWidget* field = control(name);
  QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
  if (text.isEmpty()) {
    QTest::keyClick(field, Qt::Key_Delete);
  } else {
    QTest::keyClicks(field, text);
  }
}

QString UserSession::text(std::string_view name) const {
  auto* field = qobject_cast<QLineEdit*>(control(name));
  if (!field) throw std::logic_error(std::string(name) + " is not a text box");
  return field->text();
}

bool UserSession::dialogVisible() const {
  const app::KestovaDialog* shown = topLevel<app::KestovaDialog>();
  return shown && shown->isVisible();
}

void UserSession::typeLine(const QString& line) {
  host::view::DrawingView& view = drawingView();
  QTest::keyClicks(&view, line);
  QTest::keyClick(&view, Qt::Key_Return);
}

void UserSession::clickAt(const Eigen::Vector3d& world) {
  host::view::DrawingView& view = drawingView();
  const QPoint where = view.widgetPosition(world);
  QTest::mouseMove(&view, where);
  QTest::mouseClick(&view, Qt::LeftButton, {}, where);
}

void UserSession::pressEsc() {
  QTest::keyClick(&drawingView(), Qt::Key_Escape);
}

void UserSession::onPrompt(const std::string& prompt, std::function<void()> answer) {
  answers_.push_back({prompt, std::move(answer)});
}

}  // namespace e2e
