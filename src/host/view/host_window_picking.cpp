// Point requests: the caller waits in a nested event loop while the user clicks or types.
#include <QEventLoop>

#include "host/view-core/length_format.h"
#include "host/view-core/point_entry.h"
#include "host/view/host_window.h"

namespace host::view {

std::optional<Eigen::Vector3d> HostWindow::requestPoint(model::Document& document,
                                                        const std::string& prompt,
                                                        const PointRequest& request) {
  DrawingView* view = viewOf(document);
  // One request at a time, and only for a drawing this window shows.
  if (request_ || !view) return std::nullopt;
  PendingRequest pending;
  pending.view = view;
  pending.emptyEnds = request.emptyEnds;
  view->setRubberBand(request.basePoint, request.box);
  if (!waitForAnswer(pending, prompt)) return std::nullopt;
  return pending.answer;
}

std::optional<std::string> HostWindow::requestText(model::Document& document,
                                                   const std::string& prompt) {
  DrawingView* view = viewOf(document);
  if (request_ || !view) return std::nullopt;
  PendingRequest pending;
  pending.view = view;
  pending.wantsText = true;
  if (!waitForAnswer(pending, prompt)) return std::nullopt;
  return pending.text;
}

bool HostWindow::waitForAnswer(PendingRequest& pending, const std::string& prompt) {
  tabs_->setCurrentWidget(pending.view);
  show();
  raise();
  activateWindow();
  QEventLoop loop;
  pending.loop = &loop;
  request_ = &pending;
  commandLine_->setPrompt(QString::fromStdString(prompt));
  commandLine_->input()->setFocus();
  setDrawingActionsEnabled(false);

  const QPointer<HostWindow> self(this);
  loop.exec();
  // The window may have been destroyed while the user was asked; it cancelled the request.
  if (!self) return false;

  if (pending.view) pending.view->setRubberBand(std::nullopt);
  request_ = nullptr;
  commandLine_->setPrompt(CommandLine::kCommandPrompt);
  setDrawingActionsEnabled(true);
  return true;
}

void HostWindow::answerRequest(std::optional<Eigen::Vector3d> answer) {
  if (!request_) return;
  if (answer && request_->view) request_->view->drawing().lastPoint() = *answer;
  request_->answer = answer;
  request_->loop->quit();
}

void HostWindow::clicked(DrawingView* view, const Eigen::Vector3d& world, bool snapped) {
  // A click in another drawing does not answer; its points mean nothing here.
  if (!request_ || request_->view != view) return;
  if (request_->wantsText) {
    say("Type what is asked for, or press Esc to cancel");
    return;
  }
  const model::Document& document = *view->document();
  const Eigen::Vector3d local = document.currentUcs().frame.pointToLocal(world);
  const std::string echo = formatPoint(local.x(), local.y(), local.z(), document.header().luprec);
  say(commandLine_->prompt() + QString::fromStdString(echo));
  if (!snapped && view->snapEnabled()) {
    say(QString::fromStdString("No object snapped: Z = " +
                               formatLength(local.z(), document.header().luprec) + " (ELEVATION)"));
  }
  answerRequest(world);
}

void HostWindow::typedPoint(const QString& text) {
  DrawingView* view = request_->view;
  if (!view) return;
  if (request_->wantsText) {
    request_->text = text.trimmed().toStdString();
    request_->loop->quit();
    return;
  }
  if (text.trimmed().isEmpty()) {
    if (request_->emptyEnds) {
      answerRequest(std::nullopt);
    } else {
      say("Click a point, type x,y or x,y,z, or press Esc to cancel");
    }
    return;
  }
  const auto entry = parsePointEntry(text.toStdString());
  if (const auto* error = std::get_if<EntryError>(&entry)) {
    say(QString::fromStdString(error->message));
    return;
  }
  const auto placed = placePoint(std::get<PointEntry>(entry), view->document()->currentUcs().frame,
                                 view->drawing().lastPoint());
  if (const auto* error = std::get_if<EntryError>(&placed)) {
    say(QString::fromStdString(error->message));
    return;
  }
  answerRequest(std::get<Eigen::Vector3d>(placed));
}

}  // namespace host::view
