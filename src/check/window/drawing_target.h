#pragma once

#include <QWidget>
#include <functional>
#include <optional>

class QCheckBox;
class QLabel;

namespace check {

// The drawing's current name (it may be saved under another), or nothing once it is closed.
using DrawingName = std::function<std::optional<QString>()>;

// Which drawing the check window draws into, shown beside "Draw vectors": the drawing the
// window was opened from, whichever drawing is active meanwhile, or word that it was closed;
// and whether the vectors of earlier checks there stay.
class DrawingTarget : public QWidget {
  Q_OBJECT

 public:
  explicit DrawingTarget(QWidget* parent);

  void setDrawing(DrawingName name);
  // Whether the drawing is open, as last looked at; without a drawing named, nothing says
  // otherwise.
  bool isOpen() const { return open_; }
  bool keepEarlier() const;
  // Looks at the drawing again; done as the window becomes active, when the user may have
  // closed or renamed it meanwhile.
  void refresh();

 signals:
  void openChanged();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  DrawingName name_;
  bool open_ = true;
  QLabel* label_;
  QCheckBox* keepEarlier_;
};

}  // namespace check
