// "Draw vectors" in a check window opened from a drawing of the built-in host: the pairs land
// in that drawing, along the UCS chosen in the window, as one undo step.
#include <QComboBox>

#include "check/draw/deviation_layers.h"
#include "check/window/vector_drawer.h"
#include "check_window_fixture.h"
#include "host/automation/host_application.h"
#include "host/automation/host_entity.h"
#include "survey/measuring_frame.h"

namespace check::windowtest {
namespace {

constexpr const char* kDesign =
    "Point,Easting,Northing,Elevation\nA,10,20,0\nB,30,20,0\nC,50,0,0\n";
constexpr const char* kSurvey = "A,10.01,20,0\nB,30,20.5,0\n";

struct VectorDrawerTest : CheckWindowFixture {
  void SetUp() override {
    CheckWindowFixture::SetUp();
    cad->addDocument(model);
    // The world first, then a UCS turned a quarter about Z with its origin at (10, 20).
    std::vector<UcsChoice> choices{
        worldUcs(),
        {"TURNED", "UCS 'TURNED'", survey::measuringFrame({10, 20, 0}, {0, 1, 0}, {-1, 0, 0})}};
    open({choices, 3, 0.5});
    window->setVectorDrawer(vectorDrawerFor(cad->ActiveDocument(), choices, window.get(),
                                            [this](const std::function<void()>& draw) {
                                              host::model::Document::UndoGroup step(*model);
                                              ++batches;
                                              draw();
                                            }));
    choose("design", write("design.csv", kDesign));
    choose("survey", write("survey.csv", kSurvey));
  }

  const std::vector<host::model::Entity>& entities() const {
    return model->blocks()[host::model::BlockTable::kModelSpace].entities;
  }
  const host::model::Entity* text(const std::string& string) const {
    for (const host::model::Entity& entity : entities()) {
      const auto* text = std::get_if<host::model::Text>(&entity.data);
      if (text && text->text == string) return &entity;
    }
    return nullptr;
  }
  std::string layerOf(const host::model::Entity& entity) const {
    return model->layers()[entity.layer].name;
  }

  std::shared_ptr<host::model::Document> model = std::make_shared<host::model::Document>();
  std::shared_ptr<host::HostApplication> cad = std::make_shared<host::HostApplication>();
  int batches = 0;
};

TEST_F(VectorDrawerTest, DrawsAlongTheChosenUcsAsOneUndoStep) {
  find<QComboBox>("ucs")->setCurrentIndex(1);
  check();
  find<QDoubleSpinBox>("textHeight")->setValue(0.5);  // the user's own, not the one proposed
  find<QPushButton>("drawVectors")->click();
  EXPECT_EQ(batches, 1);
  for (const auto& [id, layer] : std::vector<std::pair<std::string, std::string>>{
           {"A", draw::kPassLayer}, {"B", draw::kPassLayer}, {"C", draw::kMissingLayer}}) {
    const host::model::Entity* label = text(id);
    ASSERT_NE(label, nullptr) << id;
    EXPECT_EQ(layerOf(*label), layer) << id;
  }
  // A's leader runs to its design point from up the turned UCS's (+X, +Y) diagonal: world
  // (-1, +1) from it.
  bool leaderSeen = false;
  for (const host::model::Entity& entity : entities()) {
    const auto* line = std::get_if<host::model::Line>(&entity.data);
    if (!line || !line->end.isApprox(Eigen::Vector3d(10, 20, 0))) continue;
    const Eigen::Vector3d run = line->start - line->end;
    EXPECT_NEAR(run.x(), -std::sqrt(0.5), 1e-9);
    EXPECT_NEAR(run.y(), std::sqrt(0.5), 1e-9);
    leaderSeen = true;
  }
  EXPECT_TRUE(leaderSeen);

  model->undo();
  EXPECT_TRUE(entities().empty());
  EXPECT_FALSE(model->layers().find(draw::kPassLayer).has_value());
}

}  // namespace
}  // namespace check::windowtest
