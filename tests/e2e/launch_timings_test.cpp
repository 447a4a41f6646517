// The timings the program gives when asked (KESTOVA_TIMINGS), which the view benchmark reads
// to measure what a user waits for at launch.
#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QTest>
#include <iostream>
#include <sstream>

#include "host/view/drawing_view.h"
#include "site_drawing.h"
#include "user_session.h"

namespace e2e {
namespace {

// Standard error taken into a string while it lives.
class CapturedErrors {
 public:
  CapturedErrors() : previous_(std::cerr.rdbuf(text_.rdbuf())) {}
  ~CapturedErrors() { std::cerr.rdbuf(previous_); }
  QString text() const { return QString::fromStdString(text_.str()); }

 private:
  std::ostringstream text_;
  std::streambuf* previous_;
};

class LaunchTimings : public testing::Test {
 protected:
  void SetUp() override {
    SiteDrawing site;
    site.points = {{1, 2, 3}, {1.25, 1.9, 3}};
    writeSiteDrawing(site, session.path("site.dxf").toStdString());
  }
  void TearDown() override { qunsetenv("KESTOVA_TIMINGS"); }
  UserSession session;
};

// Each after the other: the first picture, a mouse move made right after it, idle with the snap
// points sorted, and mouse moves made then.
TEST_F(LaunchTimings, AskedForTheyTellTheFirstPictureAMoveThenIdleWithTheSnapPointsSorted) {
  qputenv("KESTOVA_TIMINGS", "1");
  CapturedErrors errors;
  bool snapReady = false;
  session.run({"kestova", session.path("site.dxf")}, [&] {
    QTRY_VERIFY(errors.text().contains("later mouse moves"));
    snapReady = session.drawingView().snapReady();
  });
  const QString number = "([0-9.e+-]+)";
  const QRegularExpression told("kestova timings: first picture after " + number + " ms, " +
                                number +
                                " ms of processor time\n"
                                "kestova timings: first mouse move after the picture took " +
                                number +
                                " ms of processor time \\(snap points sorted then: (yes|no)\\)\n"
                                "kestova timings: idle, snap points sorted, after " +
                                number + " ms, " + number +
                                " ms of processor time\n"
                                "kestova timings: later mouse moves took " +
                                number + " ms of processor time each, " + number + " ms at most\n");
  const auto match = told.match(errors.text());
  ASSERT_TRUE(match.hasMatch()) << errors.text().toStdString();
  EXPECT_LE(match.captured(1).toDouble(), match.captured(5).toDouble());
  EXPECT_LE(match.captured(2).toDouble(), match.captured(6).toDouble());
  EXPECT_LE(match.captured(7).toDouble(), match.captured(8).toDouble());
  EXPECT_TRUE(snapReady);
}

TEST_F(LaunchTimings, NotAskedForTheyAreNotGiven) {
  CapturedErrors errors;
  session.run({"kestova", session.path("site.dxf")}, [&] {
    QTRY_VERIFY(session.drawingView().snapReady());
    QTest::qWait(50);
  });
  EXPECT_FALSE(errors.text().contains("timings")) << errors.text().toStdString();
}

}  // namespace
}  // namespace e2e
