#include "host/view/host_window.h"

#include <QCloseEvent>
#include <QFileDialog>
#include <QMessageBox>
#include <QSplitter>
#include <QStatusBar>

#include "host/view-core/length_format.h"
#include "host/view-files/drawing_files.h"
#include "host/view/load_progress.h"

namespace host::view {
namespace {

SaveChoice askWithMessageBox(QWidget* parent, const QString& name) {
  const auto answer = QMessageBox::question(
      parent, parent->windowTitle(), QString("Save changes to %1?").arg(name),
      QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
  if (answer == QMessageBox::Save) return SaveChoice::Save;
  if (answer == QMessageBox::Discard) return SaveChoice::Discard;
  return SaveChoice::Cancel;
}

}  // namespace

HostWindow::HostWindow(std::shared_ptr<HostApplication> application, QWidget* parent)
    : QMainWindow(parent),
      application_(std::move(application)),
      tabs_(new QTabWidget),
      commandLine_(new CommandLine),
      status_(new QLabel),
      notShown_(new QLabel),
      settings_(new QLabel),
      layers_(new LayersPanel(this)) {
  askToSave_ = [this](const QString& name) { return askWithMessageBox(this, name); };
  askForPath_ = [this](const QString& name) { return askForPathWithFileDialog(name); };
  askAboutLoss_ = [this](const QString& name, const QString& lost, bool newName) {
    return askAboutLossWithMessageBox(name, lost, newName);
  };

  // The user drags the splitter to see more of the command history; the drawing takes the rest.
  auto* central = new QSplitter(Qt::Vertical);
  central->setChildrenCollapsible(false);
  tabs_->setDocumentMode(true);
  tabs_->setFocusPolicy(Qt::NoFocus);
  tabs_->setTabsClosable(true);
  central->addWidget(tabs_);
  central->addWidget(commandLine_);
  central->setStretchFactor(0, 1);
  central->setStretchFactor(1, 0);
  setCentralWidget(central);
  statusBar()->addWidget(status_, 1);
  statusBar()->addPermanentWidget(notShown_);
  statusBar()->addPermanentWidget(settings_);
  addDockWidget(Qt::RightDockWidgetArea, layers_);
  connect(layers_, &LayersPanel::refused, this, [this](const QString& reason) { say(reason); });
  resize(1000, 700);

  buildMenus();
  connect(tabs_, &QTabWidget::currentChanged, this, [this] { activeTabChanged(); });
  connect(tabs_, &QTabWidget::tabCloseRequested, this,
          [this](int index) { closeDrawing(qobject_cast<DrawingView*>(tabs_->widget(index))); });
  connect(commandLine_, &CommandLine::submitted, this, [this](const QString& t) { submitted(t); });
  connect(commandLine_, &CommandLine::escapePressed, this, [this] { escapePressed(); });

  for (const auto& document : application_->documents()) {
    addDrawing(OpenDrawing(document, ++untitledCount_));
  }
  if (const auto active = application_->activeModel()) tabs_->setCurrentWidget(viewOf(*active));
  refreshTitles();
}

HostWindow::~HostWindow() {
  // A request still waiting must not return into a window that is gone.
  if (request_) answerRequest(std::nullopt);
}

void HostWindow::addDrawing(OpenDrawing drawing) {
  auto* view = new DrawingView(std::make_shared<OpenDrawing>(std::move(drawing)));
  view->setSnapEnabled(snapEnabled_);
  // Keys typed anywhere over the drawing go to the command line.
  view->setFocusProxy(commandLine_->input());
  view->setFocusPolicy(Qt::ClickFocus);
  connect(
      view, &DrawingView::pointClicked, this,
      [this, view](const Eigen::Vector3d& world, bool snapped) { clicked(view, world, snapped); });
  connect(view, &DrawingView::cursorMoved, this,
          [this](const std::optional<Eigen::Vector3d>& world) { showCursor(world); });
  connect(view, &DrawingView::drawingChanged, this, [this] {
    refreshTitles();
    showSettings();
  });
  connect(view, &DrawingView::sceneBuilt, this, [this, view] {
    if (view == activeView()) showEntitiesNotShown();
  });
  tabs_->addTab(view, drawingName(view));
  tabs_->setCurrentWidget(view);
  refreshTitles();
}

void HostWindow::newDrawing() {
  open(OpenDrawing(std::make_shared<model::Document>(), ++untitledCount_));
}

void HostWindow::open(OpenDrawing drawing) {
  application_->addDocument(drawing.document());
  addDrawing(std::move(drawing));
}

bool HostWindow::openFile(const QString& path) {
  const std::filesystem::path file = path.toStdString();
  try {
    std::shared_ptr<model::Document> document;
    {
      LoadProgress progress(QString::fromStdString(file.filename().string()), this,
                            loadProgressDelay_);
      document = readDrawingFile(file, [&progress](double fraction) { progress(fraction); });
    }
    const std::vector<std::string> warnings = openingWarnings(*document);
    open(OpenDrawing(std::move(document), file));
    for (const std::string& warning : warnings) {
      warn(QString::fromStdString(file.filename().string() + ": " + warning));
    }
    return true;
  } catch (const LoadCancelled&) {
    say("Cancelled opening " + path);
    return false;
  } catch (const std::exception& failure) {
    say(QString("Cannot open %1: %2").arg(path, failure.what()));
    return false;
  }
}

bool HostWindow::closeDrawing(DrawingView* view) {
  if (!view) return false;
  if (view->document()->modified() && !settleUnsavedChanges(view)) return false;
  removeDrawing(view);
  return true;
}

void HostWindow::removeDrawing(DrawingView* view) {
  if (request_ && request_->view == view) answerRequest(std::nullopt);
  application_->closeDocument(*view->document());
  tabs_->removeTab(tabs_->indexOf(view));
  view->deleteLater();
  refreshTitles();
}

bool HostWindow::closeAllDrawings() {
  for (DrawingView* view : views()) {
    if (!view->document()->modified()) continue;
    tabs_->setCurrentWidget(view);
    if (!settleUnsavedChanges(view)) return false;
  }
  for (DrawingView* view : views()) removeDrawing(view);
  return true;
}

bool HostWindow::settleUnsavedChanges(DrawingView* view) {
  switch (askToSave_(drawingName(view))) {
    case SaveChoice::Cancel:
      return false;
    case SaveChoice::Save:
      return saveDrawing(view);
    case SaveChoice::Discard:
      return true;
  }
  return false;
}

void HostWindow::closeEvent(QCloseEvent* event) {
  if (request_) answerRequest(std::nullopt);
  if (closeAllDrawings()) {
    event->accept();
  } else {
    event->ignore();
  }
}

DrawingView* HostWindow::activeView() const {
  return qobject_cast<DrawingView*>(tabs_->currentWidget());
}

QList<DrawingView*> HostWindow::views() const {
  QList<DrawingView*> result;
  for (int i = 0; i < tabs_->count(); ++i) {
    result.append(qobject_cast<DrawingView*>(tabs_->widget(i)));
  }
  return result;
}

DrawingView* HostWindow::viewOf(const model::Document& document) const {
  for (DrawingView* view : views()) {
    if (view->document().get() == &document) return view;
  }
  return nullptr;
}

QString HostWindow::drawingName(const DrawingView* view) const {
  return QString::fromStdString(view->drawing().name());
}

void HostWindow::refreshTitles() {
  for (DrawingView* view : views()) {
    const bool modified = view->document()->modified();
    tabs_->setTabText(tabs_->indexOf(view), drawingName(view) + (modified ? " *" : ""));
  }
  DrawingView* view = activeView();
  // "[*]" is where Qt shows the modified mark.
  setWindowTitle(view ? drawingName(view) + "[*] - Kestova CAD" : QString("Kestova CAD"));
  setWindowModified(view && view->document()->modified());
}

void HostWindow::activeTabChanged() {
  DrawingView* view = activeView();
  if (view) application_->activate(*view->document());
  layers_->showDocument(view ? view->document() : nullptr);
  lineWeights_->setChecked(view && view->lineWeightsShown());
  refreshTitles();
  showEntitiesNotShown();
  showSettings();
}

void HostWindow::showSettings() {
  const DrawingView* view = activeView();
  if (!view) {
    settings_->clear();
    return;
  }
  const model::Document& document = *view->document();
  const model::Ucs& ucs = document.currentUcs();
  const QString ucsName = !ucs.name.empty()            ? QString::fromStdString(ucs.name)
                          : ucs.frame == geom::Frame() ? QString("World")
                                                       : QString("Unnamed");
  settings_->setText(QString("Elevation %1   Snap %2   UCS %3")
                         .arg(QString::fromStdString(formatLength(document.header().elevation,
                                                                  document.header().luprec)),
                              snapEnabled_ ? "on" : "off", ucsName));
}

void HostWindow::showEntitiesNotShown() {
  DrawingView* view = activeView();
  const std::size_t count = view ? view->entitiesNotShown() : 0;
  if (count == 0) {
    notShown_->clear();
  } else {
    notShown_->setText(
        QString("%1 %2 not shown").arg(count).arg(count == 1 ? "entity" : "entities"));
  }
}

void HostWindow::showCursor(const std::optional<Eigen::Vector3d>& world) {
  DrawingView* view = activeView();
  if (!view || !world) {
    status_->clear();
    return;
  }
  const model::Document& document = *view->document();
  const Eigen::Vector3d local = document.currentUcs().frame.pointToLocal(*world);
  const int decimals = document.header().luprec;
  status_->setText(QString::fromStdString(formatLength(local.x(), decimals) + ", " +
                                          formatLength(local.y(), decimals) + ", " +
                                          formatLength(local.z(), decimals)));
}

void HostWindow::say(const QString& line) {
  commandLine_->appendHistory(line);
}

void HostWindow::warn(const QString& line) {
  constexpr int kShownForMs = 20000;
  say(line);
  statusBar()->showMessage(line, kShownForMs);
}

}  // namespace host::view
