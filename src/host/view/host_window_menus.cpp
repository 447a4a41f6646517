// The menus of the host window. Actions that change the drawing run the same commands a user
// could type, so they show in the command history.
#include <QFileDialog>
#include <QInputDialog>
#include <QMenuBar>

#include "host/view/history_window.h"
#include "host/view/host_window.h"

namespace host::view {

QAction* HostWindow::addCommandAction(QMenu* menu, const QString& text, const QString& command,
                                      const QKeySequence& shortcut) {
  QAction* action = menu->addAction(text, this, [this, command] {
    commandLine_->appendHistory(CommandLine::kCommandPrompt + command);
    runCommand(command);
  });
  if (!shortcut.isEmpty()) action->setShortcut(shortcut);
  return action;
}

void HostWindow::buildMenus() {
  QMenu* file = menuBar()->addMenu("&File");
  drawingActions_ << addCommandAction(file, "&New", "NEW", QKeySequence::New);
  drawingActions_ << file->addAction("&Open...", QKeySequence::Open, this, [this] {
    const QString path =
        QFileDialog::getOpenFileName(this, "Open drawing", {}, "Drawing files (*.dxf)");
    if (!path.isEmpty()) openFile(path);
  });
  drawingActions_ << addCommandAction(file, "&Save", "SAVE", QKeySequence::Save);
  drawingActions_ << file->addAction("Save &As...", QKeySequence::SaveAs, this, [this] {
    if (DrawingView* view = activeView()) {
      if (const auto target = askForPath_(drawingName(view))) {
        saveDrawing(view, target->path, target->release, target->form);
      }
    }
  });
  // Close and Quit stay available while a point request waits; they cancel it.
  addCommandAction(file, "&Close", "CLOSE", QKeySequence::Close);
  file->addSeparator();
  addCommandAction(file, "&Quit", "QUIT", QKeySequence::Quit);

  QMenu* edit = menuBar()->addMenu("&Edit");
  drawingActions_ << addCommandAction(edit, "&Undo", "UNDO", QKeySequence(Qt::CTRL | Qt::Key_Z));
  drawingActions_ << addCommandAction(edit, "&Redo", "REDO", QKeySequence(Qt::CTRL | Qt::Key_Y));

  QMenu* view = menuBar()->addMenu("&View");
  addCommandAction(view, "&Plan of the current UCS", "VIEW PLAN");
  addCommandAction(view, "&Top", "VIEW TOP");
  addCommandAction(view, "&Front", "VIEW FRONT");
  addCommandAction(view, "&Right", "VIEW RIGHT");
  addCommandAction(view, "S&W isometric", "VIEW SWISO");
  addCommandAction(view, "S&E isometric", "VIEW SEISO");
  view->addSeparator();
  addCommandAction(view, "Zoom &extents", "ZOOM EXTENTS");
  drawingActions_ << addCommandAction(view, "Zoom &window", "ZOOM WINDOW");
  addCommandAction(view, "Zoom p&revious", "ZOOM PREVIOUS");
  view->addSeparator();
  QAction* snap = view->addAction("Object &snap");
  snap->setCheckable(true);
  snap->setChecked(snapEnabled_);
  snap->setShortcut(Qt::Key_F3);
  snap->setShortcutContext(Qt::WindowShortcut);
  connect(snap, &QAction::toggled, this, [this](bool on) { setSnapEnabled(on); });
  lineWeights_ = view->addAction("&Lineweights");
  lineWeights_->setCheckable(true);
  // Only the user's click runs the command; the check also follows the active drawing.
  connect(lineWeights_, &QAction::triggered, this, [this](bool on) {
    const QString command = on ? "LWT ON" : "LWT OFF";
    commandLine_->appendHistory(CommandLine::kCommandPrompt + command);
    runCommand(command);
  });
  view->addSeparator();
  auto* history = new HistoryWindow(commandLine_, this);
  view->addAction("Command &history", Qt::Key_F2, history, &HistoryWindow::toggle);
  QAction* layers = layers_->toggleViewAction();
  layers->setText("&Layers");
  view->addAction(layers);

  // Typed values go through the command parser, which says what is wrong with them.
  auto ask = [this](const QString& title, const QString& label, const QString& command) {
    bool ok = false;
    const QString value = QInputDialog::getText(this, title, label, QLineEdit::Normal, {}, &ok);
    if (!ok) return;
    commandLine_->appendHistory(CommandLine::kCommandPrompt + command + " " + value);
    runCommand(command + " " + value);
  };

  QMenu* format = menuBar()->addMenu("F&ormat");
  drawingActions_ << format->addAction("Units &precision (LUPREC)...", this, [this] {
    bool ok = false;
    const DrawingView* active = activeView();
    const int current = active ? active->document()->header().luprec : 4;
    const int value =
        QInputDialog::getInt(this, "Units precision", "Decimals (0 to 8):", current, 0, 8, 1, &ok);
    if (!ok) return;
    const QString command = QString("LUPREC %1").arg(value);
    commandLine_->appendHistory(CommandLine::kCommandPrompt + command);
    runCommand(command);
  });

  tools_ = menuBar()->addMenu("&Tools");
  QMenu* ucs = tools_->addMenu("&UCS");
  drawingActions_ << addCommandAction(ucs, "&World", "UCS WORLD");
  drawingActions_ << ucs->addAction(
      "&Origin...", this, [ask] { ask("UCS origin", "New origin (x,y,z):", "UCS ORIGIN"); });
  for (const char* axis : {"X", "Y", "Z"}) {
    drawingActions_ << ucs->addAction(QString("Rotate about &%1...").arg(axis), this, [ask, axis] {
      ask("Rotate UCS", QString("Angle about %1 (degrees):").arg(axis), QString("UCS ") + axis);
    });
  }
  drawingActions_ << ucs->addAction("&3 point...", this, [ask] {
    ask("UCS by 3 points", "origin;x-axis point;y-axis point:", "UCS 3P");
  });
  ucs->addSeparator();
  drawingActions_ << ucs->addAction("&Save as...", this,
                                    [ask] { ask("Save UCS", "Name:", "UCS SAVE"); });
  // Restore and delete offer the drawing's named UCSs.
  auto askName = [this](const QString& title, const QString& command) {
    DrawingView* active = activeView();
    if (!active) return;
    QStringList names;
    for (const auto& named : active->document()->ucsTable().all()) {
      names << QString::fromStdString(named.name);
    }
    bool ok = false;
    const QString name = QInputDialog::getItem(this, title, "Name:", names, 0, true, &ok);
    if (!ok) return;
    commandLine_->appendHistory(CommandLine::kCommandPrompt + command + " " + name);
    runCommand(command + " " + name);
  };
  drawingActions_ << ucs->addAction("&Restore...", this,
                                    [askName] { askName("Restore UCS", "UCS RESTORE"); });
  drawingActions_ << ucs->addAction("&Delete...", this,
                                    [askName] { askName("Delete UCS", "UCS DELETE"); });

  help_ = menuBar()->addMenu("&Help");
  help_->menuAction()->setVisible(false);
}

void HostWindow::addTool(const QString& text, std::function<void()> run) {
  if (tools_->actions().size() == 1) tools_->addSeparator();
  QAction* action = tools_->addAction(text, this, std::move(run));
  drawingActions_ << action;
}

void HostWindow::addHelpEntry(const QString& text, std::function<void()> show) {
  help_->addAction(text, this, std::move(show));
  help_->menuAction()->setVisible(true);
}

}  // namespace host::view
