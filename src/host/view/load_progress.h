#pragma once

#include <chrono>
#include <memory>
#include <stdexcept>

#include <QString>

class QProgressDialog;
class QWidget;

namespace host::view {

// Thrown out of a file read when the user cancels it; nothing read so far is kept.
class LoadCancelled : public std::runtime_error {
 public:
  LoadCancelled() : std::runtime_error("cancelled") {}
};

// The progress of opening a drawing file, for the reader's progress callback: a dialog naming
// the file, shown only once the read has taken (or promises to take) longer than `delay`, with
// a Cancel button. After Cancel the next call throws LoadCancelled.
class LoadProgress {
 public:
  static constexpr std::chrono::milliseconds kDefaultDelay{500};

  LoadProgress(const QString& fileName, QWidget* parent,
               std::chrono::milliseconds delay = kDefaultDelay);
  ~LoadProgress();
  LoadProgress(const LoadProgress&) = delete;
  LoadProgress& operator=(const LoadProgress&) = delete;

  // The fraction read so far, 0 to 1.
  void operator()(double fraction);

 private:
  std::unique_ptr<QProgressDialog> dialog_;
};

}  // namespace host::view
