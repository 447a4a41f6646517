// A batch of vectors drawn through the built-in host: what a cancelled batch leaves, and the
// entity deletion it relies on.
#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>

#include "check/check_run.h"
#include "check/draw/deviation_layers.h"
#include "check/draw/vector_drawing.h"
#include "host/automation/host_application.h"
#include "host/automation/host_entity.h"
#include "survey/design_points.h"

namespace check::draw {
namespace {

class VectorBatch : public testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "design.csv") << "Point,Easting,Northing,Elevation\n"
                                            "A,0,0,0\nB,10,0,0\nC,20,0,0\nD,30,0,0\n";
    std::ofstream(folder / "survey.csv") << "A,0.01,0,0\nB,10,0.05,0\nC,20,0,-0.02\n";
    CheckRequest request;
    request.design = folder / "design.csv";
    request.survey = folder / "survey.csv";
    request.tolerances.set(survey::kDx, survey::Tolerance::within(0.02));
    request.tolerances.set(survey::kDy, survey::Tolerance::within(0.02));
    run = checkSurvey(request);
    cad->addDocument(model);
    drawing = cad->ActiveDocument();
    // The user's own work, which every batch must leave alone.
    drawing->ModelSpace()->AddLine({1, 2, 3}, {4, 5, 6});
  }
  void TearDown() override { std::filesystem::remove_all(folder); }

  std::size_t entityCount() const {
    return model->blocks()[host::model::BlockTable::kModelSpace].entities.size();
  }

  std::filesystem::path folder = std::filesystem::path(testing::TempDir()) /
                                 ("vector_batch_test_" + std::to_string(::getpid()));
  CheckRun run;
  std::shared_ptr<host::model::Document> model = std::make_shared<host::model::Document>();
  std::shared_ptr<host::HostApplication> cad = std::make_shared<host::HostApplication>();
  cad::Ref<cad::Document> drawing;
};

TEST_F(VectorBatch, DrawsEveryPairAndMarksTheMissing) {
  const DrawnVectors drawn = drawVectors(*drawing, run.report(), {}, host::geom::Frame());
  EXPECT_EQ(drawn.passing, 2u);
  EXPECT_EQ(drawn.failing, 1u);
  EXPECT_EQ(drawn.missing, 1u);
  EXPECT_FALSE(drawn.cancelled);
}

// Cancelled after the first item, in the middle, and at the very last: nothing of the batch
// stays, and the user's line is untouched.
TEST_F(VectorBatch, CancelLeavesTheDrawingAsItWas) {
  for (const std::size_t cancelAt : {1u, 2u, 4u}) {
    std::vector<std::size_t> told;
    const DrawnVectors drawn = drawVectors(*drawing, run.report(), {}, host::geom::Frame(),
                                           [&](std::size_t done, std::size_t total) {
                                             told.push_back(done);
                                             EXPECT_EQ(total, 4u);
                                             return done < cancelAt;
                                           });
    EXPECT_TRUE(drawn.cancelled) << cancelAt;
    EXPECT_EQ(told.back(), cancelAt);
    ASSERT_EQ(entityCount(), 1u) << cancelAt;
    const auto& line =
        std::get<host::model::Line>(model->entity({host::model::BlockTable::kModelSpace, 0}).data);
    EXPECT_EQ(line.end, Eigen::Vector3d(4, 5, 6));
  }
}

TEST_F(VectorBatch, ATextHeightThatIsNoHeightDrawsNothing) {
  for (const double height : {0.0, -1.0, std::nan("")}) {
    DrawSettings settings;
    settings.textHeight = height;
    EXPECT_THROW(drawVectors(*drawing, run.report(), settings, host::geom::Frame()),
                 std::invalid_argument);
    EXPECT_EQ(entityCount(), 1u);
  }
}

// A layer the drawing already has keeps its author's colour.
TEST_F(VectorBatch, ExistingLayersKeepTheirColour) {
  drawing->Layers()->Add(kFailLayer)->color(5);
  drawVectors(*drawing, run.report(), {}, host::geom::Frame());
  EXPECT_EQ(drawing->Layers()->Item(kFailLayer)->color(), 5);
  EXPECT_EQ(drawing->Layers()->Item(kPassLayer)->color(), kPassColor);
}

// Deleting an entity moves those after it; they stay reachable, and undo brings it back.
TEST_F(VectorBatch, DeletedEntityGoesAndComesBackWithUndo) {
  const cad::Ref<cad::ModelSpace> space = drawing->ModelSpace();
  const cad::Ref<cad::Entity> first = space->AddCircle({0, 0, 0}, 1);
  const cad::Ref<cad::Entity> second = space->AddCircle({5, 0, 0}, 2);
  const cad::Ref<cad::Entity> third = space->AddCircle({9, 0, 0}, 3);
  second->Delete();
  EXPECT_THROW(second->TransformBy(cad::Matrix4::Identity()), cad::AutomationError);
  EXPECT_THROW(second->Delete(), cad::AutomationError);
  third->Layer("0");
  EXPECT_EQ(std::get<host::model::Circle>(host::modelEntity(third).data).radius, 3);
  EXPECT_EQ(std::get<host::model::Circle>(host::modelEntity(first).data).radius, 1);
  EXPECT_EQ(entityCount(), 3u);

  model->undo();  // the layer
  model->undo();  // the deletion
  EXPECT_EQ(std::get<host::model::Circle>(host::modelEntity(second).data).radius, 2);
  EXPECT_EQ(std::get<host::model::Circle>(host::modelEntity(third).data).radius, 3);
  EXPECT_EQ(entityCount(), 4u);
}

}  // namespace
}  // namespace check::draw
