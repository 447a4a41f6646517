#include <functional>
#include <string>

#include <gtest/gtest.h>

#include <QStringList>
#include <QTimer>

#include "host/view/window_fixture.h"

namespace host::view {
namespace {

// A modified drawing, the question about unsaved changes answered by the test.
class Closing : public AnsweringWindowFixture {
 protected:
  void SetUp() override {
    AnsweringWindowFixture::SetUp();
    type("point 1,2,3");
  }
};

TEST_F(Closing, CancelKeepsAModifiedDrawingOpen) {
  EXPECT_FALSE(window->closeDrawing(view));
  EXPECT_EQ(asked, QStringList{"Drawing1"});
  EXPECT_EQ(window->views().size(), 1);
  EXPECT_TRUE(drawing->modified());
}

TEST_F(Closing, DiscardClosesItWithoutSaving) {
  answer = SaveChoice::Discard;
  type("close");
  EXPECT_EQ(asked.size(), 1);
  EXPECT_TRUE(window->views().isEmpty());
  EXPECT_TRUE(application->documents().empty());
}

TEST_F(Closing, SaveThatDoesNotHappenKeepsItOpen) {
  answer = SaveChoice::Save;  // and then no file name is given
  EXPECT_FALSE(window->closeDrawing(view));
  EXPECT_EQ(window->views().size(), 1);
}

TEST_F(Closing, UnmodifiedDrawingClosesWithoutAQuestion) {
  window->newDrawing();
  type("close");
  EXPECT_TRUE(asked.isEmpty());
  EXPECT_EQ(window->views().size(), 1);
}

TEST_F(Closing, QuitAsksAboutEveryModifiedDrawingAndCancelStopsIt) {
  window->newDrawing();
  type("point 0,0,0");
  window->newDrawing();  // left unmodified: not asked about
  type("quit");
  EXPECT_EQ(asked, QStringList{"Drawing1"});  // the first answer cancelled the quit
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(window->views().size(), 3);

  asked.clear();
  answer = SaveChoice::Discard;
  type("quit");
  EXPECT_EQ(asked, (QStringList{"Drawing1", "Drawing2"}));
  EXPECT_FALSE(window->isVisible());
  EXPECT_TRUE(application->documents().empty());
}

// Automation objects of a drawing the user has closed, and calls on them: each must fail
// saying the drawing is closed, and none may reach the drawing.
struct ClosedCall {
  const char* name;
  std::function<void(cad::Document&)> call;
};

class ClosedDrawing : public Closing, public testing::WithParamInterface<ClosedCall> {};

TEST_P(ClosedDrawing, RefusesAutomationCalls) {
  answer = SaveChoice::Discard;
  // Objects fetched while the drawing was open, as the main dialog holds them.
  cad::Ref<cad::ModelSpace> space = document->ModelSpace();
  cad::Ref<cad::Entity> line = space->AddLine({0, 0, 0}, {1, 0, 0});
  const std::size_t entities = entityCount();
  const auto ucsCount = drawing->ucsTable().size();
  type("close");
  ASSERT_TRUE(application->documents().empty());

  const auto expectClosed = [](const std::function<void()>& call) {
    try {
      call();
      ADD_FAILURE() << "the call went through";
    } catch (const cad::AutomationError& error) {
      EXPECT_STREQ(error.what(), "The drawing has been closed");
    }
  };
  expectClosed([&] { GetParam().call(*document); });
  expectClosed([&] { space->AddText("A", {0, 0, 0}, 1); });
  expectClosed([&] { line->Rotate3D({0, 0, 0}, {0, 0, 1}, 1.0); });
  expectClosed([&] { line->Layer("0"); });
  expectClosed([&] { line->Delete(); });
  EXPECT_EQ(entityCount(), entities);
  EXPECT_EQ(drawing->ucsTable().size(), ucsCount);
}

INSTANTIATE_TEST_SUITE_P(
    Calls, ClosedDrawing,
    testing::Values(
        ClosedCall{"AddLine",
                   [](cad::Document& d) {
                     d.ModelSpace()->AddLine({0, 0, 0}, {1, 1, 1});
                   }},
        ClosedCall{"GetVariable", [](cad::Document& d) { d.GetVariable("LUPREC"); }},
        ClosedCall{"ActiveUCS", [](cad::Document& d) { d.ActiveUCS()->GetUCSMatrix(); }},
        ClosedCall{"AddUcs",
                   [](cad::Document& d) {
                     d.UserCoordinateSystems()->Add({0, 0, 0}, {1, 0, 0}, {0, 1, 0}, "site");
                   }},
        ClosedCall{"AddBlock",
                   [](cad::Document& d) {
                     d.Blocks()->Add({0, 0, 0}, "B");
                   }},
        ClosedCall{"TextStyle", [](cad::Document& d) { d.ActiveTextStyle()->fontFile(); }},
        ClosedCall{"AddLayer", [](cad::Document& d) { d.Layers()->Add("survey"); }},
        ClosedCall{"TranslateCoordinates",
                   [](cad::Document& d) {
                     d.Utility()->TranslateCoordinates({1, 2, 3}, 0, 1, 0);
                   }},
        ClosedCall{"GetPoint",
                   [](cad::Document& d) { d.Utility()->GetPoint(std::nullopt, "Point: "); }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Closing, APointRequestCutShortByClosingSaysTheDrawingIsClosed) {
  answer = SaveChoice::Discard;
  // Typing waits for the point now, so the user closes the drawing's tab.
  QTimer::singleShot(0, [&] { window->closeDrawing(view); });
  try {
    document->Utility()->GetPoint(std::nullopt, "Insert Point ");
    ADD_FAILURE() << "the request was answered";
  } catch (const cad::AutomationError& error) {
    EXPECT_STREQ(error.what(), "The drawing has been closed");
  }
}

}  // namespace
}  // namespace host::view
