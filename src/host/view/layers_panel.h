#pragma once

#include <memory>

#include <QDockWidget>

#include "host/model/document.h"

class QTableView;

namespace host::view {

class LayerTableModel;

// The Layers panel beside the drawing: the active drawing's layers with their state and colour,
// each changed in place. Double-clicking a layer's name makes it current.
class LayersPanel : public QDockWidget {
  Q_OBJECT

 public:
  explicit LayersPanel(QWidget* parent = nullptr);

  // The drawing whose layers are listed; none lists nothing.
  void showDocument(std::shared_ptr<model::Document> document);
  LayerTableModel* layerModel() const { return model_; }
  QTableView* table() const { return table_; }

 signals:
  // A change the drawing refused, with the reason.
  void refused(const QString& reason);

 private:
  LayerTableModel* model_;
  QTableView* table_;
};

}  // namespace host::view
