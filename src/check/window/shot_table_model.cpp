#include "check/window/shot_table_model.h"

#include <QBrush>

#include "check/window/results_proxy.h"

namespace check {

ShotTableModel::ShotTableModel(std::shared_ptr<const ShotCheck> check, QObject* parent)
    : QAbstractTableModel(parent), check_(std::move(check)), headers_(check_->headers()) {}

int ShotTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(check_->rowCount());
}

int ShotTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(headers_.size());
}

QVariant ShotTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const auto row = static_cast<std::size_t>(index.row());
  const bool failed = check_->failed(row);
  if (role == kFailedRole) return failed;
  if (role == Qt::ForegroundRole) return failed ? QVariant(QBrush(Qt::red)) : QVariant();
  if (role != Qt::DisplayRole && role != kSortRole && role != Qt::TextAlignmentRole) return {};
  const ShotCell cell = check_->cell(row, static_cast<std::size_t>(index.column()));
  if (role == Qt::TextAlignmentRole) {
    return QVariant(cell.number ? Qt::AlignRight | Qt::AlignVCenter
                                : Qt::AlignLeft | Qt::AlignVCenter);
  }
  if (role == kSortRole && cell.number) return *cell.number;
  if (cell.text.isEmpty()) return {};
  return cell.text;
}

QVariant ShotTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
      section >= columnCount()) {
    return QAbstractTableModel::headerData(section, orientation, role);
  }
  return headers_[static_cast<std::size_t>(section)];
}

}  // namespace check
