#pragma once

#include <QWidget>
#include <map>
#include <string>
#include <string_view>

#include "app/frm_kestova.h"

class QStyle;

namespace app {

// The main dialog's window: shows the form model as designed and passes the user's edits,
// clicks and keys to it. The model stays the one place that holds the dialog's state.
class KestovaDialog : public QWidget, public FormObserver {
 public:
  explicit KestovaDialog(frmKestova& form, QWidget* parent = nullptr);
  ~KestovaDialog() override;

  // The widget that shows a control of the form.
  QWidget* control(std::string_view name) const;

  int horizontalPixels(int twips) const;
  int verticalPixels(int twips) const;

  void controlChanged(std::string_view name) override;
  void shownChanged(bool shown) override;

 protected:
  // Key preview: every key pressed in a control goes to Form_KeyDown first and then, not
  // consumed, on to the control.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void createControls();
  void connectControl(const ControlDefinition& definition, QWidget* widget);
  void showState(const ControlDefinition& definition, QWidget* widget);

  frmKestova& form_;
  QStyle* style_;
  std::map<std::string, QWidget*, std::less<>> controls_;
  bool syncing_ = false;  // set while the model's state is copied into the widgets
};

}  // namespace app
