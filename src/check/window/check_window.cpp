#include "check/window/check_window.h"

#include <QFutureWatcher>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QSplitter>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>

#include "check/draw/text_height_proposal.h"
#include "check/window/against_check.h"
#include "check/window/against_choice.h"
#include "check/window/check_inputs.h"
#include "check/window/check_results.h"
#include "check/window/remembered_inputs.h"
#include "check/window/report_fields_box.h"
#include "check/window/report_file.h"
#include "check/window/shot_report_file.h"
#include "check/window/window_size.h"
#include "form/message_boxes.h"

namespace check {

// What the worker thread hands back: the run, or the message the user is told, or neither when
// the check was cancelled.
struct CheckWindow::Outcome {
  std::shared_ptr<const CheckRun> run;
  QString error;
  std::shared_ptr<const ShotCheck> shots;  // of a check against a surface or an alignment
};

CheckWindow::CheckWindow(CheckWindowSetup setup, QWidget* parent)
    : QWidget(parent, Qt::Window),
      inputs_(new CheckInputs(std::move(setup.ucsChoices), setup.decimals, setup.textHeight, this)),
      results_(new CheckResults(this)),
      reportFields_(new ReportFieldsBox(this)),
      check_(new QPushButton("Check", this)),
      busy_(new QProgressBar(this)),
      cancel_(new QPushButton("Cancel", this)),
      draw_(new QPushButton("Draw vectors", this)),
      target_(new DrawingTarget(this)),
      save_(new QPushButton("Save report…", this)) {
  setWindowTitle("Check survey against design");
  check_->setObjectName("check");
  busy_->setObjectName("busy");
  cancel_->setObjectName("cancel");
  draw_->setObjectName("drawVectors");
  save_->setObjectName("saveReport");
  busy_->setRange(0, 0);  // busy, without a measure of how far
  busy_->setTextVisible(false);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(check_);
  buttons->addWidget(busy_);
  buttons->addWidget(cancel_);
  buttons->addStretch();
  buttons->addWidget(target_);
  buttons->addWidget(draw_);
  buttons->addWidget(save_);
  // On a small screen the inputs scroll rather than push the buttons and the results out of
  // the window.
  auto* scrolled = new QWidget(this);
  auto* scrolledLayout = new QVBoxLayout(scrolled);
  scrolledLayout->setContentsMargins(0, 0, 0, 0);
  scrolledLayout->addWidget(inputs_);
  scrolledLayout->addWidget(reportFields_);
  auto* inputsArea = new QScrollArea(this);
  inputsArea->setObjectName("inputsArea");
  inputsArea->setWidget(scrolled);
  inputsArea->setWidgetResizable(true);
  inputsArea->setFrameShape(QFrame::NoFrame);
  constexpr int kInputsShownAtLeast = 200;  // pixels: the presets and the files, at 800 by 600
  inputsArea->setMinimumHeight(std::min(inputsArea->sizeHint().height(), kInputsShownAtLeast));
  auto* top = new QWidget(this);
  auto* topLayout = new QVBoxLayout(top);
  topLayout->setContentsMargins(0, 0, 0, 0);
  topLayout->addWidget(inputsArea);
  topLayout->addLayout(buttons);
  auto* splitter = new QSplitter(Qt::Vertical, this);
  splitter->addWidget(top);
  splitter->addWidget(results_);
  splitter->setStretchFactor(1, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(splitter);

  connect(check_, &QPushButton::clicked, this, &CheckWindow::startCheck);
  connect(cancel_, &QPushButton::clicked, this, &CheckWindow::cancelCheck);
  connect(draw_, &QPushButton::clicked, this, &CheckWindow::drawVectors);
  connect(save_, &QPushButton::clicked, this, &CheckWindow::saveReport);
  connect(results_, &CheckResults::pairActivated, this, &CheckWindow::pairActivated);
  connect(target_, &DrawingTarget::openChanged, this, &CheckWindow::updateActions);
  restoreInputs(*inputs_);
  showRunning(false);
  updateActions();
  rememberSize(*this, "checkWindow", {1100, 800});
  // The inputs whole where the window is tall enough, the results below them.
  splitter->setSizes({inputs_->sizeHint().height() + check_->sizeHint().height(), height()});
}

CheckWindow::~CheckWindow() {
  stop_.request_stop();
  rememberInputs(*inputs_);
}

void CheckWindow::setVectorDrawer(VectorDrawer drawer) {
  drawer_ = std::move(drawer);
  updateActions();
}

void CheckWindow::setShotDrawer(ShotDrawer drawer) {
  shotDrawer_ = std::move(drawer);
  updateActions();
}

void CheckWindow::setDrawing(DrawingName name) {
  target_->setDrawing(std::move(name));
  updateActions();
}

void CheckWindow::startCheck() {
  CheckRequest request;
  ShotCheckWork shotWork;
  try {
    request = inputs_->request();
    if (inputs_->againstChoice().against() != Against::Points) {
      shotWork = shotCheckWork(request, inputs_->againstChoice());
    }
  } catch (const std::exception& e) {
    showError(QString::fromStdString(e.what()));
    return;
  }
  checkingUcs_ = inputs_->drawSettings().ucs;
  stop_ = std::stop_source();
  // The worker owns its copy of the request, so a cancelled check may finish on its own.
  auto work = [request = std::move(request), shotWork = std::move(shotWork),
               stop = stop_.get_token()]() -> Outcome {
    try {
      if (shotWork) return {nullptr, {}, shotWork(stop)};
      return {std::make_shared<const CheckRun>(checkSurvey(request, stop)), {}, nullptr};
    } catch (const CheckCancelled&) {
      return {};
    } catch (const std::exception& e) {
      return {nullptr, QString::fromStdString(e.what()), nullptr};
    }
  };
  running_ = new QFutureWatcher<Outcome>(this);
  connect(running_, &QFutureWatcher<Outcome>::finished, this, &CheckWindow::finishCheck);
  running_->setFuture(QtConcurrent::run(std::move(work)));
  showRunning(true);
}

void CheckWindow::cancelCheck() {
  if (running_ == nullptr) return;
  stop_.request_stop();
  running_->disconnect(this);
  running_->deleteLater();
  running_ = nullptr;
  showRunning(false);
}

void CheckWindow::finishCheck() {
  const Outcome outcome = running_->result();
  running_->deleteLater();
  running_ = nullptr;
  showRunning(false);
  if (outcome.shots) {
    run_.reset();
    shots_ = outcome.shots;
    results_->showShots(shots_);
    inputs_->proposeTextHeight(draw::proposedTextHeight(shots_->report().survey.points));
    updateActions();
    return;
  }
  if (!outcome.run) {
    showError(outcome.error);
    return;
  }
  shots_.reset();
  run_ = outcome.run;
  runUcs_ = checkingUcs_;
  results_->showRun(run_);
  inputs_->proposeTextHeight(draw::proposedTextHeight(run_->report().design.points));
  updateActions();
}

void CheckWindow::showRunning(bool running) {
  check_->setEnabled(!running);
  busy_->setVisible(running);
  cancel_->setVisible(running);
}

void CheckWindow::updateActions() {
  const bool drawable = (shots_ ? bool(shotDrawer_) : bool(drawer_)) && target_->isOpen();
  const bool checked = run_ || shots_;
  draw_->setEnabled(drawable && checked);
  save_->setEnabled(checked);
  draw_->setToolTip(!drawable  ? "Open the check from a drawing window to draw the vectors"
                    : !checked ? "Check first, then draw every pair into the drawing"
                    : shots_   ? "Draw every shot's difference into the drawing"
                               : "Draw every pair's deviation into the drawing");
  save_->setToolTip(
      !checked ? "Check first, then save the report"
      : shots_ ? "Save the check's report as a PDF for the site engineer or as CSV; the workbook "
                 "is written for a check against points"
               : "Save the check's report as a PDF for the site engineer, as CSV or as a workbook");
}

void CheckWindow::showError(const QString& message) {
  QMessageBox box(QMessageBox::Warning, form::kApplicationTitle, message, QMessageBox::Ok, this);
  box.exec();
}

void CheckWindow::drawVectors() {
  target_->refresh();
  if (!target_->isOpen()) return;
  DrawSettings settings = inputs_->drawSettings();
  settings.ucs = runUcs_;
  settings.keepEarlier = target_->keepEarlier();
  try {
    if (shots_ && shotDrawer_) shotDrawer_(*shots_, settings);
    if (run_ && drawer_) drawer_(run_->report(), settings);
  } catch (const std::exception& e) {
    showError(QString::fromStdString(e.what()));
  }
}

void CheckWindow::saveReport() {
  if (shots_) {
    try {
      CheckReport signOff = shots_->report();
      reportFields_->applyTo(signOff);
      saveShotReportAskingForAFile(this, *shots_, signOff);
    } catch (const std::exception& e) {
      showError(QString::fromStdString(e.what()));
    }
    return;
  }
  if (!run_) return;
  try {
    CheckReport report = run_->report();
    reportFields_->applyTo(report);
    saveReportAskingForAFile(this, report);
  } catch (const std::exception& e) {
    showError(QString::fromStdString(e.what()));
  }
}

}  // namespace check
