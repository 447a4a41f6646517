#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "host/automation/host_fixture.h"
#include "host/geom/vector_near.h"
#include "host/model/world_geometry.h"

namespace host {
namespace {

std::vector<std::string> blockNames(cad::Document& document) {
  std::vector<std::string> names;
  for (const auto& block : document.Blocks()->Enumerate()) names.push_back(block->Name());
  return names;
}

// The block's name and the block table's order are checked for every backend by the cad::
// member suite (tests/cad/conformance/table_members_test.cpp); here, what the drawing holds.
TEST_F(HostFixture, ArrowBlockIsDefinedOnceWhateverTheCase) {
  defineArrowBlock();
  document->Blocks()->Add({9, 9, 9}, "ARROWX1");
  EXPECT_EQ(blockNames(*document),
            (std::vector<std::string>{"*Model_Space", "*Paper_Space", "ArrowX1"}));
  const auto& arrow = drawing->blocks()[*drawing->blocks().find("arrowx1")];
  EXPECT_EQ(arrow.basePoint, Eigen::Vector3d::Zero());
  ASSERT_EQ(arrow.entities.size(), 1u);
  const auto& polyline = std::get<model::Polyline3d>(arrow.entities[0].data);
  ASSERT_EQ(polyline.vertices.size(), 15u);
  EXPECT_FALSE(polyline.closed);
  EXPECT_EQ(polyline.vertices[5], Eigen::Vector3d(1.75, 0, 0.5));
  EXPECT_EQ(polyline.vertices[14], Eigen::Vector3d::Zero());
}

TEST_F(HostFixture, InsertAtScaleOneDrawsTheArrowAlongX) {
  defineArrowBlock();
  auto arrow = modelSpace->InsertBlock({2, 3, 4}, "arrowx1", 1, 1, 1, 0);
  const auto points =
      model::worldGeometry(*drawing, drawing->entity({0, 0})).polylines.at(0).points;
  EXPECT_TRUE(vectorNear(points[1], {5, 3, 4}));
  EXPECT_TRUE(vectorNear(points[2], {3.75, 3.5, 4}));
  EXPECT_TRUE(vectorNear(points[6], {3.75, 3, 3.5}));
}

// A style added twice and made active is checked for every backend by the cad:: member suite
// (tests/cad/conformance/table_members_test.cpp); here, what the drawing records.
TEST_F(HostFixture, TextStyleAddReturnsTheExistingStyleAndLabelsTakeTheActiveOne) {
  document->TextStyles()->Add("mono25");
  document->ActiveTextStyle(document->TextStyles()->Add("MONO25"));
  EXPECT_EQ(std::get<std::string>(document->GetVariable("TEXTSTYLE")), "mono25");
  EXPECT_EQ(drawing->textStyles().size(), 2u);
  modelSpace->AddText("0.5", {0, 0, 0}, 1.0);
  const auto& text = std::get<model::Text>(drawing->entity({0, 0}).data);
  EXPECT_EQ(drawing->textStyles()[text.style].name, "mono25");
}

TEST_F(HostFixture, AStyleOfAnotherDrawingCannotBeMadeActive) {
  auto other = HostApplication::withNewDrawing()->ActiveDocument();
  auto foreign = other->TextStyles()->Add("mono25");
  EXPECT_THROW(document->ActiveTextStyle(foreign), cad::AutomationError);
  EXPECT_EQ(drawing->activeTextStyle(), 0u);
}

TEST_F(HostFixture, ModelSpaceIsModelSpaceWhicheverSpaceShows) {
  model::HeaderVariables header = drawing->header();
  header.tilemode = false;
  drawing->setHeader(header);
  modelSpace->AddLine({0, 0, 0}, {1, 1, 1});
  document->ModelSpace()->AddLine({0, 0, 0}, {1, 1, 1});
  EXPECT_EQ(modelSpaceCount(), 2u);
  EXPECT_TRUE(drawing->blocks()[model::BlockTable::kPaperSpace].entities.empty());
}

TEST(HostApplicationDocuments, ActiveDocumentFollowsOpeningAndClosing) {
  auto application = std::make_shared<HostApplication>();
  EXPECT_THROW(application->ActiveDocument(), cad::AutomationError);
  auto first = std::make_shared<model::Document>();
  auto second = std::make_shared<model::Document>();
  application->addDocument(first);
  application->addDocument(second);
  EXPECT_EQ(modelOf(application->ActiveDocument()), second);
  application->activate(*first);
  EXPECT_EQ(modelOf(application->ActiveDocument()), first);
  application->closeDocument(*first);
  EXPECT_EQ(modelOf(application->ActiveDocument()), second);
  application->closeDocument(*second);
  EXPECT_THROW(application->ActiveDocument(), cad::AutomationError);
}

}  // namespace
}  // namespace host
