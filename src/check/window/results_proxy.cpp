#include "check/window/results_proxy.h"

#include <QStringView>

namespace check {
namespace {

// The run of digits, or of other characters, that starts at `from`.
QStringView runAt(const QString& text, qsizetype from) {
  const bool digits = text[from].isDigit();
  qsizetype end = from;
  while (end < text.size() && text[end].isDigit() == digits) ++end;
  return QStringView(text).mid(from, end - from);
}

QStringView withoutLeadingZeros(QStringView digits) {
  while (digits.size() > 1 && digits[0] == u'0') digits = digits.mid(1);
  return digits;
}

int compareRuns(QStringView x, QStringView y) {
  if (x[0].isDigit() && y[0].isDigit()) {
    const QStringView m = withoutLeadingZeros(x);
    const QStringView n = withoutLeadingZeros(y);
    if (m.size() != n.size()) return m.size() < n.size() ? -1 : 1;
    return m.compare(n);
  }
  const int order = x.compare(y, Qt::CaseInsensitive);
  return order != 0 ? order : x.compare(y);
}

// Texts as a surveyor orders ids: runs of digits as numbers of any length (P2 before P10),
// letters without regard to case first; texts equal so are told apart as they stand.
int compareTexts(const QString& a, const QString& b) {
  qsizetype i = 0;
  qsizetype j = 0;
  while (i < a.size() && j < b.size()) {
    const QStringView x = runAt(a, i);
    const QStringView y = runAt(b, j);
    if (const int order = compareRuns(x, y); order != 0) return order;
    i += x.size();
    j += y.size();
  }
  if (i < a.size() || j < b.size()) return i < a.size() ? 1 : -1;
  return a.compare(b);
}

}  // namespace

ResultsProxy::ResultsProxy(QObject* parent) : QSortFilterProxyModel(parent) {
  setSortRole(kSortRole);
}

void ResultsProxy::setFailuresOnly(bool failuresOnly) {
  failuresOnly_ = failuresOnly;
  invalidateRowsFilter();
}

void ResultsProxy::setSourceModel(QAbstractItemModel* model) {
  keys_.clear();
  keysColumn_ = -1;
  QSortFilterProxyModel::setSourceModel(model);
}

const std::vector<ResultsProxy::SortKey>& ResultsProxy::keysOf(int column) const {
  if (column != keysColumn_) {
    const int rows = sourceModel()->rowCount();
    keys_.assign(static_cast<std::size_t>(rows), {});
    for (int row = 0; row < rows; ++row) {
      SortKey& key = keys_[static_cast<std::size_t>(row)];
      key.value = sourceModel()->index(row, column).data(kSortRole);
      key.number = key.value.typeId() == QMetaType::Double;
    }
    keysColumn_ = column;
  }
  return keys_;
}

bool ResultsProxy::lessThan(const QModelIndex& left, const QModelIndex& right) const {
  const std::vector<SortKey>& keys = keysOf(left.column());
  const SortKey& a = keys[static_cast<std::size_t>(left.row())];
  const SortKey& b = keys[static_cast<std::size_t>(right.row())];
  if (!a.value.isValid() || !b.value.isValid()) return !a.value.isValid() && b.value.isValid();
  if (a.number && b.number) return a.value.toDouble() < b.value.toDouble();
  return compareTexts(a.value.toString(), b.value.toString()) < 0;
}

bool ResultsProxy::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const {
  if (!failuresOnly_) return true;
  return sourceModel()->index(sourceRow, 0, sourceParent).data(kFailedRole).toBool();
}

}  // namespace check
