// Point requests: the caller waits in a nested event loop while the user clicks or types.
#include <QEventLoop>

#include "host/view-core/point_entry.h"
#include "host/view/host_window.h"

namespace host::view {

std::optional<Eigen::Vector3d> HostWindow::requestPoint(model::Document& document,
                                                        const std::string& prompt) {
  DrawingView* view = viewOf(document);
  // One request at a time, and only for a drawing this window shows.
  if (request_ || !view) return std::nullopt;

  tabs_->setCurrentWidget(view);
  show();
  raise();
  activateWindow();
  QEventLoop loop;
  PendingRequest pending{view, &loop, std::nullopt};
  request_ = &pending;
  commandLine_->setPrompt(QString::fromStdString(prompt));
  commandLine_->input()->setFocus();
  setDrawingActionsEnabled(false);

  const QPointer<HostWindow> self(this);
  loop.exec();
  // The window may have been destroyed while the user was asked; it cancelled the request.
  if (!self) return std::nullopt;

  request_ = nullptr;
  commandLine_->setPrompt(CommandLine::kCommandPrompt);
  setDrawingActionsEnabled(true);
  return pending.answer;
}

void HostWindow::answerRequest(std::optional<Eigen::Vector3d> answer) {
  if (!request_) return;
  if (answer && request_->view) request_->view->drawing().lastPoint() = *answer;
  request_->answer = answer;
  request_->loop->quit();
}

void HostWindow::clicked(DrawingView* view, const Eigen::Vector3d& world) {
  // A click in another drawing does not answer; its points mean nothing here.
  if (!request_ || request_->view != view) return;
  const Eigen::Vector3d local = view->document()->currentUcs().frame.pointToLocal(world);
  say(QString("%1%2,%3,%4")
          .arg(commandLine_->prompt(), QString::number(local.x(), 'g', 12),
               QString::number(local.y(), 'g', 12), QString::number(local.z(), 'g', 12)));
  answerRequest(world);
}

void HostWindow::typedPoint(const QString& text) {
  DrawingView* view = request_->view;
  if (!view) return;
  if (text.trimmed().isEmpty()) {
    say("Click a point, type x,y or x,y,z, or press Esc to cancel");
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
