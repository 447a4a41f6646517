#include "check/window/code_tolerances_edit.h"

#include <QStringList>
#include <set>
#include <stdexcept>

#include "survey/code_filter.h"
#include "survey/code_tolerances.h"

namespace check {
namespace {

constexpr const char* kHelp =
    "Tolerances per code, which take the place of the general ones for the pairs or shots of "
    "that code, with the keys of the chosen check: KERB: z=0.005; STK: x=0.01,y=0.01";

// "KERB:z=0.005" of " KERB : z = 0.005 ": the code trimmed, the tolerances without blanks.
std::string tidied(const QString& piece) {
  const qsizetype colon = piece.indexOf(':');
  QString limits = piece.mid(colon + 1);
  limits.remove(' ');
  return (piece.left(colon).trimmed() + ':' + limits).toStdString();
}

}  // namespace

CodeTolerancesEdit::CodeTolerancesEdit(survey::ComponentSchema schema, QWidget* parent)
    : QLineEdit(parent), schema_(std::move(schema)) {
  setObjectName("codeTolerances");
  setPlaceholderText("KERB: z=0.005; STK: x=0.01,y=0.01");
  setToolTip(kHelp);
  connect(this, &QLineEdit::textChanged, this, [this] { showProblem(); });
}

void CodeTolerancesEdit::setSchema(survey::ComponentSchema schema, const QString& example) {
  schema_ = std::move(schema);
  setPlaceholderText(example);
  showProblem();
}

std::vector<PresetLine> CodeTolerancesEdit::presetLines() const {
  std::vector<PresetLine> lines;
  std::vector<std::string> codes;
  for (const QString& piece : text().split(';')) {
    if (piece.trimmed().isEmpty()) continue;
    const std::string value = tidied(piece);
    // Without a code before its first key the line would be the general tolerance.
    if (!survey::namesCode(value)) {
      throw std::invalid_argument("Tolerances per code: \"" + piece.trimmed().toStdString() +
                                  "\": write the code before its tolerances, as KERB: z=0.005");
    }
    survey::CodeTolerances given;
    try {
      given = survey::parseCodeTolerances(value, schema_);
    } catch (const std::invalid_argument& e) {
      const std::string code = value.substr(0, value.find(':'));
      throw std::invalid_argument("Tolerances per code: " + code + ": " + e.what());
    }
    for (const std::string& code : codes) {
      if (survey::sameCode(code, given.code)) {
        throw std::invalid_argument("Tolerances per code: " + given.code + " is given twice");
      }
    }
    codes.push_back(given.code);
    lines.push_back({"tolerance", value});
  }
  return lines;
}

void CodeTolerancesEdit::showPreset(const Preset& preset) {
  QStringList pieces;
  for (const PresetLine& line : preset) {
    if (line.key != "tolerance" || !survey::namesCode(line.value)) continue;
    const QString value = QString::fromStdString(line.value);
    const qsizetype colon = value.indexOf(':');
    pieces << value.left(colon) + ": " + value.mid(colon + 1);
  }
  setText(pieces.join("; "));
}

QString CodeTolerancesEdit::problem() const {
  try {
    presetLines();
    return {};
  } catch (const std::invalid_argument& e) {
    return QString::fromStdString(e.what());
  }
}

void CodeTolerancesEdit::showProblem() {
  const QString reason = problem();
  setStyleSheet(reason.isEmpty() ? QString() : "QLineEdit { color: red; }");
  setToolTip(reason.isEmpty() ? kHelp : reason);
}

}  // namespace check
