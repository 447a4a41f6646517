#include "host/view/layers_panel.h"

#include <algorithm>

#include <QHeaderView>
#include <QScrollBar>
#include <QSpinBox>
#include <QStyledItemDelegate>
#include <QTableView>

#include "host/view/layer_table_model.h"

namespace host::view {
namespace {

// Colours are typed as an index of the palette, 1 to 255.
class ColourIndexDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&,
                        const QModelIndex&) const override {
    auto* editor = new QSpinBox(parent);
    editor->setRange(1, 255);
    return editor;
  }
};

}  // namespace

LayersPanel::LayersPanel(QWidget* parent)
    : QDockWidget("Layers", parent), model_(new LayerTableModel(this)), table_(new QTableView) {
  setObjectName("layersPanel");
  table_->setObjectName("layers");
  table_->setModel(model_);
  table_->setItemDelegateForColumn(LayerTableModel::Colour, new ColourIndexDelegate(table_));
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
  table_->verticalHeader()->hide();
  table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  table_->setToolTip("Double-click a layer's name to make it current");
  setWidget(table_);

  connect(model_, &LayerTableModel::refused, this, &LayersPanel::refused);
  connect(table_, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
    if (index.column() == LayerTableModel::Current || index.column() == LayerTableModel::Name) {
      model_->makeCurrent(index.row());
    }
  });
}

void LayersPanel::showDocument(std::shared_ptr<model::Document> document) {
  model_->showDocument(std::move(document));
  // Wide enough for every column and the names, up to a point; longer names scroll.
  constexpr int kWidestPanel = 480;
  const int columns = table_->horizontalHeader()->length() + 2 * table_->frameWidth() +
                      table_->verticalScrollBar()->sizeHint().width();
  table_->setMinimumWidth(std::min(columns, kWidestPanel));
}

}  // namespace host::view
