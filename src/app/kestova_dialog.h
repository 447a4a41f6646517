#pragma once

#include <QWidget>
#include <array>
#include <string_view>

#include "app/command_boundaries.h"
#include "form/frm_kestova.h"

class QStyle;

namespace app {

// The main dialog's window: shows the form model as designed and passes the user's edits,
// clicks and keys to it. The model stays the one place that holds the dialog's state.
class KestovaDialog : public QWidget, public form::FormObserver {
 public:
  // Each Insert runs within `boundaries`, so that a CAD host can make one step of it.
  KestovaDialog(form::frmKestova& form, CommandBoundaries& boundaries, QWidget* parent = nullptr);
  ~KestovaDialog() override;

  // The widget that shows a control of the form; an unknown name is refused
  // (std::logic_error).
  QWidget* control(std::string_view name) const;

  int horizontalPixels(int twips) const;
  int verticalPixels(int twips) const;

  void controlChanged(form::ControlId id) override;
  void shownChanged(bool shown) override;

 protected:
  // Key preview: every key pressed in a control goes to Form_KeyDown first and then, not
  // consumed, on to the control.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void createControls();
  QWidget* widgetOf(form::ControlId id) const { return controls_[insert::indexOf(id)]; }
  void connectControl(const form::ControlDefinition& definition, QWidget* widget);
  void showState(const form::ControlDefinition& definition, QWidget* widget);

  form::frmKestova& form_;
  CommandBoundaries& boundaries_;
  QStyle* style_;
  std::array<QWidget*, insert::kControlCount> controls_{};  // in the order of ControlId
  bool syncing_ = false;  // set while the model's state is copied into the widgets
};

}  // namespace app
