#include "desktop/launch_timings.h"

#include <time.h>

#include <algorithm>
#include <chrono>
#include <iostream>
#include <memory>

#include <QApplication>
#include <QMouseEvent>
#include <QTimer>

namespace desktop {
namespace {

using Clock = std::chrono::steady_clock;

// Taken as the program is loaded, before main: the nearest this program gets to its start.
const Clock::time_point kLoaded = Clock::now();
// Mouse moves made once the window is idle, for how much a move costs then.
constexpr int kLaterMoves = 50;

double millisecondsSinceLoaded() {
  return std::chrono::duration<double, std::milli>(Clock::now() - kLoaded).count();
}

double processorMilliseconds(clockid_t clock) {
  timespec now{};
  ::clock_gettime(clock, &now);
  return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// The processor time the window's thread spends on a mouse move to `at`, as a hand would make
// it: the event goes through the application to the view.
double mouseMoveMilliseconds(host::view::DrawingView& view, const QPointF& at) {
  const double before = processorMilliseconds(CLOCK_THREAD_CPUTIME_ID);
  QMouseEvent move(QEvent::MouseMove, at, view.mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                   Qt::NoModifier);
  QApplication::sendEvent(&view, &move);
  return processorMilliseconds(CLOCK_THREAD_CPUTIME_ID) - before;
}

void reportFirstMove(host::view::DrawingView& view) {
  const double spent = mouseMoveMilliseconds(view, QPointF(view.width() / 2, view.height() / 2));
  std::cerr << "kestova timings: first mouse move after the picture took " << spent
            << " ms of processor time (snap points sorted then: "
            << (view.snapReady() ? "yes" : "no") << ")" << std::endl;
}

void reportLaterMoves(host::view::DrawingView& view) {
  double most = 0.0;
  double total = 0.0;
  for (int i = 0; i < kLaterMoves; ++i) {
    const double spent = mouseMoveMilliseconds(
        view, QPointF(view.width() * (i + 1) / 60.0, view.height() * (i + 1) / 60.0));
    most = std::max(most, spent);
    total += spent;
  }
  std::cerr << "kestova timings: later mouse moves took " << total / kLaterMoves
            << " ms of processor time each, " << most << " ms at most" << std::endl;
}

}  // namespace

void reportLaunchTimings(host::view::DrawingView& view) {
  const QByteArray asked = qgetenv("KESTOVA_TIMINGS");
  if (asked.isEmpty() || asked == "0") return;
  struct Seen {
    bool picture = false;
    bool idle = false;
  };
  auto seen = std::make_shared<Seen>();
  QObject::connect(&view, &host::view::DrawingView::painted, &view, [seen, &view] {
    if (seen->picture) return;
    seen->picture = true;
    std::cerr << "kestova timings: first picture after " << millisecondsSinceLoaded() << " ms, "
              << processorMilliseconds(CLOCK_PROCESS_CPUTIME_ID) << " ms of processor time"
              << std::endl;
    // The user's hand is on the mouse as the picture shows.
    QTimer::singleShot(0, &view, [&view] { reportFirstMove(view); });
  });
  // The snap points are sorted once the picture shows; later sorts follow zooms and edits.
  QObject::connect(&view, &host::view::DrawingView::snapPointsReady, &view,
                   [seen, &view, quit = asked == "quit"] {
                     if (!seen->picture || seen->idle) return;
                     seen->idle = true;
                     // Queued behind what the sorted points set off, such as the hover's refresh.
                     QTimer::singleShot(0, &view, [&view, quit] {
                       std::cerr << "kestova timings: idle, snap points sorted, after "
                                 << millisecondsSinceLoaded() << " ms, "
                                 << processorMilliseconds(CLOCK_PROCESS_CPUTIME_ID)
                                 << " ms of processor time" << std::endl;
                       reportLaterMoves(view);
                       if (quit) QApplication::quit();
                     });
                   });
}

}  // namespace desktop
