// ID, DIST, LIST, STATION, ERASE, UNITS and PLOT in the drawing window, driven as a user would:
// typed at the command line, with the points they ask for typed or clicked.
#include <array>
#include <cstdio>
#include <deque>
#include <functional>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include <QFileInfo>
#include <QTemporaryDir>

#include "host/view/window_fixture.h"

namespace host::view {
namespace {

// What a command prints, for poppler's tools on a PDF.
std::string outputOf(const std::string& command) {
  std::string output;
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(::popen(command.c_str(), "r"), ::pclose);
  if (!pipe) return output;
  std::array<char, 4096> buffer{};
  while (std::fgets(buffer.data(), buffer.size(), pipe.get())) output += buffer.data();
  return output;
}

class DrawingTools : public WindowFixture {
 protected:
  void SetUp() override {
    WindowFixture::SetUp();
    document->ModelSpace()->AddLine({10, 10, 0}, {50, 30, 0});
    document->ModelSpace()->AddLine({10, 40, 0}, {20, 40, 0});
    document->ModelSpace()->AddText("STATION 12", {30, 50, 0}, 2.5);
    view->zoomExtents();
    answering_.setInterval(1);
    QObject::connect(&answering_, &QTimer::timeout, [this] {
      if (!window->pointRequestWaiting() || pending_.empty()) return;
      auto next = std::move(pending_.front());
      pending_.pop_front();
      next();
    });
  }

  // Answers the point requests the next command makes, one action per request, in order.
  void answerRequests(std::deque<std::function<void()>> actions) {
    pending_ = std::move(actions);
    answering_.start();
  }
  void click(const Eigen::Vector3d& world) {
    QTest::mouseClick(view, Qt::LeftButton, {}, view->widgetPosition(world));
  }
  bool historyHas(const QString& text) const {
    return window->commandLine()->history().contains(text);
  }

  std::deque<std::function<void()>> pending_;
  QTimer answering_;
};

TEST_F(DrawingTools, IdTellsAPointInTheUcsAndInWorld) {
  type("ucs origin 100,0,5");
  type("id 1,2,3");
  EXPECT_TRUE(historyHas("UCS    X = 1.0000  Y = 2.0000  Z = 3.0000"));
  EXPECT_TRUE(historyHas("World  X = 101.0000  Y = 2.0000  Z = 8.0000"));

  answerRequests({[&] { click({50, 30, 0}); }});
  type("id");
  EXPECT_TRUE(historyHas("World  X = 50.0000  Y = 30.0000  Z = 0.0000")) << "snapped to the end";
  type("id 1,x");
  EXPECT_TRUE(historyHas("ID: "));
}

TEST_F(DrawingTools, DistAsksForTwoPointsAndTellsTheParts) {
  answerRequests({[&] { click({10, 10, 0}); }, [&] { type("@30,40,-120"); }});
  type("dist");
  EXPECT_TRUE(historyHas("Distance = 130.0000  Plan = 50.0000  Height = -120.0000"));
  EXPECT_TRUE(historyHas("Bearing = 36\u00b052'12\" (clockwise from UCS Y)"));
  type("dist 0,0");
  EXPECT_TRUE(historyHas("DIST needs two points"));
}

TEST_F(DrawingTools, ListTellsThePickedEntity) {
  answerRequests({[&] { click({30, 20, 0}); }});
  type("list");
  EXPECT_TRUE(historyHas("LINE  Handle "));
  EXPECT_TRUE(historyHas("Layer 0  Colour BYLAYER (7)"));
  EXPECT_TRUE(historyHas("From 10.0000,10.0000,0.0000  To 50.0000,30.0000,0.0000"));
  EXPECT_TRUE(historyHas("Length = 44.7214"));

  answerRequests({[&] { type("40,5"); }});
  type("list");
  EXPECT_TRUE(historyHas("No object there"));
}

TEST_F(DrawingTools, StationTellsChainageAndOffsetAlongAPickedPolyline) {
  model::Polyline2d road;
  road.vertices = {{{100, 0}, 0.0}, {{200, 0}, 0.0}};
  drawing->addEntity(model::BlockTable::kModelSpace, road);
  view->zoomExtents();
  // A line is refused and the pick asked again; a bad start chainage is asked again too.
  answerRequests({[&] {
                    click({30, 20, 0});
                  },
                  [&] {
                    click({150, 0, 0});
                  },
                  [&] {
                    click({150, 0, 0});
                  },
                  [&] { type("1+2000"); }, [&] { type("1+000"); }, [&] { type("*130,-3.512"); },
                  [&] { type("*250,5"); }, [&] { type(""); }});
  type("station");
  EXPECT_TRUE(historyHas("Not a polyline"));
  EXPECT_TRUE(historyHas("Type what is asked for")) << "a click answers no chainage";
  EXPECT_TRUE(historyHas("Type the start chainage"));
  EXPECT_TRUE(historyHas("Chainage 1+030.0000  Offset 3.5120 R"));
  EXPECT_TRUE(historyHas("Chainage 1+150.0000  Offset 5.0000 L  (beyond the end of the polyline)"));
  EXPECT_FALSE(window->pointRequestWaiting());
  EXPECT_TRUE(view->highlighted().empty());

  // Typed with the command, the start chainage is not asked for; Esc ends the points.
  answerRequests({[&] {
                    click({150, 0, 0});
                  },
                  [&] { type("120,2"); }, [&] { QTest::keyClick(view, Qt::Key_Escape); }});
  type("station 0+100");
  EXPECT_TRUE(historyHas("Chainage 0+120.0000  Offset 2.0000 L"));

  // Esc while the start chainage is asked tells nothing.
  answerRequests({[&] { click({150, 0, 0}); }, [&] { QTest::keyClick(view, Qt::Key_Escape); }});
  type("station");
  EXPECT_FALSE(window->pointRequestWaiting());
  type("station 1+x");
  EXPECT_TRUE(historyHas("STATION: the start chainage"));
}

TEST_F(DrawingTools, ErasePicksOneOrAWindowEachOneUndoStep) {
  answerRequests({[&] { click({15, 40, 0}); }});
  type("erase");
  EXPECT_EQ(entityCount(), 2u);
  EXPECT_TRUE(historyHas("1 erased"));

  // A window from empty space round the long line; the text lies outside it.
  answerRequests({[&] { type("0,0"); }, [&] { type("60,35"); }});
  type("e");
  EXPECT_EQ(entityCount(), 1u);
  type("u");
  EXPECT_EQ(entityCount(), 2u);
  type("u");
  EXPECT_EQ(entityCount(), 3u);

  answerRequests({[&] { type("200,200"); }, [&] { type("300,300"); }});
  type("erase");
  EXPECT_TRUE(historyHas("Nothing selected"));
  answerRequests({[&] { QTest::keyClick(view, Qt::Key_Escape); }});
  type("erase");
  EXPECT_EQ(entityCount(), 3u);
  type("erase now");
  EXPECT_TRUE(historyHas("ERASE takes no arguments"));
}

TEST_F(DrawingTools, UnitsTellsAndChangesTheDrawingsUnits) {
  type("units");
  EXPECT_TRUE(
      historyHas("Units: unitless (INSUNITS 0); lengths decimal (LUNITS 2) with 4 "
                 "decimals (LUPREC)"));
  type("units m 3");
  EXPECT_EQ(drawing->header().insunits, 6);
  EXPECT_EQ(drawing->header().luprec, 3);
  type("id 1,2,3");
  EXPECT_TRUE(historyHas("UCS    X = 1.000  Y = 2.000  Z = 3.000"));
  type("units furlongs");
  EXPECT_TRUE(historyHas("UNITS: \"furlongs\" is not one of"));
}

TEST_F(DrawingTools, PlotWritesOnePageOfTheChosenSheetWithTheDrawingsTexts) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  const QString path = folder.filePath("site.pdf");
  type("units m");
  type("plot a3 landscape 1:500 " + path);
  ASSERT_TRUE(QFileInfo::exists(path)) << window->commandLine()->history().toStdString();
  EXPECT_TRUE(historyHas("Plotted " + path + " on A3 landscape at 1:500"));
  const std::string info = outputOf("pdfinfo '" + path.toStdString() + "'");
  EXPECT_NE(info.find("Pages:           1"), std::string::npos) << info;
  EXPECT_NE(info.find("(A3)"), std::string::npos) << info;
  EXPECT_NE(info.find("1191 x 842 pts (A3)"), std::string::npos) << info;
  EXPECT_NE(outputOf("pdftotext '" + path.toStdString() + "' -").find("STATION 12"),
            std::string::npos);

  const QString portrait = folder.filePath("portrait");
  type("plot a4 portrait view fit " + portrait);
  const std::string portraitInfo = outputOf("pdfinfo '" + portrait.toStdString() + ".pdf'");
  EXPECT_NE(portraitInfo.find("595 x 842 pts (A4)"), std::string::npos) << portraitInfo;

  type("plot a3 1:10 " + folder.filePath("cut.pdf"));
  EXPECT_TRUE(historyHas("larger than the sheet"));
}

TEST_F(DrawingTools, PlotSaysWhyItCannot) {
  type("plot a3 /no/such/folder/site.pdf");
  EXPECT_TRUE(historyHas("Cannot write /no/such/folder/site.pdf"));
  type("plot a5 site.pdf");
  EXPECT_TRUE(historyHas("PLOT: the sheets go from A0 to A4"));
  type("new");
  type("plot " + QTemporaryDir().filePath("empty.pdf"));
  EXPECT_TRUE(historyHas("Nothing to plot"));
}

}  // namespace
}  // namespace host::view
