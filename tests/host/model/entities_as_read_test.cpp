#include <gtest/gtest.h>

#include <functional>

#include "host/model/document.h"

// Entities as a file gave them: their own handles, and whether they still stand as read, which
// decides whether a save may write their kept records back.
namespace host::model {
namespace {

Entity pointAsRead(Handle handle) {
  Entity entity;
  entity.handle = handle;
  entity.data = Point{Eigen::Vector3d(1.0, 2.0, 3.0)};
  entity.origin = {7, true};
  return entity;
}

TEST(EntitiesAsRead, KeepTheirHandlesAndNewEntitiesTakeHandlesAboveThem) {
  Document document;
  document.reserveHandlesBelow(0x400);
  document.addEntityAsRead(BlockTable::kModelSpace, pointAsRead(0x2A));
  document.addEntityAsRead(BlockTable::kModelSpace, pointAsRead(0x1F));  // out of order
  const EntityLocation added = document.addEntity(BlockTable::kModelSpace, Point{});
  EXPECT_EQ(document.entity({BlockTable::kModelSpace, 0}).handle, 0x2Au);
  EXPECT_EQ(document.entity(added).handle, 0x400u);
  ASSERT_TRUE(document.locate(BlockTable::kModelSpace, 0x1F));
  EXPECT_EQ(document.locate(BlockTable::kModelSpace, 0x1F)->index, 1u);
  EXPECT_FALSE(document.locate(BlockTable::kModelSpace, 0x30));
  // One without a handle waits for the reader to know every handle of its file.
  const EntityLocation withoutHandle =
      document.addEntityAsRead(BlockTable::kModelSpace, pointAsRead(0));
  document.reserveHandlesBelow(0x500);
  document.giveFreshHandles();
  EXPECT_EQ(document.entity(withoutHandle).handle, 0x500u);
  EXPECT_EQ(document.entity({BlockTable::kModelSpace, 0}).handle, 0x2Au);
}

TEST(EntitiesAsRead, AnyChangeLeavesTheEntityNoLongerAsReadAndUndoBringsItBack) {
  const std::vector<std::pair<const char*, std::function<void(Document&, EntityLocation)>>>
      changes = {
          {"data", [](Document& d, EntityLocation at) { d.replaceEntity(at, Point{}); }},
          {"layer",
           [](Document& d, EntityLocation at) { d.setEntityLayer(at, d.addLayer({"WALLS"})); }},
          {"properties",
           [](Document& d, EntityLocation at) {
             EntityProperties properties;
             properties.colour.index = 3;
             d.setEntityProperties(at, properties);
           }},
      };
  for (const auto& [what, change] : changes) {
    SCOPED_TRACE(what);
    Document document;
    const EntityLocation at = document.addEntityAsRead(BlockTable::kModelSpace, pointAsRead(5));
    {
      Document::UndoGroup group(document);
      change(document, at);
    }
    EXPECT_FALSE(document.entity(at).origin.asRead);
    EXPECT_EQ(document.entity(at).origin.record, 7u);  // its record still gives what is kept
    EXPECT_EQ(document.entity(at).handle, 5u);
    document.undo();
    EXPECT_TRUE(document.entity(at).origin.asRead);
    EXPECT_EQ(document.entity(at).data.index(), EntityData(Point{}).index());
  }
}

}  // namespace
}  // namespace host::model
