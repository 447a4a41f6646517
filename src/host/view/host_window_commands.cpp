// The command line of the host window: typed commands, menu commands and the snap toggle.
#include <QMenuBar>

#include "host/view-core/command_parser.h"
#include "host/view-core/drawing_commands.h"
#include "host/view-core/overloaded.h"
#include "host/view/host_window.h"

namespace host::view {

void HostWindow::submitted(const QString& text) {
  if (request_) {
    typedPoint(text);
  } else {
    runCommand(text);
  }
}

void HostWindow::escapePressed() {
  if (request_) {
    say("*Cancel*");
    answerRequest(std::nullopt);
  }
}

void HostWindow::runCommand(const QString& line) {
  if (line.trimmed().isEmpty()) return;
  const auto parsed = parseCommand(line.toStdString());
  if (const auto* error = std::get_if<EntryError>(&parsed)) {
    say(QString::fromStdString(error->message));
    return;
  }
  const Command& command = std::get<Command>(parsed);
  if (!changesDrawing(command)) {
    runWindowCommand(command);
    return;
  }
  DrawingView* view = activeView();
  if (!view) {
    say("No drawing is open");
    return;
  }
  if (const auto message =
          applyToDrawing(*view->document(), command, view->drawing().lastPoint())) {
    say(QString::fromStdString(*message));
  }
}

void HostWindow::runWindowCommand(const Command& command) {
  DrawingView* view = activeView();
  auto needsView = [&] {
    if (!view) say("No drawing is open");
    return view != nullptr;
  };
  std::visit(
      Overloaded{
          [&](const command::New&) { newDrawing(); },
          [&](const command::Open& c) { openFile(QString::fromStdString(c.path)); },
          [&](const command::Save&) {
            if (needsView()) saveDrawing(view);
          },
          [&](const command::SaveAs& c) {
            if (needsView()) {
              saveDrawing(view, QString::fromStdString(c.path), QString::fromStdString(c.release));
            }
          },
          [&](const command::Close&) {
            if (needsView()) closeDrawing(view);
          },
          [&](const command::Quit&) { close(); },
          [&](const command::SetView& c) {
            if (!needsView()) return;
            std::visit(Overloaded{[&](StandardView standard) { view->setStandardView(standard); },
                                  [&](command::PlanView) { view->setPlanView(); }},
                       c.view);
          },
          [&](const command::ZoomExtents&) {
            if (needsView()) view->zoomExtents();
          },
          [&](const auto&) { say("This command changes the drawing"); }},
      command);
}

void HostWindow::setSnapEnabled(bool enabled) {
  snapEnabled_ = enabled;
  for (DrawingView* view : views()) view->setSnapEnabled(enabled);
  say(enabled ? "<Snap on>" : "<Snap off>");
}

void HostWindow::setDrawingActionsEnabled(bool enabled) {
  for (QAction* action : drawingActions_) action->setEnabled(enabled);
}

}  // namespace host::view
