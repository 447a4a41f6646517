#include "help/show_notes.h"

#include <QPlainTextEdit>
#include <string>

#include "help/help_text.h"

namespace help {
namespace {

// Shown taller than designed, with the text box stretched to fill it.
constexpr int kNotesOuterHeight = 8420;
constexpr int kNotesText1Height = 8000;
constexpr auto kNotesCaption = "Notes:-";

}  // namespace

std::unique_ptr<frmScreenPrint> filledNotesWindow() {
  const std::string text = helpText();
  auto window = std::make_unique<frmScreenPrint>();
  window->setOuterHeight(kNotesOuterHeight);
  window->setText1Height(kNotesText1Height);
  window->Text1()->setPlainText(QString::fromStdString(text));
  window->setWindowTitle(QString::fromLatin1(kNotesCaption));
  return window;
}

void ShowNotes() {
  const std::unique_ptr<frmScreenPrint> window = filledNotesWindow();
  window->exec();
}

}  // namespace help
