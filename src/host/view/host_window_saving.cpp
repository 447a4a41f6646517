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

std::optional<QString> HostWindow::lossyTarget(DrawingView* view, std::optional<QString> path,
                                               const QString& lost) {
  const QString source = view->property(kSourceFile).toString();
  const auto isSource = [&](const QString& target) {
    return !source.isEmpty() && sameFile(target.toStdString(), source.toStdString());
  };
  const auto refuse = [&](const QString& target) {
    say(QString("Not saved: %1 is the file this drawing was read from, and a copy written now "
                "would leave out %2. Save under another name.")
            .arg(target, lost));
    return std::nullopt;
  };
  if (path && isSource(*path)) return refuse(*path);
  if (!askAboutLoss_(drawingName(view), lost, !path)) {
    say("Not saved");
    return std::nullopt;
  }
  if (!path) path = askForPath_(drawingName(view));
  if (!path) return std::nullopt;
  if (isSource(*path)) return refuse(*path);
  return path;
}

bool HostWindow::saveDrawing(DrawingView* view, std::optional<QString> path) {
  if (!view) return false;
  model::Document& document = *view->document();
  const bool named = path.has_value();
  if (!path && !document.filePath().empty()) path = QString::fromStdString(document.filePath());

  QStringList lostItems;
  for (const auto& item : contentLostOnSave(document)) lostItems << QString::fromStdString(item);
  const QString lost = lostItems.join(", ");
  const QString agreedCopy = view->property(kLossyCopy).toString();
  const bool alreadyAgreed =
      path && !agreedCopy.isEmpty() && sameFile(path->toStdString(), agreedCopy.toStdString());
  if (!lost.isEmpty() && !alreadyAgreed) {
    // A SAVE of a drawing with a file must go elsewhere; a SAVEAS names its target.
    path = lossyTarget(view, named ? path : std::nullopt, lost);
    if (!path) return false;
  }
  if (!path) path = askForPath_(drawingName(view));
  if (!path) return false;

  try {
    writeDrawingFile(document, path->toStdString());
  } catch (const std::exception& failure) {
    say(QString("Cannot save %1: %2").arg(*path, failure.what()));
    return false;
  }
  if (!lost.isEmpty()) view->setProperty(kLossyCopy, *path);
  document.setFilePath(path->toStdString());
  document.setModified(false);
  say(lost.isEmpty() ? "Saved " + *path : QString("Saved %1 without %2").arg(*path, lost));
  return true;
}

}  // namespace host::view
