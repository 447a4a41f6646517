#pragma once

#include <QAbstractTableModel>
#include <memory>

#include "check/check_run.h"

namespace check {

// The points a check left unmatched, on one side: design points never surveyed (id, x, y, z,
// line) or survey points without a design point (id, x, y, z, shots).
class PointListModel : public QAbstractTableModel {
 public:
  enum class Side { Design, Survey };

  PointListModel(std::shared_ptr<const CheckRun> run, Side side, QObject* parent);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  const survey::Point& pointAt(std::size_t row) const;

  std::shared_ptr<const CheckRun> run_;
  CheckReport report_;
  Side side_;
};

}  // namespace check
