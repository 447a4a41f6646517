#include "host/view/load_progress.h"

#include <QProgressDialog>

namespace host::view {
namespace {
constexpr int kSteps = 1000;
}  // namespace

LoadProgress::LoadProgress(const QString& fileName, QWidget* parent,
                           std::chrono::milliseconds delay)
    : dialog_(std::make_unique<QProgressDialog>(QString("Opening %1...").arg(fileName), "Cancel", 0,
                                                kSteps, parent)) {
  dialog_->setWindowTitle("Opening");
  // Modal once shown, so that nothing else runs while the dialog keeps the window painted.
  dialog_->setWindowModality(Qt::WindowModal);
  dialog_->setMinimumDuration(static_cast<int>(delay.count()));
  dialog_->setAutoReset(false);
  dialog_->setValue(0);  // starts the clock for the delay
}

LoadProgress::~LoadProgress() = default;

void LoadProgress::operator()(double fraction) {
  if (dialog_->wasCanceled()) throw LoadCancelled();
  dialog_->setValue(static_cast<int>(fraction * kSteps));
  // The dialog handles its Cancel button while the value is set.
  if (dialog_->wasCanceled()) throw LoadCancelled();
}

}  // namespace host::view
