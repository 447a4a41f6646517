#include "host/view/layer_table_model.h"

#include <array>

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPixmap>

#include "host/view-core/colour_palette.h"
#include "host/view-core/layer_changes.h"

namespace host::view {
namespace {

// The names CAD users know the first seven colours by.
QString colourName(int index) {
  static const std::array<const char*, 8> kNames = {"",     "red",  "yellow",  "green",
                                                    "cyan", "blue", "magenta", "white"};
  return index >= 1 && index <= 7 ? QString(kNames[static_cast<std::size_t>(index)])
                                  : QString::number(index);
}

// A square of the colour with a grey edge, so that white shows on a light list too.
QPixmap swatch(int index) {
  constexpr int kSide = 12;
  const Rgb rgb = indexColour(index);
  QPixmap square(kSide, kSide);
  square.fill(rgb == kForeground ? QColor(Qt::white) : QColor::fromRgb(rgb));
  QPainter edge(&square);
  edge.setPen(Qt::gray);
  edge.drawRect(0, 0, kSide - 1, kSide - 1);
  return square;
}

Qt::CheckState checkState(bool ticked) {
  return ticked ? Qt::Checked : Qt::Unchecked;
}

}  // namespace

LayerTableModel::LayerTableModel(QObject* parent) : QAbstractTableModel(parent) {}

LayerTableModel::~LayerTableModel() {
  stopListening();
}

void LayerTableModel::showDocument(std::shared_ptr<model::Document> document) {
  beginResetModel();
  stopListening();
  document_ = std::move(document);
  rows_ = document_ ? static_cast<int>(document_->layers().size()) : 0;
  if (document_) listener_ = document_->addListener([this] { drawingChanged(); });
  endResetModel();
}

void LayerTableModel::stopListening() {
  if (document_) document_->removeListener(listener_);
}

void LayerTableModel::drawingChanged() {
  const int rows = static_cast<int>(document_->layers().size());
  // Layers are only ever added at the end, or taken back from it by undo.
  if (rows > rows_) {
    beginInsertRows({}, rows_, rows - 1);
    rows_ = rows;
    endInsertRows();
  } else if (rows < rows_) {
    beginRemoveRows({}, rows, rows_ - 1);
    rows_ = rows;
    endRemoveRows();
  }
  if (rows_ > 0) emit dataChanged(index(0, 0), index(rows_ - 1, ColumnCount - 1));
}

int LayerTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : rows_;
}

int LayerTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : ColumnCount;
}

QVariant LayerTableModel::data(const QModelIndex& index, int role) const {
  if (!document_ || !index.isValid()) return {};
  const auto layerIndex = static_cast<model::LayerIndex>(index.row());
  const model::Layer& layer = document_->layers()[layerIndex];
  const bool current = document_->header().currentLayer == layerIndex;
  switch (index.column()) {
    case Current:
      if (role == Qt::DisplayRole) return current ? QString("\u2713") : QString();
      if (role == Qt::ToolTipRole) return current ? QString("The current layer") : QString();
      break;
    case Name:
      if (role == Qt::DisplayRole) return QString::fromStdString(layer.name);
      if (role == Qt::FontRole && current) {
        QFont bold;
        bold.setBold(true);
        return bold;
      }
      break;
    case On:
      if (role == Qt::CheckStateRole) return checkState(layer.on);
      break;
    case Frozen:
      if (role == Qt::CheckStateRole) return checkState(layer.frozen);
      break;
    case Locked:
      if (role == Qt::CheckStateRole) return checkState(layer.locked);
      break;
    case Colour:
      if (role == Qt::DisplayRole) return colourName(layer.colour);
      if (role == Qt::EditRole) return layer.colour;
      if (role == Qt::DecorationRole) return swatch(layer.colour);
      break;
    default:
      break;
  }
  return {};
}

QVariant LayerTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  static const std::array<const char*, ColumnCount> kTitles = {"Current", "Name", "On",
                                                               "Freeze",  "Lock", "Colour"};
  return section >= 0 && section < ColumnCount ? kTitles[static_cast<std::size_t>(section)]
                                               : QVariant();
}

Qt::ItemFlags LayerTableModel::flags(const QModelIndex& index) const {
  Qt::ItemFlags flags = QAbstractTableModel::flags(index);
  if (index.column() == On || index.column() == Frozen || index.column() == Locked) {
    flags |= Qt::ItemIsUserCheckable;
  } else if (index.column() == Colour) {
    flags |= Qt::ItemIsEditable;
  }
  return flags;
}

bool LayerTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (!document_ || !index.isValid()) return false;
  const auto layerIndex = static_cast<model::LayerIndex>(index.row());
  model::Layer wanted = document_->layers()[layerIndex];
  const bool ticked = value.toInt() == Qt::Checked;
  if (role == Qt::CheckStateRole && index.column() == On) {
    wanted.on = ticked;
  } else if (role == Qt::CheckStateRole && index.column() == Frozen) {
    wanted.frozen = ticked;
  } else if (role == Qt::CheckStateRole && index.column() == Locked) {
    wanted.locked = ticked;
  } else if (role == Qt::EditRole && index.column() == Colour) {
    bool number = false;
    wanted.colour = value.toInt(&number);
    if (!number) return report("A layer's colour is an index from 1 to 255.");
  } else {
    return false;
  }
  return report(changeLayer(*document_, layerIndex, wanted));
}

void LayerTableModel::makeCurrent(int row) {
  if (document_ && row >= 0 && row < rows_) {
    report(makeLayerCurrent(*document_, static_cast<model::LayerIndex>(row)));
  }
}

bool LayerTableModel::report(const std::optional<std::string>& refusal) {
  if (!refusal) return true;
  emit refused(QString::fromStdString(*refusal));
  return false;
}

}  // namespace host::view
