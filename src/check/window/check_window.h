#pragma once

#include <QWidget>
#include <functional>
#include <memory>
#include <stop_token>
#include <vector>

#include "check/check_report.h"
#include "check/check_run.h"
#include "check/draw_settings.h"
#include "check/ucs_choice.h"
#include "check/window/drawing_target.h"
#include "check/window/shot_check.h"

class QLabel;
class QProgressBar;
class QPushButton;

template <class T>
class QFutureWatcher;

namespace check {

class CheckInputs;
class CheckResults;
class ReportFieldsBox;

// Where the check window starts from: what its caller knows of the drawing and the dialog.
struct CheckWindowSetup {
  // The drawing's current UCS first, then its named ones; empty without a drawing (World).
  std::vector<UcsChoice> ucsChoices;
  int decimals = 3;         // the drawing's precision
  double textHeight = 1.0;  // the dialog's stored text height
};

// Draws every pair of a check into the drawing, as the user chose to draw them.
using VectorDrawer = std::function<void(const CheckReport&, const DrawSettings&)>;
// Draws every shot of a check against a surface or along an alignment into the drawing.
using ShotDrawer = std::function<void(const ShotCheck&, const DrawSettings&)>;

// The survey check in a window: two point files in, pairs, deviations, tolerances and
// statistics out, the same check as `kestova check`. The check runs in a worker thread, so the
// window stays responsive and the user may cancel it.
class CheckWindow : public QWidget {
  Q_OBJECT

 public:
  explicit CheckWindow(CheckWindowSetup setup, QWidget* parent = nullptr);
  ~CheckWindow() override;

  // "Draw vectors" works once this is given.
  void setVectorDrawer(VectorDrawer drawer);
  // Drawing the shots of a check against a surface or along an alignment works once this is
  // given.
  void setShotDrawer(ShotDrawer drawer);
  // The drawing the drawer draws into, shown in the window; drawing stops once it is closed.
  void setDrawing(DrawingName name);

 signals:
  // A pair was double-clicked: its design point and survey point, in world coordinates.
  void pairActivated(const survey::Point& design, const survey::Point& surveyed);

 private:
  struct Outcome;

  void startCheck();
  void cancelCheck();
  void finishCheck();
  void showRunning(bool running);
  void updateActions();
  void showError(const QString& message);
  void drawVectors();
  void saveReport();

  CheckInputs* inputs_;
  CheckResults* results_;
  ReportFieldsBox* reportFields_;
  QPushButton* check_;
  QProgressBar* busy_;
  QPushButton* cancel_;
  QPushButton* draw_;
  DrawingTarget* target_;
  QPushButton* save_;
  VectorDrawer drawer_;
  ShotDrawer shotDrawer_;
  std::shared_ptr<const CheckRun> run_;
  std::shared_ptr<const ShotCheck> shots_;  // instead of run_, for a surface or an alignment
  std::size_t runUcs_ = 0;                  // the UCS the shown run was measured along
  std::size_t checkingUcs_ = 0;             // the UCS of the check running
  QFutureWatcher<Outcome>* running_ = nullptr;
  std::stop_source stop_;
};

}  // namespace check
