#include "check/window/against_options_box.h"

#include <QFormLayout>
#include <QLineEdit>

namespace check {
namespace {

// "--max-edge" as a preset names it: "max-edge".
std::string keyOf(const std::string& option) {
  return option.substr(2);
}

}  // namespace

AgainstOptionsBox::AgainstOptionsBox(const survey::ComponentSchema& schema, QWidget* parent)
    : QWidget(parent), form_(new QFormLayout(this)), schema_(schema) {
  form_->setContentsMargins(0, 0, 0, 0);
  QStringList example;
  for (const survey::Component& component : schema) {
    example << QString::fromStdString(component.key) +
                   (component.rule == survey::ToleranceRule::Bounds ? "=-0.03:0.01" : "=0.02");
  }
  tolerance_ = addField("--tolerance", "Tolerances:", example.join(','));
  tolerance_->setToolTip(
      "A limit either way of zero (z=0.02), or a lower and an upper bound (z=-0.03:0.01); "
      "nothing: every shot passes");
}

QLineEdit* AgainstOptionsBox::addField(const std::string& option, const QString& label,
                                       const QString& placeholder) {
  auto* field = new QLineEdit(this);
  field->setObjectName(QString::fromStdString(keyOf(option)));
  field->setPlaceholderText(placeholder);
  form_->addRow(label, field);
  fields_.emplace_back(option, field);
  return field;
}

survey::Tolerances AgainstOptionsBox::tolerances() const {
  const std::string text = tolerance_->text().trimmed().toStdString();
  if (text.empty()) return {};
  return survey::parseTolerances(text, schema_);
}

std::string AgainstOptionsBox::toleranceText() const {
  return tolerance_->text().trimmed().toStdString();
}

void AgainstOptionsBox::setToleranceText(const std::string& text) {
  tolerance_->setText(QString::fromStdString(text));
}

std::vector<PresetLine> AgainstOptionsBox::lines() const {
  std::vector<PresetLine> lines;
  for (const auto& [option, field] : fields_) {
    const QString text = field->text().trimmed();
    if (!text.isEmpty()) lines.push_back({keyOf(option), text.toStdString()});
  }
  return lines;
}

void AgainstOptionsBox::showLines(const std::vector<PresetLine>& lines) {
  for (const auto& [option, field] : fields_) {
    field->clear();
    for (const PresetLine& line : lines) {
      if (line.key == keyOf(option)) field->setText(QString::fromStdString(line.value));
    }
  }
}

void AgainstOptionsBox::applyFields(
    const std::function<void(const std::string&, const std::string&)>& apply) const {
  for (const auto& [option, field] : fields_) {
    const QString text = field->text().trimmed();
    if (!text.isEmpty() && field != tolerance_) apply(option, text.toStdString());
  }
}

}  // namespace check
