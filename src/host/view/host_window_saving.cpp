// Saving drawings from the host window. A drawing file cannot hold everything a drawing read
// from another program may contain; such a save never replaces the file the drawing came
// from, and the user hears beforehand what the new file leaves out.
#include <algorithm>

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

#include "host/view-core/file_names.h"
#include "host/view-files/drawing_files.h"
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

std::optional<HostWindow::SaveTarget> HostWindow::askForPathWithFileDialog(const QString& name) {
  // One file type per release and form, newest first, the text ones before the binary ones;
  // the drawing's own is chosen to begin with.
  QStringList filters;
  std::vector<SaveTarget> types;
  QString selected;
  const std::vector<std::string> releases = savableReleases();
  const DrawingView* view = activeView();
  const std::string ownRelease =
      view ? savedRelease(*view->drawing().document()) : releases.front();
  const dxf::FileForm ownForm =
      view ? savedForm(*view->drawing().document()) : dxf::FileForm::kText;
  for (const dxf::FileForm form : {dxf::FileForm::kText, dxf::FileForm::kBinary}) {
    for (auto release = releases.rbegin(); release != releases.rend(); ++release) {
      const QString releaseName = QString::fromStdString(*release);
      const QString filter =
          QString(form == dxf::FileForm::kBinary ? "Binary DXF %1 drawing (*.dxf)"
                                                 : "DXF %1 drawing (*.dxf)")
              .arg(releaseName);
      filters << filter;
      types.emplace_back(QString(), releaseName, form);
      if (*release == ownRelease && form == ownForm) selected = filter;
    }
  }
  const QString path = QFileDialog::getSaveFileName(this, "Save " + name, name + ".dxf",
                                                    filters.join(";;"), &selected);
  if (path.isEmpty()) return std::nullopt;
  SaveTarget target = types[std::max<qsizetype>(filters.indexOf(selected), 0)];
  target.path = path;
  return target;
}

bool HostWindow::answerSaveQuestion(const SaveStep& step, const QString& name,
                                    SaveRequest& request) {
  if (const auto* loss = std::get_if<save_step::AskAboutLoss>(&step)) {
    request.lossAccepted = askAboutLoss_(name, QString::fromStdString(loss->lost), loss->newName);
    return true;
  }
  if (std::holds_alternative<save_step::AskForPath>(step)) {
    const auto target = askForPath_(name);
    request.chosenPath =
        target
            ? std::optional<std::filesystem::path>(withDrawingExtension(target->path.toStdString()))
            : std::nullopt;
    if (target && !target->release.isEmpty()) request.release = target->release.toStdString();
    if (target && target->form) request.form = target->form;
    return true;
  }
  return false;
}

bool HostWindow::write(OpenDrawing& drawing, const save_step::Write& step,
                       const SaveRequest& request) {
  const std::string& release = request.release;
  const QString path = QString::fromStdString(step.path.string());
  const model::Document& document = *drawing.document();
  // A drawing of release 14 or older is told once, on its first save, that the file is a newer
  // one.
  const std::string converted = drawing.savedOnce() ? std::string() : olderReleaseName(document);
  const QString written =
      QString::fromStdString(release.empty() ? savedRelease(document) : release);
  std::string backupNotKept;
  try {
    backupNotKept = writeDrawingFile(document, step.path, release, request.form);
  } catch (const std::exception& failure) {
    say(QString("Cannot save %1: %2").arg(path, failure.what()));
    return false;
  }
  drawing.saved(step.path, !step.lost.empty());
  refreshTitles();
  QString message =
      step.lost.empty()
          ? "Saved " + path
          : QString("Saved %1 without %2").arg(path, QString::fromStdString(step.lost));
  if (!converted.empty()) {
    message +=
        QString(" (converted from %1 to %2)").arg(QString::fromStdString(converted), written);
  }
  say(message);
  if (!backupNotKept.empty()) warn(QString::fromStdString("No backup: " + backupNotKept));
  return true;
}

bool HostWindow::saveDrawing(DrawingView* view, std::optional<QString> path, const QString& release,
                             std::optional<dxf::FileForm> form) {
  if (!view) return false;
  OpenDrawing& drawing = view->drawing();
  SaveRequest request;
  if (path) request.path = withDrawingExtension(path->toStdString());
  request.release = release.toStdString();
  request.form = form;
  try {
    request.lost = contentLostOnSave(*drawing.document(), request.release);
  } catch (const std::exception& failure) {
    say(QString("Cannot save: %1").arg(failure.what()));
    return false;
  }
  while (true) {
    const SaveStep step = nextSaveStep(drawing, request);
    const std::string releaseBefore = request.release;
    if (answerSaveQuestion(step, drawingName(view), request)) {
      // A release chosen with the path may leave out more: asked again if so.
      if (request.release != releaseBefore) {
        auto lost = contentLostOnSave(*drawing.document(), request.release);
        if (lost != request.lost) request.lossAccepted.reset();
        request.lost = std::move(lost);
      }
      continue;
    }
    if (const auto* write = std::get_if<save_step::Write>(&step))
      return this->write(drawing, *write, request);
    const std::string& message = std::get<save_step::Stop>(step).message;
    if (!message.empty()) say(QString::fromStdString(message));
    return false;
  }
}

}  // namespace host::view
