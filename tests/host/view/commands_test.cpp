#include <functional>
#include <numbers>

#include <gtest/gtest.h>

#include "host/geom/vector_near.h"
#include "host/view/window_fixture.h"

namespace host::view {
namespace {

// What the commands change, to tell that undo put everything back.
struct DrawingState {
  std::size_t entities;
  model::Ucs currentUcs;
  std::vector<model::Ucs> namedUcs;
  model::HeaderVariables header;

  friend bool operator==(const DrawingState&, const DrawingState&) = default;
};

// The drawing holds a saved UCS "Base" and an unnamed current UCS "turned": turned 90 degrees
// about Z and moved to world (5, 0, 0), so UCS X runs along world Y.
const geom::Frame kBase = geom::Frame::fromDirections({0, 0, 10}, {1, 0, 0}, {0, 0, 1});
const geom::Frame kTurned = geom::Frame::fromDirections({5, 0, 0}, {0, 1, 0}, {-1, 0, 0});

struct CommandCase {
  const char* line;
  std::function<bool(const model::Document&)> done;
};

void PrintTo(const CommandCase& c, std::ostream* out) {
  *out << '"' << c.line << '"';
}

const geom::Frame& ucsOf(const model::Document& d) {
  return d.currentUcs().frame;
}

bool near(const Eigen::Vector3d& a, const Eigen::Vector3d& b) {
  return (a - b).norm() < 1e-9;
}

const model::Entity& lastEntity(const model::Document& d) {
  return d.blocks()[model::BlockTable::kModelSpace].entities.back();
}

class CommandLineCommand : public WindowFixture, public testing::WithParamInterface<CommandCase> {
 protected:
  void SetUp() override {
    WindowFixture::SetUp();
    drawing->defineUcs("Base", kBase);
    drawing->setCurrentUcs({"", kTurned});
  }

  DrawingState state() const {
    return {entityCount(), drawing->currentUcs(), drawing->ucsTable().all(), drawing->header()};
  }
};

TEST_P(CommandLineCommand, DoesWhatItSaysAndUndoRestoresIt) {
  const DrawingState before = state();
  type(GetParam().line);
  EXPECT_TRUE(GetParam().done(*drawing)) << window->commandLine()->history().toStdString();
  const DrawingState after = state();
  EXPECT_NE(after, before);

  QTest::keyClick(view, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(state(), before);
  QTest::keyClick(view, Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(state(), after);
}

INSTANTIATE_TEST_SUITE_P(
    DrawingCommands, CommandLineCommand,
    testing::Values(
        CommandCase{"luprec 2", [](const auto& d) { return d.header().luprec == 2; }},
        CommandCase{"UCS WORLD", [](const auto& d) { return ucsOf(d) == geom::Frame(); }},
        CommandCase{"ucs origin 1,2,3",
                    [](const auto& d) {
                      return near(ucsOf(d).origin(), {5 - 2, 1, 3}) &&
                             near(ucsOf(d).xAxis(), kTurned.xAxis());
                    }},
        CommandCase{"ucs x 90",
                    [](const auto& d) { return near(ucsOf(d).yAxis(), kTurned.zAxis()); }},
        CommandCase{"ucs y 90",
                    [](const auto& d) { return near(ucsOf(d).xAxis(), -kTurned.zAxis()); }},
        CommandCase{"ucs z 90",
                    [](const auto& d) { return near(ucsOf(d).xAxis(), kTurned.yAxis()); }},
        CommandCase{"ucs 3p 1,0,0;1,0,1;2,0,0",
                    [](const auto& d) {
                      return near(ucsOf(d).origin(), {5, 1, 0}) &&
                             near(ucsOf(d).xAxis(), {0, 0, 1}) && near(ucsOf(d).yAxis(), {0, 1, 0});
                    }},
        CommandCase{"ucs save Site",
                    [](const auto& d) {
                      return d.ucsTable().find("SITE") && d.currentUcs().name == "Site" &&
                             ucsOf(d) == kTurned;
                    }},
        CommandCase{
            "ucs restore base",
            [](const auto& d) { return d.currentUcs().name == "Base" && ucsOf(d) == kBase; }},
        CommandCase{"ucs delete Base", [](const auto& d) { return d.ucsTable().size() == 0; }},
        CommandCase{"point 1,2,3",
                    [](const auto& d) {
                      const auto* p = std::get_if<model::Point>(&lastEntity(d).data);
                      return p && near(p->position, {5 - 2, 1, 3});
                    }},
        CommandCase{"LINE *0,0,0 @10,0", [](const auto& d) {
                      const auto* l = std::get_if<model::Line>(&lastEntity(d).data);
                      return l && near(l->start, {0, 0, 0}) && near(l->end, {0, 10, 0});
                    }}));

struct RefusedCase {
  const char* line;
  const char* says;
};

void PrintTo(const RefusedCase& c, std::ostream* out) {
  *out << '"' << c.line << '"';
}

class RefusedLine : public WindowFixture, public testing::WithParamInterface<RefusedCase> {};

TEST_P(RefusedLine, PrintsOneLineAndChangesNothing) {
  drawing->markSaved();
  const int undoableBefore = drawing->canUndo();
  const QString historyBefore = window->commandLine()->history();
  type(GetParam().line);
  const QString added = window->commandLine()->history().mid(historyBefore.size()).trimmed();
  // The echo of the typed line, then one line saying why.
  const QStringList lines = added.split('\n');
  ASSERT_EQ(lines.size(), 2) << added.toStdString();
  EXPECT_TRUE(lines[1].contains(GetParam().says)) << lines[1].toStdString();
  EXPECT_FALSE(drawing->modified());
  EXPECT_EQ(drawing->canUndo(), undoableBefore);
}

INSTANTIATE_TEST_SUITE_P(Malformed, RefusedLine,
                         testing::Values(RefusedCase{"explode", "Unknown command"},
                                         RefusedCase{"ucs restore Nowhere", "No UCS named"},
                                         RefusedCase{"ucs delete Nowhere", "No UCS named"},
                                         RefusedCase{"ucs 3p 0,0,0;1,0,0;2,0,0", "parallel"},
                                         RefusedCase{"line @1,1 2,2", "no last point"},
                                         RefusedCase{"luprec 12", "0 to 8"},
                                         RefusedCase{"redo", "Nothing to redo"}));

TEST_F(WindowFixture, NewAndCloseAddAndRemoveDrawings) {
  type("new");
  ASSERT_EQ(window->views().size(), 2);
  EXPECT_EQ(application->documents().size(), 2u);
  EXPECT_EQ(window->windowTitle(), "Drawing2[*] - Kestova CAD");
  type("close");
  EXPECT_EQ(window->views().size(), 1);
  EXPECT_EQ(application->activeModel(), drawing);
}

TEST_F(WindowFixture, ViewCommandsTurnTheViewAndKeepTheDrawingInSight) {
  document->ModelSpace()->AddLine({0, 0, 0}, {0, 0, 20});
  type("view front");
  const QPoint bottom = view->widgetPosition({0, 0, 0});
  const QPoint top = view->widgetPosition({0, 0, 20});
  EXPECT_EQ(bottom.x(), top.x());
  EXPECT_GT(bottom.y(), top.y());  // world Z points up the screen
  EXPECT_TRUE(view->rect().contains(bottom) && view->rect().contains(top));
}

TEST_F(WindowFixture, StatusBarShowsTheCursorInTheUcsToTheDrawingsPrecision) {
  type("luprec 2");
  type("ucs origin *10,0,0");
  // Zoomed in close enough that one pixel is well below the shown precision.
  document->ModelSpace()->AddLine({10, 0, 0}, {15, 2, 0});
  view->zoomExtents();
  QTest::mouseMove(view, view->widgetPosition({12.5, 1, 0}));
  EXPECT_EQ(window->statusText().toStdString(), "2.50, 1.00, 0.00");
}

TEST_F(WindowFixture, TitleMarksAModifiedDrawing) {
  EXPECT_FALSE(window->isWindowModified());
  type("point 1,1,1");
  EXPECT_TRUE(window->isWindowModified());
  EXPECT_TRUE(window->windowTitle().startsWith("Drawing1"));
}

}  // namespace
}  // namespace host::view
