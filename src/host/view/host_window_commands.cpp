// The command line of the host window: typed commands, menu commands and the snap and
// lineweight toggles.
#include <QApplication>
#include <QMenuBar>

#include "host/view-core/command_parser.h"
#include "host/view-core/drawing_commands.h"
#include "host/view-core/overloaded.h"
#include "host/view-files/drawing_files.h"
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
  // Esc also ends what automation highlighted, as it ends a selection.
  if (DrawingView* view = activeView()) view->clearHighlight();
  if (request_) {
    say("*Cancel*");
    answerRequest(std::nullopt);
  }
}

void HostWindow::runCommand(const QString& typed) {
  QString line = typed.trimmed();
  if (line.isEmpty()) {
    // Enter (or Space) on an empty command line repeats the last command, as in CAD programs.
    if (lastCommand_.isEmpty()) return;
    line = lastCommand_;
    say(line);
  }
  const auto parsed = parseCommand(line.toStdString(), releaseNamed);
  if (const auto* error = std::get_if<EntryError>(&parsed)) {
    say(QString::fromStdString(error->message));
    return;
  }
  lastCommand_ = line;
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
            if (!needsView()) return;
            if (c.path.empty()) {
              if (const auto target = askForPath_(drawingName(view))) {
                saveDrawing(view, target->path, target->release, target->form);
              }
              return;
            }
            saveDrawing(view, QString::fromStdString(c.path), QString::fromStdString(c.release));
          },
          [&](const command::Close&) {
            if (needsView()) closeDrawing(view);
          },
          [&](const command::Quit&) { quitProgram(); },
          [&](const command::SetView& c) {
            if (!needsView()) return;
            std::visit(Overloaded{[&](StandardView standard) { view->setStandardView(standard); },
                                  [&](command::PlanView) { view->setPlanView(); }},
                       c.view);
          },
          [&](const command::Zoom& c) {
            if (needsView()) zoom(*view, c);
          },
          [&](const command::AddPoint&) {
            if (needsView()) addPickedPoint(*view);
          },
          [&](const command::DrawLines&) {
            if (needsView()) drawLines(*view);
          },
          [&](const command::ShowLayers&) {
            layers_->show();
            layers_->raise();
          },
          [&](const command::Identify& c) {
            if (needsView()) identify(*view, c);
          },
          [&](const command::Measure& c) {
            if (needsView()) measure(*view, c);
          },
          [&](const command::ListEntity&) {
            if (needsView()) listEntity(*view);
          },
          [&](const command::Station& c) {
            if (needsView()) station(*view, c);
          },
          [&](const command::Erase&) {
            if (needsView()) erase(*view);
          },
          [&](const command::Plot& c) {
            if (needsView()) plot(*view, c);
          },
          [&](const command::ShowLineWeights& c) {
            if (needsView()) setLineWeightsShown(c.shown.value_or(!view->lineWeightsShown()));
          },
          [&](const auto&) { say("This command changes the drawing"); }},
      command);
}

void HostWindow::quitProgram() {
  if (request_) answerRequest(std::nullopt);
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    auto* window = qobject_cast<HostWindow*>(widget);
    if (window && window->isVisible() && !window->close()) return;
  }
  // Every drawing is settled; the program's other windows (the main dialog) close with them,
  // and the program ends with its last window.
  QApplication::closeAllWindows();
}

void HostWindow::setSnapEnabled(bool enabled) {
  snapEnabled_ = enabled;
  for (DrawingView* view : views()) view->setSnapEnabled(enabled);
  say(enabled ? "<Snap on>" : "<Snap off>");
  showSettings();
}

void HostWindow::setLineWeightsShown(bool shown) {
  DrawingView* view = activeView();
  if (!view) return;
  view->setLineWeightsShown(shown);
  lineWeights_->setChecked(shown);
  say(shown ? "<Lineweights on>" : "<Lineweights off>");
}

void HostWindow::setDrawingActionsEnabled(bool enabled) {
  for (QAction* action : drawingActions_) action->setEnabled(enabled);
  // A layer changed while a command waits for a point would become part of its step.
  layers_->widget()->setEnabled(enabled);
}

}  // namespace host::view
