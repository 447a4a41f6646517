// Erasing many entities at once: the right ones go, the rest keep their order, one undo brings
// them all back in their places, and what cannot be erased is refused with the block unchanged.
#include <gtest/gtest.h>

#include <vector>

#include "host/geom/invalid_input.h"
#include "host/model/document.h"

namespace host::model {
namespace {

constexpr BlockIndex kModel = BlockTable::kModelSpace;

struct EraseEntities : testing::Test {
  void SetUp() override {
    for (int i = 0; i < 8; ++i) {
      document.addEntity(kModel, Point{Eigen::Vector3d(i, 0, 0)});
    }
  }
  std::vector<Handle> handles() const {
    std::vector<Handle> all;
    for (const Entity& entity : document.blocks()[kModel].entities) all.push_back(entity.handle);
    return all;
  }

  Document document;
};

TEST_F(EraseEntities, TakesThemOutAsOneUndoStep) {
  const std::vector<Handle> before = handles();
  std::vector<Handle> kept;
  for (const std::size_t i : {1u, 2u, 4u, 6u}) kept.push_back(before[i]);
  {
    Document::UndoGroup step(document, "Erase");
    document.eraseEntities(kModel, {7, 0, 5, 3});  // any order
  }
  EXPECT_EQ(handles(), kept);
  document.undo();
  EXPECT_EQ(handles(), before);
  document.redo();
  EXPECT_EQ(handles(), kept);
  document.undo();
  EXPECT_EQ(handles(), before);
}

TEST_F(EraseEntities, NoneIsNoChange) {
  const std::vector<Handle> before = handles();
  document.eraseEntities(kModel, {});
  EXPECT_EQ(handles(), before);
}

TEST_F(EraseEntities, RefusesWhatIsNotThereAndChangesNothing) {
  const std::vector<Handle> before = handles();
  for (const std::vector<std::size_t>& indices :
       std::vector<std::vector<std::size_t>>{{2, 8}, {3, 3}, {100}}) {
    EXPECT_THROW(document.eraseEntities(kModel, indices), InvalidInput);
    EXPECT_EQ(handles(), before);
  }
}

}  // namespace
}  // namespace host::model
