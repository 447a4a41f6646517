#pragma once

#include <memory>

#include <QAbstractTableModel>

#include "host/model/document.h"

namespace host::view {

// A drawing's layers as the Layers panel lists them, one row per layer in the order they were
// made: whether it is current, its name, on, frozen, locked and colour. Ticking a box or typing
// a colour changes the layer as one undo step ("LAYER"); a change the drawing refuses (freezing
// the current layer) is reported through `refused`. Rows follow the drawing as it changes,
// undo included.
class LayerTableModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  enum Column { Current, Name, On, Frozen, Locked, Colour, ColumnCount };

  explicit LayerTableModel(QObject* parent = nullptr);
  ~LayerTableModel() override;

  // The drawing listed; none shows no rows.
  void showDocument(std::shared_ptr<model::Document> document);
  // Makes a row's layer current, as double-clicking it does.
  void makeCurrent(int row);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;

 signals:
  void refused(const QString& reason);

 private:
  std::shared_ptr<model::Document> document_;
  model::Document::ListenerId listener_ = 0;
  int rows_ = 0;

  void stopListening();
  void drawingChanged();
  bool report(const std::optional<std::string>& refusal);
};

}  // namespace host::view
