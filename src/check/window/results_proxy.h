#pragma once

#include <QSortFilterProxyModel>
#include <vector>

namespace check {

// The value a results table sorts a cell by: a double for numbers, the text otherwise; none for
// an empty cell.
inline constexpr int kSortRole = Qt::UserRole;
// True on the rows of pairs outside tolerance.
inline constexpr int kFailedRole = Qt::UserRole + 1;

// Sorts a results table as a surveyor reads it: numbers as numbers, ids with their digits as
// numbers (P2 before P10), empty cells first; and shows only the failures when asked.
class ResultsProxy : public QSortFilterProxyModel {
 public:
  explicit ResultsProxy(QObject* parent);

  void setFailuresOnly(bool failuresOnly);
  void setSourceModel(QAbstractItemModel* model) override;

 protected:
  bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;
  bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

 private:
  struct SortKey {
    QVariant value;
    bool number = false;
  };
  const std::vector<SortKey>& keysOf(int column) const;

  bool failuresOnly_ = false;
  // The sort values of one column, asked of the model once per sort instead of twice per
  // comparison: a sort of 100k pairs takes a fraction of the time.
  mutable std::vector<SortKey> keys_;
  mutable int keysColumn_ = -1;
};

}  // namespace check
