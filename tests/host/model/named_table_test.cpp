#include <gtest/gtest.h>

#include "host/model/document.h"
#include "host/model/named_table.h"

namespace host::model {
namespace {

// A name that counts how often a table looks at it.
struct CountedName {
  std::string text;
  static inline std::size_t looks = 0;
  operator std::string_view() const {
    ++looks;
    return text;
  }
};

struct Named {
  CountedName name;
};

class CountedTable : public NamedTable<Named, std::size_t> {
 public:
  CountedTable() : NamedTable({}) {}
};

// A table that compared a name with every record would look at names some fifty million
// times here.
TEST(NamedTable, FindsANameWithoutLookingAtEveryRecord) {
  constexpr std::size_t kRecords = 10000;
  CountedTable table;
  for (std::size_t i = 0; i < kRecords; ++i) table.add({{"Layer " + std::to_string(i)}});
  CountedName::looks = 0;
  for (std::size_t i = 0; i < kRecords; ++i) {
    ASSERT_EQ(table.find("LAYER " + std::to_string(i)), i);
  }
  EXPECT_EQ(table.find("Layer"), std::nullopt);
  EXPECT_LT(CountedName::looks, 2 * kRecords);
}

TEST(NamedTable, NamesAreFoundAfterEveryChangeAndItsUndo) {
  Document document;
  const LayerIndex walls = document.addLayer({"Walls", 1});
  document.setLayer(walls, {"Fences", 2});
  EXPECT_EQ(document.layers().find("fences"), walls);
  EXPECT_EQ(document.layers().find("walls"), std::nullopt);
  document.undo();
  EXPECT_EQ(document.layers().find("WALLS"), walls);
  EXPECT_EQ(document.layers().find("Fences"), std::nullopt);
  document.undo();
  EXPECT_EQ(document.layers().find("Walls"), std::nullopt);
  document.redo();
  EXPECT_EQ(document.layers().find("walls"), walls);

  const BlockIndex a = document.addBlock("A", Eigen::Vector3d::Zero());
  const BlockIndex padded = document.addBlock("A ", Eigen::Vector3d::Zero());
  EXPECT_NE(a, padded);
  EXPECT_EQ(document.blocks().find("a "), padded);
  document.undo();
  EXPECT_EQ(document.blocks().find("A "), std::nullopt);
  EXPECT_EQ(document.blocks().find("A"), a);

  document.defineUcs("Site", geom::Frame());
  document.defineUcs("Office", geom::Frame());
  document.deleteUcs("site");
  EXPECT_EQ(document.ucsTable().find("Office"), 0u);
  document.undo();
  EXPECT_EQ(document.ucsTable().find("SITE"), 0u);
  document.undo();
  EXPECT_EQ(document.ucsTable().find("Office"), std::nullopt);
}

}  // namespace
}  // namespace host::model
