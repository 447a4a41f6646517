#pragma once

#include <QAbstractTableModel>
#include <memory>
#include <optional>

#include "check/check_run.h"

namespace check {

// The pairs of a check as rows: id, design x y z, survey x y z, shots, a column per component
// of the schema (dx, dy, dz, dH), status and code, the numbers written as the CSV report writes
// them, the failures in red.
class PairTableModel : public QAbstractTableModel {
 public:
  PairTableModel(std::shared_ptr<const CheckRun> run, QObject* parent);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  QVariant cell(int row, int column, int role) const;
  // The number in a cell, if the column holds one and the pair has it.
  std::optional<double> numberIn(std::size_t row, int column) const;
  int statusColumn() const;
  int codeColumn() const;

  std::shared_ptr<const CheckRun> run_;
  CheckReport report_;
};

}  // namespace check
