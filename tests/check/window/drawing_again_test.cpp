// The check window over a drawing of the built-in host, drawn into more than once: it names the
// drawing it draws into, stops once that drawing is closed, replaces what an earlier check drew
// in the same undo step unless asked to keep both, and proposes a text height for the layout.
#include <QEvent>
#include <QLabel>
#include <cmath>
#include <numbers>
#include <set>

#include "check/draw/earlier_check.h"
#include "check/window/vector_drawer.h"
#include "check_window_fixture.h"
#include "host/automation/host_application.h"

namespace check::windowtest {
namespace {

constexpr const char* kDesign =
    "Point,Easting,Northing,Elevation\nA,10,20,0\nB,30,20,0\nC,50,0,0\n";
constexpr const char* kSurvey = "A,10.01,20,0\nB,30,20.5,0\n";

struct DrawingAgain : CheckWindowFixture {
  void SetUp() override {
    CheckWindowFixture::SetUp();
    cad->addDocument(model);
    open({{worldUcs()}, 3, 0.5});
    window->setVectorDrawer(vectorDrawerFor(cad->ActiveDocument(), {worldUcs()}, window.get(),
                                            [this](const std::function<void()>& draw) {
                                              host::model::Document::UndoGroup step(*model);
                                              draw();
                                            }));
    window->setDrawing([this]() -> std::optional<QString> {
      if (closed) return std::nullopt;
      return "site.dxf";
    });
  }

  void checkFiles(const char* designText, const char* surveyText) {
    choose("design", write("design.csv", designText));
    choose("survey", write("survey.csv", surveyText));
    check();
  }
  void draw() { find<QPushButton>("drawVectors")->click(); }
  // The handles of the entities in model space carrying the check's tag.
  std::set<host::model::Handle> tagged() const {
    std::set<host::model::Handle> handles;
    for (const host::model::Entity& entity : model->blocks()[0].entities) {
      if (entity.properties->tag.application == draw::kCheckApplication) {
        handles.insert(entity.handle);
      }
    }
    return handles;
  }
  // The window becomes active again, as after the user worked in the drawing window.
  void activate() {
    QEvent activation(QEvent::WindowActivate);
    QApplication::sendEvent(window.get(), &activation);
  }

  std::shared_ptr<host::model::Document> model = std::make_shared<host::model::Document>();
  std::shared_ptr<host::HostApplication> cad = std::make_shared<host::HostApplication>();
  bool closed = false;
};

TEST_F(DrawingAgain, ReplacesTheEarlierCheckAndOneUndoBringsItBack) {
  checkFiles(kDesign, kSurvey);
  draw();
  const std::set<host::model::Handle> first = tagged();
  ASSERT_GT(first.size(), 5u);
  EXPECT_EQ(first.size(), model->blocks()[0].entities.size()) << "every entity drawn is tagged";

  draw();
  const std::set<host::model::Handle> second = tagged();
  EXPECT_EQ(second.size(), first.size());
  EXPECT_EQ(model->blocks()[0].entities.size(), first.size()) << "no vectors doubled";
  std::vector<host::model::Handle> common;
  std::ranges::set_intersection(first, second, std::back_inserter(common));
  EXPECT_TRUE(common.empty()) << "the earlier check's entities are gone";

  model->undo();
  EXPECT_EQ(tagged(), first) << "one undo brings the earlier check back whole";
  model->redo();
  EXPECT_EQ(tagged(), second);
}

TEST_F(DrawingAgain, KeepsBothWhenAsked) {
  checkFiles(kDesign, kSurvey);
  draw();
  const std::size_t once = tagged().size();
  find<QCheckBox>("keepEarlier")->click();
  draw();
  EXPECT_EQ(tagged().size(), 2 * once);
}

TEST_F(DrawingAgain, NamesTheDrawingAndStopsDrawingOnceItIsClosed) {
  checkFiles(kDesign, kSurvey);
  auto* target = find<QLabel>("drawingTarget");
  EXPECT_TRUE(target->isVisible());
  EXPECT_EQ(target->text(), "Draws into: site.dxf");
  EXPECT_TRUE(find<QPushButton>("drawVectors")->isEnabled());

  closed = true;
  activate();
  EXPECT_EQ(target->text(), "The drawing has been closed");
  EXPECT_FALSE(find<QPushButton>("drawVectors")->isEnabled());
  draw();
  EXPECT_TRUE(model->blocks()[0].entities.empty()) << "nothing drawn into a closed drawing";

  closed = false;
  activate();
  EXPECT_TRUE(find<QPushButton>("drawVectors")->isEnabled());
}

// A road of 500 m, a stake every 20 m: the dialog's 0.5 gives way to 2 once the points are
// known, and the next check keeps a height the user typed.
TEST_F(DrawingAgain, ProposesATextHeightForTheLayoutUnlessTheUserTypedOne) {
  std::string design = "Point,Easting,Northing,Elevation\n";
  std::string survey;
  for (int i = 0; i <= 25; ++i) {
    const double x = 350000 + 20.0 * i * std::cos(std::numbers::pi / 6);
    const double y = 6200000 + 20.0 * i * std::sin(std::numbers::pi / 6);
    design += "S" + std::to_string(i) + "," + std::to_string(x) + "," + std::to_string(y) + ",1\n";
    survey +=
        "S" + std::to_string(i) + "," + std::to_string(x + 0.01) + "," + std::to_string(y) + ",1\n";
  }
  auto* height = find<QDoubleSpinBox>("textHeight");
  EXPECT_DOUBLE_EQ(height->value(), 0.5);
  checkFiles(design.c_str(), survey.c_str());
  EXPECT_DOUBLE_EQ(height->value(), 2.0);

  height->selectAll();
  QTest::keyClicks(height, "0.7");
  check();
  EXPECT_DOUBLE_EQ(height->value(), 0.7);
}

}  // namespace
}  // namespace check::windowtest
