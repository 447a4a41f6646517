#pragma once

#include <Eigen/Core>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <deque>
#include <functional>
#include <ostream>
#include <string>
#include <string_view>

class QWidget;

namespace app {
class KestovaDialog;
}
namespace host::view {
class DrawingView;
class HostWindow;
}  // namespace host::view

// QStrings as text in test failures.
inline void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}

namespace e2e {

// One run of the program as a user meets it: the program runs exactly as main runs it, and a
// script plays the user, clicking and typing in the real windows. Point requests and modal
// windows open nested event loops, so they are answered from a timer that watches for them:
// each point request takes the next answer queued with onPrompt, each message box is read and
// answered (OK, Discard, or Yes or No as told), and any other modal window (the help notes)
// is handed to a handler and closed. A guard ends the process when the session hangs, so that
// a hang fails the test instead of blocking the test run.
class UserSession {
 public:
  // A fresh folder for drawings, also the user's configuration folder while the program runs,
  // so that the stored text height starts at its default.
  UserSession();
  ~UserSession();
  UserSession(const UserSession&) = delete;
  UserSession& operator=(const UserSession&) = delete;

  QString path(const QString& fileName) const;

  // Runs the program with `arguments` (program name first). `script` starts once the main
  // dialog is shown; when it returns, the user closes every window. Returns the exit code.
  int run(const QStringList& arguments, const std::function<void()>& script);

  // --- The windows, while the program runs -------------------------------------------
  app::KestovaDialog& dialog() const;
  host::view::HostWindow& cadWindow() const;
  host::view::DrawingView& drawingView() const;

  // --- The main dialog ----------------------------------------------------------------
  QWidget* control(std::string_view name) const;
  // A mouse click on a button, check box or option button.
  void click(std::string_view name);
  // Selects the whole text of a field and types `text` over it.
  void typeOver(std::string_view name, const QString& text);
  QString text(std::string_view name) const;
  bool dialogVisible() const;

  // --- The drawing window ---------------------------------------------------------------
  // Types a line over the drawing and presses Enter: a command, or a point when one is asked.
  void typeLine(const QString& line);
  // Clicks the drawing where `world` shows.
  void clickAt(const Eigen::Vector3d& world);
  void pressEsc();

  // Queues the answer to the next point request, which must ask `prompt`.
  void onPrompt(const std::string& prompt, std::function<void()> answer);
  std::size_t answersLeft() const { return answers_.size(); }

  // Yes/No questions are answered No unless this is set.
  void answerYes(bool yes) { answerYes_ = yes; }
  // The texts of the message boxes shown so far, in order.
  const QStringList& messages() const { return messages_; }
  // The captions of the other modal windows shown so far.
  const QStringList& modalWindows() const { return modalWindows_; }
  // Runs for each other modal window before it is closed (e.g. to take its picture).
  void setModalWindowHandler(std::function<void(QWidget&)> handler) {
    modalHandler_ = std::move(handler);
  }

 private:
  struct Answer {
    std::string prompt;
    std::function<void()> answer;
  };

  QTemporaryDir folder_;
  QByteArray savedConfigHome_;
  bool hadConfigHome_ = false;
  QTimer watcher_;
  QTimer guard_;
  std::deque<Answer> answers_;
  QStringList messages_;
  QStringList modalWindows_;
  std::function<void(QWidget&)> modalHandler_;
  std::function<void()> script_;
  bool scriptStarted_ = false;
  bool busy_ = false;
  bool answerYes_ = false;

  void watch();
  bool answerModalWindow();
  bool answerPointRequest();
  void startScriptWhenDialogShows();
  void closeEverything();
};

}  // namespace e2e
