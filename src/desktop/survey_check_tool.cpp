#include "desktop/survey_check_tool.h"

#include <QLocale>
#include <QPointer>
#include <algorithm>
#include <stdexcept>

#include "app/ini_settings_store.h"
#include "check/window/check_window.h"
#include "check/window/shot_drawer.h"
#include "check/window/vector_drawer.h"
#include "form/stored_text_height.h"
#include "survey/measuring_frame.h"

namespace desktop {
namespace {

std::optional<check::UcsChoice> choiceOf(const host::model::Ucs& ucs, std::string label,
                                         std::string description) {
  const host::geom::Frame& frame = ucs.frame;
  try {
    return check::UcsChoice{std::move(label), std::move(description),
                            survey::measuringFrame(frame.origin(), frame.xAxis(), frame.yAxis())};
  } catch (const std::invalid_argument&) {
    return {};  // a UCS no deviation can be measured along is not offered
  }
}

// The drawing's current UCS first, then its named ones, as the check window lists them.
std::vector<check::UcsChoice> ucsChoicesOf(const host::model::Document& document,
                                           const std::string& drawingName) {
  std::vector<check::UcsChoice> choices;
  const host::model::Ucs& current = document.currentUcs();
  const std::string currentName = current.name.empty() ? "Current UCS" : current.name;
  if (auto choice =
          choiceOf(current, currentName + " (current)",
                   current.name.empty() ? "the current UCS of " + drawingName
                                        : "UCS '" + current.name + "' of " + drawingName)) {
    choices.push_back(std::move(*choice));
  }
  for (const host::model::Ucs& named : document.ucsTable().all()) {
    if (auto choice = choiceOf(named, named.name, "UCS '" + named.name + "' of " + drawingName)) {
      choices.push_back(std::move(*choice));
    }
  }
  if (choices.empty()) choices.push_back(check::worldUcs());
  return choices;
}

double dialogTextHeight() {
  app::IniSettingsStore settings(app::IniSettingsStore::userConfigFolder());
  const std::string separator = QLocale::system().decimalPoint().toStdString();
  const std::optional<double> height = form::storedTextHeight(settings, separator);
  return height && *height > 0 ? *height : 1.0;
}

void openCheckWindow(host::view::HostWindow& window,
                     const std::shared_ptr<host::HostApplication>& application) {
  host::view::DrawingView* view = window.activeView();
  if (view == nullptr) return;
  const std::shared_ptr<host::model::Document> document = view->document();
  check::CheckWindowSetup setup;
  setup.ucsChoices = ucsChoicesOf(*document, window.drawingName(view).toStdString());
  setup.decimals = document->header().luprec;
  setup.textHeight = dialogTextHeight();

  auto* checkWindow = new check::CheckWindow(setup, &window);
  checkWindow->setAttribute(Qt::WA_DeleteOnClose);
  // The whole batch is one step of the drawing's undo.
  const std::weak_ptr<host::model::Document> drawing = document;
  const auto focus = std::make_shared<check::draw::PairFocus>(
      std::static_pointer_cast<cad::Application>(application));
  checkWindow->setVectorDrawer(check::vectorDrawerFor(
      application->ActiveDocument(), setup.ucsChoices, checkWindow,
      [drawing](const std::function<void()>& draw) {
        const std::shared_ptr<host::model::Document> open = drawing.lock();
        if (!open) throw std::runtime_error("The drawing has been closed");
        host::model::Document::UndoGroup step(*open, "Draw vectors");
        draw();
      },
      focus));
  checkWindow->setShotDrawer(check::shotDrawerFor(
      application->ActiveDocument(), [drawing](const std::function<void()>& draw) {
        const std::shared_ptr<host::model::Document> open = drawing.lock();
        if (!open) throw std::runtime_error("The drawing has been closed");
        host::model::Document::UndoGroup step(*open, "Draw shots");
        draw();
      }));
  // The window says which drawing it draws into, as the drawing window names it, while that
  // drawing is open.
  checkWindow->setDrawing([&window, application, drawing]() -> std::optional<QString> {
    const std::shared_ptr<host::model::Document> open = drawing.lock();
    const std::vector<std::shared_ptr<host::model::Document>> documents = application->documents();
    if (!open || std::ranges::find(documents, open) == documents.end()) return std::nullopt;
    for (const host::view::DrawingView* view : window.views()) {
      if (view->document() == open) return window.drawingName(view);
    }
    return std::nullopt;
  });
  // A double-clicked pair shows in the drawing the window was opened from, while that drawing
  // is open and shown.
  QObject::connect(
      checkWindow, &check::CheckWindow::pairActivated, checkWindow,
      [focus, drawing, application](const survey::Point& design, const survey::Point& surveyed) {
        const std::shared_ptr<host::model::Document> open = drawing.lock();
        if (!open || application->activeModel() != open) return;
        try {
          focus->show(design, surveyed);
        } catch (const cad::AutomationError&) {
          // The drawing went away meanwhile: there is nothing to show.
        }
      });
  checkWindow->show();
}

}  // namespace

void addSurveyCheckTool(host::view::HostWindow& window,
                        std::shared_ptr<host::HostApplication> application) {
  window.addTool("Check survey against &design…",
                 [&window, application] { openCheckWindow(window, application); });
}

}  // namespace desktop
