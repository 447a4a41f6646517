#include <gtest/gtest.h>

#include <fstream>

#include <QImage>
#include <QTableView>
#include <QTemporaryDir>

#include "host/view-core/drawing_text.h"
#include "host/view/layer_table_model.h"
#include "host/view/qt_canvas.h"
#include "host/view/window_fixture.h"

namespace host::view {
namespace {

// Walls is red and holds a line; Kerbs is off.
const std::vector<std::string> kLayers = {"0 LAYER|2 Walls|70 0|62 1",
                                          "0 LAYER|2 Kerbs|70 0|62 -3"};
const std::vector<std::string> kEntities = {
    "0 LINE|8 Walls|10 512300|20 6712300|11 512400|21 6712300",
    "0 LINE|8 Kerbs|10 512300|20 6712360|11 512400|21 6712360",
    "0 LINE|8 0|10 512300|20 6712300|11 512300|21 6712360"};  // keeps both in the extents

class LayersPanelTest : public WindowFixture {
 protected:
  void SetUp() override {
    WindowFixture::SetUp();
    ASSERT_TRUE(folder.isValid());
    const std::string path = folder.filePath("site.dxf").toStdString();
    std::ofstream(path) << DrawingText{{}, {}, kLayers, {}, kEntities}.text();
    type("open " + QString::fromStdString(path));
    opened = window->activeView();
    panel = window->layersPanel();
    layers = panel->layerModel();
  }

  int row(const std::string& name) const {
    return static_cast<int>(*opened->document()->layers().find(name));
  }
  QModelIndex cell(const std::string& name, LayerTableModel::Column column) const {
    return layers->index(row(name), column);
  }
  void tick(const std::string& name, LayerTableModel::Column column, bool ticked) {
    layers->setData(cell(name, column), ticked ? Qt::Checked : Qt::Unchecked, Qt::CheckStateRole);
  }
  bool inkAt(double x, double y) const {
    const QImage image = opened->grab().toImage();
    const QPoint where = opened->widgetPosition({x, y, 0});
    for (int dy = -1; dy <= 1; ++dy) {
      if (image.pixelColor(where + QPoint(0, dy)) != QtCanvas::background()) return true;
    }
    return false;
  }
  QString lastHistoryLine() const { return window->commandLine()->history().split('\n').last(); }

  QTemporaryDir folder;
  DrawingView* opened = nullptr;
  LayersPanel* panel = nullptr;
  LayerTableModel* layers = nullptr;
};

TEST_F(LayersPanelTest, ListsTheActiveDrawingsLayersWithTheirState) {
  ASSERT_EQ(layers->rowCount(), 3);
  EXPECT_EQ(layers->data(cell("Walls", LayerTableModel::Name), Qt::DisplayRole).toString(),
            "Walls");
  EXPECT_EQ(layers->data(cell("Walls", LayerTableModel::Colour), Qt::DisplayRole).toString(),
            "red");
  EXPECT_EQ(layers->data(cell("Kerbs", LayerTableModel::On), Qt::CheckStateRole).toInt(),
            Qt::Unchecked);
  EXPECT_EQ(layers->data(cell("0", LayerTableModel::Current), Qt::DisplayRole).toString(),
            "\u2713");
  // The other tab's drawing has its own layers.
  type("close");
  EXPECT_EQ(layers->rowCount(),
            static_cast<int>(window->activeView()->document()->layers().size()));
}

TEST_F(LayersPanelTest, TurningALayerOffHidesItsEntitiesAsOneUndoStep) {
  EXPECT_TRUE(inkAt(512350, 6712300));
  EXPECT_FALSE(inkAt(512350, 6712360));
  tick("Walls", LayerTableModel::On, false);
  tick("Kerbs", LayerTableModel::On, true);
  EXPECT_FALSE(inkAt(512350, 6712300));
  EXPECT_TRUE(inkAt(512350, 6712360));
  type("u");
  EXPECT_EQ(lastHistoryLine(), "Undo LAYER");
  EXPECT_EQ(layers->data(cell("Kerbs", LayerTableModel::On), Qt::CheckStateRole).toInt(),
            Qt::Unchecked);
  EXPECT_FALSE(inkAt(512350, 6712360));
  EXPECT_FALSE(inkAt(512350, 6712300));
  EXPECT_TRUE(opened->document()->modified());
}

TEST_F(LayersPanelTest, DoubleClickingANameMakesItCurrentAndNewEntitiesGoOnIt) {
  QTableView* table = panel->table();
  const QRect name = table->visualRect(cell("Walls", LayerTableModel::Name));
  QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, name.center());
  QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, name.center());
  EXPECT_EQ(opened->document()->header().currentLayer,
            static_cast<model::LayerIndex>(row("Walls")));
  type("line 0,0,0 1,1,0");
  const auto& entities = opened->document()->blocks()[model::BlockTable::kModelSpace].entities;
  EXPECT_EQ(entities.back().layer, static_cast<model::LayerIndex>(row("Walls")));
}

TEST_F(LayersPanelTest, RefusedChangesAreSaidAndChangeNothing) {
  struct Case {
    const char* what;
    std::function<void()> change;
    QString said;
  };
  const Case cases[] = {
      {"freezing the current layer", [&] { tick("0", LayerTableModel::Frozen, true); },
       "The current layer cannot be frozen."},
      {"a colour out of range",
       [&] { layers->setData(cell("Walls", LayerTableModel::Colour), 256, Qt::EditRole); },
       "A layer's colour is an index from 1 to 255."},
      {"making a frozen layer current",
       [&] {
         tick("Kerbs", LayerTableModel::Frozen, true);
         layers->makeCurrent(row("Kerbs"));
       },
       "A frozen layer cannot be made current."},
  };
  for (const Case& c : cases) {
    const model::LayerIndex current = opened->document()->header().currentLayer;
    const model::Layer walls = opened->document()->layers()[row("Walls")];
    c.change();
    EXPECT_EQ(lastHistoryLine(), c.said) << c.what;
    EXPECT_EQ(opened->document()->header().currentLayer, current) << c.what;
    EXPECT_EQ(opened->document()->layers()[row("Walls")], walls) << c.what;
  }
}

TEST_F(LayersPanelTest, TheLayerCommandShowsThePanelAndAWaitingRequestLocksIt) {
  panel->hide();
  type("la");
  EXPECT_TRUE(panel->isVisible());
  const auto answered = getPoint([&] {
    EXPECT_FALSE(panel->widget()->isEnabled());
    QTest::keyClick(view, Qt::Key_Escape);
  });
  EXPECT_FALSE(answered.has_value());
  EXPECT_TRUE(panel->widget()->isEnabled());
}

}  // namespace
}  // namespace host::view
