#include <cmath>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "host/geom/invalid_input.h"
#include "host/model/document.h"

namespace host::model {
namespace {

constexpr BlockIndex kModel = BlockTable::kModelSpace;

Line lineTo(double x) {
  return Line{{0, 0, 0}, {x, 0, 0}};
}

double endX(const Document& document, std::size_t index) {
  return std::get<Line>(document.entity({kModel, index}).data).end.x();
}

TEST(Document, StartsWithTheStandardTables) {
  Document document;
  EXPECT_EQ(document.layers()[0].name, "0");
  EXPECT_EQ(document.textStyles()[document.activeTextStyle()].name, "Standard");
  EXPECT_EQ(document.blocks()[kModel].name, "*Model_Space");
  EXPECT_EQ(document.blocks()[BlockTable::kPaperSpace].name, "*Paper_Space");
  EXPECT_EQ(document.currentUcs(), Ucs{});
  EXPECT_FALSE(document.modified());
  EXPECT_FALSE(document.canUndo());
}

TEST(Document, UndoRemovesAnAdditionAndRedoBringsBackTheSameHandle) {
  Document document;
  const EntityLocation first = document.addEntity(kModel, lineTo(1));
  const Handle handle = document.entity(first).handle;
  document.addEntity(kModel, lineTo(2));

  document.undo();
  document.undo();
  EXPECT_TRUE(document.blocks()[kModel].entities.empty());
  EXPECT_EQ(document.find(first, handle), nullptr);
  EXPECT_FALSE(document.canUndo());

  document.redo();
  ASSERT_NE(document.find(first, handle), nullptr);
  EXPECT_EQ(endX(document, 0), 1);
  document.redo();
  EXPECT_EQ(document.blocks()[kModel].entities.size(), 2u);
  // A fresh addition gets a handle never used before.
  const EntityLocation third = document.addEntity(kModel, lineTo(3));
  EXPECT_GT(document.entity(third).handle, document.entity({kModel, 1}).handle);
}

TEST(Document, UndoOfAChangeRestoresTheOldDataAndRedoTheNew) {
  Document document;
  const EntityLocation at = document.addEntity(kModel, lineTo(1));
  document.replaceEntity(at, lineTo(5));
  document.undo();
  EXPECT_EQ(endX(document, 0), 1);
  document.redo();
  EXPECT_EQ(endX(document, 0), 5);
}

TEST(Document, ANewChangeDropsTheRedoHistory) {
  Document document;
  document.addEntity(kModel, lineTo(1));
  document.undo();
  document.addEntity(kModel, lineTo(2));
  EXPECT_FALSE(document.canRedo());
}

TEST(Document, AGroupIsOneStepAndListenersHearOnce) {
  Document document;
  int heard = 0;
  document.addListener([&] { ++heard; });
  {
    Document::UndoGroup outer(document);
    document.addEntity(kModel, lineTo(1));
    {
      Document::UndoGroup inner(document);
      document.replaceEntity({kModel, 0}, lineTo(2));
      document.setCurrentUcs(Ucs{"", geom::Frame::fromDirections({1, 2, 3}, {0, 1, 0}, {1, 0, 0})});
    }
    EXPECT_EQ(heard, 0);
  }
  EXPECT_EQ(heard, 1);
  document.undo();
  EXPECT_EQ(heard, 2);
  EXPECT_TRUE(document.blocks()[kModel].entities.empty());
  EXPECT_EQ(document.currentUcs(), Ucs{});
  EXPECT_FALSE(document.canUndo());
}

TEST(Document, AStepIsNamedByItsOutermostGroupAndNothingIsUndoneWhileOneIsOpen) {
  Document document;
  {
    Document::UndoGroup insert(document, "Insert");
    Document::UndoGroup call(document, "AddLine");
    document.addEntity(kModel, lineTo(1));
    EXPECT_FALSE(document.canUndo()) << "the command is still running";
  }
  document.addEntity(kModel, lineTo(2));  // a lone change names no step
  EXPECT_EQ(document.undoName(), "");
  document.undo();
  EXPECT_EQ(document.undoName(), "Insert");
  EXPECT_EQ(document.redoName(), "");
  document.undo();
  EXPECT_EQ(document.redoName(), "Insert");
  // A group that changed nothing leaves no step, and its name goes with it.
  { Document::UndoGroup nothing(document, "Pick"); }
  document.redo();
  EXPECT_EQ(document.undoName(), "Insert");
}

TEST(Document, ShowingChangesOfAnOpenGroupTellsListenersBeforeItEnds) {
  Document document;
  int heard = 0;
  document.addListener([&] { ++heard; });
  {
    Document::UndoGroup line(document, "LINE");
    document.addEntity(kModel, lineTo(1));
    line.showChanges();
    EXPECT_EQ(heard, 1);
    line.showChanges();
    EXPECT_EQ(heard, 1) << "nothing new to hear";
  }
  document.undo();
  EXPECT_TRUE(document.blocks()[kModel].entities.empty());
}

// What a program prepares in a drawing it starts on belongs to the drawing as opened.
TEST(Document, RestartingTheHistoryKeepsTheDrawingAndItsModifiedState) {
  for (const bool modified : {false, true}) {
    Document document;
    document.addEntity(kModel, lineTo(1));
    document.restartHistory(modified);
    EXPECT_EQ(document.modified(), modified);
    EXPECT_FALSE(document.canUndo());
    EXPECT_EQ(document.blocks()[kModel].entities.size(), 1u);
  }
}

TEST(Document, RemovedListenersHearNothing) {
  Document document;
  int heard = 0;
  const auto id = document.addListener([&] { ++heard; });
  document.addEntity(kModel, lineTo(1));
  document.removeListener(id);
  document.addEntity(kModel, lineTo(2));
  EXPECT_EQ(heard, 1);
}

TEST(Document, HistoryPauseRecordsNothingAndNotifiesOnce) {
  Document document;
  int heard = 0;
  document.addListener([&] { ++heard; });
  {
    Document::HistoryPause loading(document);
    for (int i = 0; i < 100; ++i) document.addEntity(kModel, lineTo(i));
  }
  EXPECT_EQ(heard, 1);
  EXPECT_FALSE(document.canUndo());
  EXPECT_EQ(document.blocks()[kModel].entities.size(), 100u);
}

// The saved mark: where the history stands when the drawing was saved. Each case makes
// changes ('+'), undoes ('u'), redoes ('r') or saves ('s'), then looks at the modified state.
struct SavedMarkCase {
  const char* name;
  const char* actions;
  bool modified;
};

class SavedMark : public testing::TestWithParam<SavedMarkCase> {};

TEST_P(SavedMark, ModifiedUnlessTheHistoryStandsWhereItWasSaved) {
  Document document;
  double x = 1;
  for (const char* action = GetParam().actions; *action; ++action) {
    switch (*action) {
      case '+':
        document.addEntity(kModel, lineTo(x++));
        break;
      case 'u':
        document.undo();
        break;
      case 'r':
        document.redo();
        break;
      case 's':
        document.markSaved();
        break;
    }
  }
  EXPECT_EQ(document.modified(), GetParam().modified);
}

INSTANTIATE_TEST_SUITE_P(
    Document, SavedMark,
    testing::Values(SavedMarkCase{"New", "", false}, SavedMarkCase{"Edited", "+", true},
                    SavedMarkCase{"Saved", "+s", false},
                    SavedMarkCase{"UndoneToTheSavedState", "++s+u", false},
                    SavedMarkCase{"UndoneThenRedoneToTheSavedState", "+s+uur", false},
                    SavedMarkCase{"UndoneBeforeTheSave", "+su", true},
                    SavedMarkCase{"UndoneToTheStartOfANewDrawing", "++uu", false},
                    SavedMarkCase{"RedonePastTheSave", "++suur", true},
                    // A new change after undoing past the mark is a new branch: the saved state
                    // cannot come back.
                    SavedMarkCase{"NewBranchAfterUndoingPastTheSave", "++su+u", true},
                    SavedMarkCase{"NewBranchThenUndoneToTheStart", "+su+uu", true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Document, ListenersHearWhenTheSavedMarkChangesTheModifiedState) {
  Document document;
  document.addEntity(kModel, lineTo(1));
  int heard = 0;
  document.addListener([&] { ++heard; });
  document.markSaved();
  EXPECT_EQ(heard, 1);
  document.markSaved();
  EXPECT_EQ(heard, 1);
}

TEST(Document, AnOpenGroupIsAnUnsavedChange) {
  Document document;
  Document::UndoGroup group(document);
  document.addEntity(kModel, lineTo(1));
  EXPECT_TRUE(document.modified());
}

TEST(Document, ALoadedDrawingIsModifiedUntilMarkedSaved) {
  Document document;
  {
    Document::HistoryPause loading(document);
    document.addEntity(kModel, lineTo(1));
  }
  EXPECT_TRUE(document.modified());
  document.markSaved();
  EXPECT_FALSE(document.modified());
}

TEST(Document, RefusedEntitiesLeaveTheDrawingAsItWas) {
  Document document;
  int heard = 0;
  document.addListener([&] { ++heard; });
  Text flat;
  flat.height = 0;
  EXPECT_THROW(document.addEntity(kModel, flat), InvalidInput);
  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_THROW(document.addEntity(kModel, Line{{nan, 0, 0}, {1, 0, 0}}), InvalidInput);
  BlockReference squashed{document.addBlock("B", {0, 0, 0}), Eigen::Affine3d::Identity()};
  squashed.placement.linear()(1, 1) = 0;
  EXPECT_THROW(document.addEntity(kModel, squashed), InvalidInput);
  EXPECT_THROW(document.addEntity(kModel, BlockReference{kModel, Eigen::Affine3d::Identity()}),
               InvalidInput);
  EXPECT_THROW(document.addEntity(kModel, lineTo(1), 7), InvalidInput);
  EXPECT_TRUE(document.blocks()[kModel].entities.empty());
  EXPECT_EQ(heard, 1);  // the block only
  document.undo();
  EXPECT_FALSE(document.canUndo());
}

TEST(Document, TableNamesMatchWithoutRegardToCase) {
  Document document;
  const BlockIndex arrow = document.addBlock("ArrowX1", {0, 0, 0});
  EXPECT_EQ(document.addBlock("ARROWX1", {5, 5, 5}), arrow);
  EXPECT_EQ(document.blocks()[arrow].name, "ArrowX1");
  EXPECT_EQ(document.blocks()[arrow].basePoint, Eigen::Vector3d::Zero());
  EXPECT_EQ(document.blocks().find("arrowx1"), arrow);
  const StyleIndex mono = document.addTextStyle("mono25");
  EXPECT_EQ(document.addTextStyle("MONO25"), mono);
  const LayerIndex survey = document.addLayer(Layer{"Survey", 3});
  EXPECT_EQ(document.addLayer(Layer{"SURVEY", 1}), survey);
  EXPECT_EQ(document.layers()[1].colour, 3);
}

TEST(Document, RedefiningANamedUcsKeepsItsPlaceAndFirstName) {
  Document document;
  const auto frameA = geom::Frame::fromDirections({1, 0, 0}, {1, 0, 0}, {0, 1, 0});
  const auto frameB = geom::Frame::fromDirections({2, 0, 0}, {0, 1, 0}, {0, 0, 1});
  EXPECT_EQ(document.defineUcs("Site", frameA), 0u);
  EXPECT_EQ(document.defineUcs("Other", frameA), 1u);
  EXPECT_EQ(document.defineUcs("SITE", frameB), 0u);
  EXPECT_EQ(document.ucsTable()[0], (Ucs{"Site", frameB}));
  document.undo();
  EXPECT_EQ(document.ucsTable()[0].frame, frameA);
}

TEST(Document, DeletingTheCurrentNamedUcsLeavesItCurrentButUnnamed) {
  Document document;
  const auto frame = geom::Frame::fromDirections({1, 2, 3}, {0, 1, 0}, {-1, 0, 0});
  document.defineUcs("Site", frame);
  document.setCurrentUcs(Ucs{"Site", frame});
  document.deleteUcs("site");
  EXPECT_EQ(document.ucsTable().size(), 0u);
  EXPECT_EQ(document.currentUcs(), (Ucs{"", frame}));
  document.undo();  // one step restores both
  EXPECT_EQ(document.currentUcs().name, "Site");
  EXPECT_EQ(document.ucsTable().size(), 1u);
}

TEST(Document, HeaderRefusesPrecisionOutOfRange) {
  Document document;
  HeaderVariables header;
  header.luprec = 9;
  EXPECT_THROW(document.setHeader(header), InvalidInput);
  header.luprec = -1;
  EXPECT_THROW(document.setHeader(header), InvalidInput);
  header.luprec = 8;
  document.setHeader(header);
  EXPECT_EQ(document.header().luprec, 8);
  header.elevation = std::numeric_limits<double>::infinity();
  EXPECT_THROW(document.setHeader(header), InvalidInput);
}

}  // namespace
}  // namespace host::model
