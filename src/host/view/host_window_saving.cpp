// Saving drawings from the host window. A drawing file cannot hold everything a drawing read
// from another program may contain; such a save never replaces the file the drawing came
// from, and the user hears beforehand what the new file leaves out.
#include <QMessageBox>
#include <QPushButton>

#include "host/view-core/drawing_files.h"
#include "host/view/host_window.h"

namespace host::view {

bool HostWindow::askAboutLossWithMessageBox(const QString& name, const QString& lost,
                                            bool newName) {
  QMessageBox box(
      QMessageBox::Warning, windowTitle(),
      QString("A drawing file cannot hold everything in %1.\nLeft out: %2.").arg(name, lost),
      QMessageBox::Cancel, this);
  box.setInformativeText(newName
                             ? "Save a copy under a new name? The file " + name + " stays as it is."
                             : QString("Save without them?"));
  QPushButton* go = box.addButton(newName ? "Save &As..." : "&Save", QMessageBox::AcceptRole);
  box.setDefaultButton(QMessageBox::Cancel);
  box.exec();
  return box.clickedButton() == go;
}

bool HostWindow::answerSaveQuestion(const SaveStep& step, const QString& name,
                                    SaveRequest& request) {
  if (const auto* loss = std::get_if<save_step::AskAboutLoss>(&step)) {
    request.lossAccepted = askAboutLoss_(name, QString::fromStdString(loss->lost), loss->newName);
    return true;
  }
  if (std::holds_alternative<save_step::AskForPath>(step)) {
    const auto path = askForPath_(name);
    request.chosenPath =
        path ? std::optional<std::filesystem::path>(path->toStdString()) : std::nullopt;
    return true;
  }
  return false;
}

bool HostWindow::write(OpenDrawing& drawing, const save_step::Write& step) {
  const QString path = QString::fromStdString(step.path.string());
  try {
    writeDrawingFile(*drawing.document(), step.path);
  } catch (const std::exception& failure) {
    say(QString("Cannot save %1: %2").arg(path, failure.what()));
    return false;
  }
  drawing.saved(step.path, !step.lost.empty());
  refreshTitles();
  say(step.lost.empty()
          ? "Saved " + path
          : QString("Saved %1 without %2").arg(path, QString::fromStdString(step.lost)));
  return true;
}

bool HostWindow::saveDrawing(DrawingView* view, std::optional<QString> path) {
  if (!view) return false;
  OpenDrawing& drawing = view->drawing();
  SaveRequest request;
  if (path) request.path = path->toStdString();
  request.lost = contentLostOnSave(*drawing.document());
  while (true) {
    const SaveStep step = nextSaveStep(drawing, request);
    if (answerSaveQuestion(step, drawingName(view), request)) continue;
    if (const auto* write = std::get_if<save_step::Write>(&step))
      return this->write(drawing, *write);
    const std::string& message = std::get<save_step::Stop>(step).message;
    if (!message.empty()) say(QString::fromStdString(message));
    return false;
  }
}

}  // namespace host::view
