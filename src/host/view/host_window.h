#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include <QLabel>
#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <QTabWidget>

#include "host/automation/host_application.h"
#include "host/model/file_form.h"
#include "host/view-core/command.h"
#include "host/view-core/open_drawing.h"
#include "host/view-core/save_decision.h"
#include "host/view/command_line.h"
#include "host/view/drawing_view.h"
#include "host/view/layers_panel.h"
#include "host/view/load_progress.h"

class QEventLoop;

namespace host::view {

enum class SaveChoice { Save, Discard, Cancel };

// How a point is asked for in a drawing window.
struct PointRequest {
  // Where a rubber band from the cursor starts (world); none shows without one.
  std::optional<Eigen::Vector3d> basePoint;
  // The rubber band is the box between the base point and the cursor (a window's corners).
  bool box = false;
  // Enter on an empty line ends the request: a command's last point has been given.
  bool emptyEnds = false;
};

// The host's main window: a tab per open drawing of the application, menus, the command line
// and a status bar with the cursor position in the current UCS and, for a drawing that cannot be
// shown in full, how many of its entities are not shown. It also answers point
// requests: the prompt shows in the command line and the user clicks or types a point.
class HostWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit HostWindow(std::shared_ptr<HostApplication> application, QWidget* parent = nullptr);
  ~HostWindow() override;

  // --- Documents ---
  void newDrawing();
  // Opens a drawing already read in a new tab and makes it the application's active drawing.
  void open(OpenDrawing drawing);
  // Opens a drawing file in a new tab; a failure is reported in the command line.
  bool openFile(const QString& path);
  // Closes a drawing, asking first when it is modified. False when the user cancelled.
  bool closeDrawing(DrawingView* view);
  // Asks about every modified drawing, then closes them all. False when the user cancelled.
  bool closeAllDrawings();
  // Saves a drawing to its file, or to `path` (asking for one when it has none). When the file
  // cannot hold everything in the drawing, the user hears what would be left out first and the
  // copy goes to a new name: the file the drawing was read from is never overwritten by it.
  // Saves to the drawing's own file, or to `path` in `release` ("R2013"; empty for the
  // drawing's own) and `form` (text or binary; none for the drawing's own).
  bool saveDrawing(DrawingView* view, std::optional<QString> path = std::nullopt,
                   const QString& release = {}, std::optional<model::FileForm> form = std::nullopt);

  DrawingView* activeView() const;
  QList<DrawingView*> views() const;
  DrawingView* viewOf(const model::Document& document) const;
  // "site.dxf", or "Drawing1" for a drawing that has no file.
  QString drawingName(const DrawingView* view) const;
  CommandLine* commandLine() const { return commandLine_; }
  LayersPanel* layersPanel() const { return layers_; }
  QString statusText() const { return status_->text(); }
  // "Elevation 45.000  Snap on  UCS SITE" for the active drawing.
  QString settingsText() const { return settings_->text(); }
  // "12 entities not shown", or empty when the active drawing shows everything.
  QString notShownText() const { return notShown_->text(); }

  // --- Commands ---
  // Runs a line as typed at the command line when no point request waits. An empty line
  // repeats the last command.
  void runCommand(const QString& line);
  // Ends the program: every drawing window closes, asking about unsaved drawings, then the
  // program quits. Nothing closes when the user cancels.
  void quitProgram();
  void setSnapEnabled(bool enabled);
  // Adds an entry to the Tools menu for what the program offers beside the host's own commands;
  // like the commands, it waits while a point request does.
  void addTool(const QString& text, std::function<void()> run);
  bool snapEnabled() const { return snapEnabled_; }
  // Shows lineweights in the active drawing, or draws its lines one pixel wide.
  void setLineWeightsShown(bool shown);
  // Adds an entry to the Help menu, which shows once it has one. Help stays at hand while a
  // point request waits.
  void addHelpEntry(const QString& text, std::function<void()> show);

  // --- Point requests ---
  // Asks the user for a point in `document` and waits (a nested event loop) for a click, a
  // typed point or Esc. None when cancelled, also when the drawing or the window closes, and
  // when the request lets an empty line end it.
  std::optional<Eigen::Vector3d> requestPoint(model::Document& document, const std::string& prompt,
                                              const PointRequest& request = {});
  // Asks for a value typed at the command line and waits as requestPoint does: the line typed,
  // trimmed (empty for Enter alone); none when cancelled.
  std::optional<std::string> requestText(model::Document& document, const std::string& prompt);
  bool pointRequestWaiting() const { return request_ != nullptr; }

  // --- Questions, replaceable so that tests can answer them ---
  using SaveQuestion = std::function<SaveChoice(const QString& drawingName)>;
  // Where to save, in which release of the file format ("R2013"; empty for the drawing's own)
  // and in which form (text or binary; none for the drawing's own).
  struct SaveTarget {
    SaveTarget(QString path, QString release = {}, std::optional<model::FileForm> form = {})
        : path(std::move(path)), release(std::move(release)), form(form) {}
    QString path;
    QString release;
    std::optional<model::FileForm> form;
  };
  using PathQuestion = std::function<std::optional<SaveTarget>(const QString& drawingName)>;
  // Told what a save would leave out ("3 VIEWPORT, 1 XRECORD"); true to go on. `newName` says
  // whether going on means choosing a new file name (a SAVE to the file the drawing came from).
  using LossQuestion =
      std::function<bool(const QString& drawingName, const QString& lost, bool newName)>;
  void setSaveQuestion(SaveQuestion question) { askToSave_ = std::move(question); }
  void setSavePathQuestion(PathQuestion question) { askForPath_ = std::move(question); }
  void setLossQuestion(LossQuestion question) { askAboutLoss_ = std::move(question); }
  // How long opening a file runs before its progress shows (about half a second).
  void setLoadProgressDelay(std::chrono::milliseconds delay) { loadProgressDelay_ = delay; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  struct PendingRequest {
    QPointer<DrawingView> view;
    QEventLoop* loop = nullptr;
    std::optional<Eigen::Vector3d> answer;
    bool emptyEnds = false;
    // Asks for a typed value, not a point: clicks do not answer.
    bool wantsText = false;
    std::optional<std::string> text;
  };

  std::shared_ptr<HostApplication> application_;
  QTabWidget* tabs_;
  CommandLine* commandLine_;
  QLabel* status_;
  QLabel* notShown_;
  QLabel* settings_;
  LayersPanel* layers_;
  // The last command line run, repeated by an empty one.
  QString lastCommand_;
  QList<QAction*> drawingActions_;
  QMenu* tools_ = nullptr;
  QMenu* help_ = nullptr;
  // Checked while the active drawing shows lineweights.
  QAction* lineWeights_ = nullptr;
  bool snapEnabled_ = true;
  int untitledCount_ = 0;
  // The waiting request lives on the stack of requestPoint; this points at it.
  PendingRequest* request_ = nullptr;
  SaveQuestion askToSave_;
  PathQuestion askForPath_;
  LossQuestion askAboutLoss_;
  std::chrono::milliseconds loadProgressDelay_ = LoadProgress::kDefaultDelay;

  void buildMenus();
  QAction* addCommandAction(QMenu* menu, const QString& text, const QString& command,
                            const QKeySequence& shortcut = {});
  void addDrawing(OpenDrawing drawing);
  void removeDrawing(DrawingView* view);
  // Asks whether to save a modified drawing before it closes and saves it if told: false when
  // the user cancels or the save fails, and the drawing stays open.
  bool settleUnsavedChanges(DrawingView* view);
  void refreshTitles();
  void activeTabChanged();
  void showCursor(const std::optional<Eigen::Vector3d>& world);
  void showEntitiesNotShown();
  void showSettings();
  void say(const QString& line);
  // Says a line that must not be missed, in the status bar too, for a while.
  void warn(const QString& line);
  bool askAboutLossWithMessageBox(const QString& name, const QString& lost, bool newName);
  // Asks the question a save step names and files the answer in `request`; true when the step
  // was a question.
  bool answerSaveQuestion(const SaveStep& step, const QString& name, SaveRequest& request);
  // Writes a drawing as a save step says and tells the user how it went.
  bool write(OpenDrawing& drawing, const save_step::Write& step, const SaveRequest& request);
  std::optional<SaveTarget> askForPathWithFileDialog(const QString& drawingName);

  void submitted(const QString& text);
  void escapePressed();
  // A click answers a waiting request; with snap on, a click that snapped nothing says which
  // height it took, so that a point meant to lie on an object is not taken at the elevation
  // unnoticed.
  void clicked(DrawingView* view, const Eigen::Vector3d& world, bool snapped);
  void answerRequest(std::optional<Eigen::Vector3d> answer);
  // Waits in a nested event loop until `pending` is answered; false when the window was
  // destroyed meanwhile.
  bool waitForAnswer(PendingRequest& pending, const std::string& prompt);
  void typedPoint(const QString& text);
  void setDrawingActionsEnabled(bool enabled);
  void runWindowCommand(const Command& command);
  // The commands that ask for their points one by one.
  void addPickedPoint(DrawingView& view);
  void drawLines(DrawingView& view);
  void zoom(DrawingView& view, const command::Zoom& zoom);
  // ID, DIST, LIST and ERASE: the points and the entities they ask for, and what they tell.
  void identify(DrawingView& view, const command::Identify& identify);
  void measure(DrawingView& view, const command::Measure& measure);
  void listEntity(DrawingView& view);
  void erase(DrawingView& view);
  // STATION: a polyline picked, its start chainage, then points until Enter or Esc.
  void station(DrawingView& view, const command::Station& station);
  // The entity shown under a picked point, none when nothing is.
  std::optional<model::Handle> entityUnder(DrawingView& view, const Eigen::Vector3d& picked);
  void plot(DrawingView& view, const command::Plot& plot);
  void sayLines(const std::vector<std::string>& lines);
  // The point typed with the command, or else the one the user gives when asked.
  std::optional<Eigen::Vector3d> pointFor(DrawingView& view, const std::optional<PointEntry>& typed,
                                          const std::string& prompt, const PointRequest& request);
};

}  // namespace host::view
