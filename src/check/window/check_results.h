#pragma once

#include <QTabWidget>
#include <memory>

#include "check/check_run.h"
#include "check/window/shot_check.h"

class QCheckBox;
class QLabel;
class QListWidget;
class QTableView;

namespace check {

class FrozenFirstColumn;
class PagePictureView;
class ResultsProxy;
class SummaryView;

// The results of a check: the pairs (sortable, failures in red, failures only on request), the
// summary with the statistics, the picture of a check against a surface or along an alignment,
// and the points left unmatched and the lines skipped.
class CheckResults : public QTabWidget {
  Q_OBJECT

 public:
  explicit CheckResults(QWidget* parent);

  void showRun(std::shared_ptr<const CheckRun> run);
  // The shots of a check against a surface or along an alignment, in the pairs' place; such a
  // check leaves nothing unmatched.
  void showShots(std::shared_ptr<const ShotCheck> shots);

 signals:
  // A pair was double-clicked: its design point and survey point, in world coordinates.
  void pairActivated(const survey::Point& design, const survey::Point& surveyed);

 private:
  QWidget* pairsPage();
  QWidget* unmatchedPage();
  void activate(const QModelIndex& index);

  std::shared_ptr<const CheckRun> run_;
  QCheckBox* failuresOnly_ = nullptr;
  QLabel* shotCounts_ = nullptr;
  QTableView* pairs_ = nullptr;
  FrozenFirstColumn* pairIds_ = nullptr;
  ResultsProxy* pairOrder_ = nullptr;
  SummaryView* summary_ = nullptr;
  PagePictureView* picture_ = nullptr;
  QTableView* neverSurveyed_ = nullptr;
  QTableView* noDesign_ = nullptr;
  QListWidget* skipped_ = nullptr;
};

}  // namespace check
