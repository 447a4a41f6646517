#include <cmath>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "host/model/document.h"

namespace host::model {
namespace {

// Properties as a reader sets them one by one, each kept exactly, signs of zero included.
TEST(SharedProperties, KeepEveryValueAsSet) {
  EntityProperties dashed;
  dashed.lineType = "DASHED";
  EntityProperties negativeZero;
  negativeZero.thickness = -0.0;
  EntityProperties heavy;
  heavy.colour = {Colour::kByBlock, 0x123456};
  heavy.transparency = 0x02000040;
  heavy.lineTypeScale = 0.5;
  heavy.lineWeight = 211;
  heavy.visible = false;
  for (const EntityProperties& p : {EntityProperties{}, dashed, negativeZero, heavy}) {
    const SharedProperties shared(p);
    EXPECT_EQ(shared.get(), p);
    EXPECT_EQ(std::signbit(shared->thickness), std::signbit(p.thickness));
    EXPECT_EQ(shared->lineType.str(), p.lineType.str());
  }
  EXPECT_EQ(SharedProperties(EntityProperties{}), SharedProperties());
  EXPECT_FALSE(SharedProperties(dashed) == SharedProperties());
}

TEST(LineTypeName, SameNameSameValueAndEmptyIsByLayer) {
  EXPECT_TRUE(LineTypeName().empty());
  EXPECT_TRUE(LineTypeName("").empty());
  EXPECT_EQ(LineTypeName(std::string("CENTER")), LineTypeName("CENTER"));
  EXPECT_FALSE(LineTypeName("CENTER") == LineTypeName("center"));
  EXPECT_EQ(LineTypeName("Böschung").str(), "Böschung");
}

// Entities read on one thread and shown on another share the pools.
TEST(SharedProperties, SetOnManyThreadsAtOnce) {
  std::vector<std::thread> threads;
  std::vector<std::vector<SharedProperties>> made(4);
  for (std::size_t t = 0; t < made.size(); ++t) {
    threads.emplace_back([&made, t] {
      for (int i = 0; i < 2000; ++i) {
        EntityProperties p;
        p.colour.index = 1 + i % 255;
        p.lineType = "LT" + std::to_string(i % 50);
        made[t].emplace_back(p);
      }
    });
  }
  for (std::thread& thread : threads) thread.join();
  for (std::size_t t = 0; t < made.size(); ++t) {
    for (int i = 0; i < 2000; ++i) {
      EXPECT_EQ(made[t][i]->colour.index, 1 + i % 255);
      EXPECT_EQ(made[t][i]->lineType.str(), "LT" + std::to_string(i % 50));
      EXPECT_EQ(made[t][i], made[0][i]);
    }
  }
}

// Looking entities up by handle follows every change: additions, erasures that move the rest,
// undo and redo.
TEST(DocumentLocate, FollowsChanges) {
  Document document;
  const auto block = document.addBlock("B", Eigen::Vector3d::Zero());
  std::vector<Handle> handles;
  for (int i = 0; i < 5; ++i) {
    const auto at = document.addEntity(BlockTable::kModelSpace, Point{});
    handles.push_back(document.entity(at).handle);
  }
  const auto inBlock = document.addEntity(block, Point{});
  const Handle blockHandle = document.entity(inBlock).handle;

  EXPECT_EQ(document.locate(BlockTable::kModelSpace, handles[3]),
            (EntityLocation{BlockTable::kModelSpace, 3}));
  EXPECT_EQ(document.locate(block, blockHandle), inBlock);
  EXPECT_FALSE(document.locate(BlockTable::kModelSpace, blockHandle));
  EXPECT_FALSE(document.locate(BlockTable::kModelSpace, 999));

  document.eraseEntity({BlockTable::kModelSpace, 1});
  EXPECT_FALSE(document.locate(BlockTable::kModelSpace, handles[1]));
  EXPECT_EQ(document.locate(BlockTable::kModelSpace, handles[3]),
            (EntityLocation{BlockTable::kModelSpace, 2}));
  document.undo();
  EXPECT_EQ(document.locate(BlockTable::kModelSpace, handles[1]),
            (EntityLocation{BlockTable::kModelSpace, 1}));
  EXPECT_EQ(document.locate(BlockTable::kModelSpace, handles[3]),
            (EntityLocation{BlockTable::kModelSpace, 3}));
  document.redo();
  EXPECT_FALSE(document.locate(BlockTable::kModelSpace, handles[1]));
  const auto added = document.addEntity(BlockTable::kModelSpace, Point{});
  EXPECT_EQ(document.locate(BlockTable::kModelSpace, document.entity(added).handle), added);
}

// Handles given while a file loads are found too.
TEST(DocumentLocate, FindsFreshHandles) {
  Document document;
  {
    Document::HistoryPause pause(document);
    Entity first;
    first.handle = 0x40;
    first.data = Point{};
    document.addEntityAsRead(BlockTable::kModelSpace, std::move(first));
    EXPECT_EQ(document.locate(BlockTable::kModelSpace, 0x40),
              (EntityLocation{BlockTable::kModelSpace, 0}));
    Entity second;
    second.data = Point{};
    document.addEntityAsRead(BlockTable::kModelSpace, std::move(second));
    document.reserveHandlesBelow(0x100);
    document.giveFreshHandles();
  }
  EXPECT_EQ(document.locate(BlockTable::kModelSpace, 0x100),
            (EntityLocation{BlockTable::kModelSpace, 1}));
}

}  // namespace
}  // namespace host::model
