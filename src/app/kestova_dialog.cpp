#include "app/kestova_dialog.h"

#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>

#include "app/app_icon.h"
#include "app/dialog_look.h"
#include "form/twips.h"

namespace app {

using form::ControlDefinition;
using form::ControlKind;

KestovaDialog::KestovaDialog(form::frmKestova& form, CommandBoundaries& boundaries, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      form_(form),
      boundaries_(boundaries),
      style_(dialogStyle().release()) {
  style_->setParent(this);
  setStyle(style_);
  setFont(dialogFont());
  const form::FormDefinition& designed = form::formDefinition();
  setWindowTitle(
      QString::fromUtf8(designed.caption.data(), static_cast<qsizetype>(designed.caption.size())));
  setWindowIcon(kestovaIcon());
  resize(horizontalPixels(designed.clientWidth), verticalPixels(designed.clientHeight));
  createControls();
  form_.setObserver(this);
}

KestovaDialog::~KestovaDialog() {
  form_.setObserver(nullptr);
}

QWidget* KestovaDialog::control(std::string_view name) const {
  return widgetOf(insert::controlNamed(name));
}

int KestovaDialog::horizontalPixels(int twips) const {
  return form::twipsToPixels(twips, screen()->logicalDotsPerInchX());
}

int KestovaDialog::verticalPixels(int twips) const {
  return form::twipsToPixels(twips, screen()->logicalDotsPerInchY());
}

// Frames first, so that the controls inside them have their parent; then every control in tab
// order, which also gives the focus chain.
void KestovaDialog::createControls() {
  const auto text = [](std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
  };
  for (const ControlDefinition& definition : form::controlDefinitions()) {
    if (definition.kind != ControlKind::Frame) continue;
    controls_[insert::indexOf(definition.id)] = new QGroupBox(text(definition.caption), this);
  }
  QWidget* previous = nullptr;
  for (const ControlDefinition& definition : form::controlDefinitions()) {
    QWidget* parent = definition.container ? widgetOf(*definition.container) : this;
    QWidget* widget = nullptr;
    switch (definition.kind) {
      case ControlKind::Frame:
        widget = widgetOf(definition.id);
        break;
      case ControlKind::TextBox:
        widget = new QLineEdit(parent);
        break;
      case ControlKind::CheckBox:
        widget = new QCheckBox(text(definition.caption), parent);
        break;
      case ControlKind::OptionButton:
        widget = new QRadioButton(text(definition.caption), parent);
        break;
      case ControlKind::CommandButton: {
        auto* button = new QPushButton(text(definition.caption), parent);
        button->setAutoDefault(false);  // Enter and Esc press no button
        widget = button;
        break;
      }
    }
    widget->setObjectName(text(definition.name()));
    widget->setStyle(style_);
    widget->setGeometry(horizontalPixels(definition.left), verticalPixels(definition.top),
                        horizontalPixels(definition.width), verticalPixels(definition.height));
    controls_[insert::indexOf(definition.id)] = widget;
    showState(definition, widget);
    connectControl(definition, widget);
    if (definition.kind != ControlKind::Frame) {
      widget->installEventFilter(this);
      if (previous) setTabOrder(previous, widget);
      previous = widget;
    }
  }
}

// Every handler runs reported: a failure shows in a message and the dialog goes on, since an
// exception must not leave a Qt slot or event handler.
void KestovaDialog::connectControl(const ControlDefinition& definition, QWidget* widget) {
  const std::string name(definition.name());
  switch (definition.kind) {
    case ControlKind::Frame:
      break;
    case ControlKind::TextBox:
      connect(static_cast<QLineEdit*>(widget), &QLineEdit::textChanged, this,
              [this, name](const QString& text) {
                if (!syncing_) form_.runReported([&] { form_.SetText(name, text.toStdString()); });
              });
      break;
    case ControlKind::CheckBox:
      connect(static_cast<QCheckBox*>(widget), &QCheckBox::toggled, this,
              [this, name](bool checked) {
                if (!syncing_) form_.runReported([&] { form_.SetCheckValue(name, checked); });
              });
      break;
    case ControlKind::OptionButton:
      connect(static_cast<QRadioButton*>(widget), &QRadioButton::toggled, this,
              [this, name](bool checked) {
                if (!syncing_ && checked) form_.runReported([&] { form_.SelectOption(name); });
              });
      break;
    case ControlKind::CommandButton:
      connect(static_cast<QPushButton*>(widget), &QPushButton::clicked, this,
              [this, id = definition.id] {
                if (id == form::ControlId::cmdPickDevs) {
                  form_.runReported([this] { form_.cmdPickDevs_Click(); });
                }
                if (id == form::ControlId::cmdInsert) {
                  boundaries_.command(
                      "Insert", [this] { form_.runReported([this] { form_.cmdInsert_Click(); }); });
                }
              });
      break;
  }
}

void KestovaDialog::showState(const ControlDefinition& definition, QWidget* widget) {
  syncing_ = true;
  switch (definition.kind) {
    case ControlKind::TextBox: {
      auto* edit = static_cast<QLineEdit*>(widget);
      const QString text = QString::fromStdString(form_.Text(definition.name()));
      if (edit->text() != text) edit->setText(text);
      break;
    }
    case ControlKind::CheckBox:
      static_cast<QCheckBox*>(widget)->setChecked(form_.CheckValue(definition.name()) == 1);
      break;
    case ControlKind::OptionButton:
      static_cast<QRadioButton*>(widget)->setChecked(form_.OptionValue(definition.name()));
      break;
    case ControlKind::Frame:
    case ControlKind::CommandButton:
      break;
  }
  // A control shown while its window is hidden appears with the window.
  widget->setVisible(form_.Visible(definition.name()));
  syncing_ = false;
}

void KestovaDialog::controlChanged(form::ControlId id) {
  showState(form::definitionOf(id), widgetOf(id));
}

void KestovaDialog::shownChanged(bool shown) {
  setVisible(shown);
}

bool KestovaDialog::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    form_.runReported(
        [&] { form_.Form_KeyDown(virtualKeyCode(key->key()), shiftState(key->modifiers())); });
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace app
