#pragma once

#include <QAbstractTableModel>
#include <memory>
#include <vector>

#include "check/window/shot_check.h"

namespace check {

// The shots of a check against a surface or along an alignment as rows, with the columns of
// its CSV report (the differences headed as the check's components name them), the numbers
// written as the CSV writes them, the failures and the shots outside in red.
class ShotTableModel : public QAbstractTableModel {
 public:
  ShotTableModel(std::shared_ptr<const ShotCheck> check, QObject* parent);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  std::shared_ptr<const ShotCheck> check_;
  std::vector<QString> headers_;
};

}  // namespace check
