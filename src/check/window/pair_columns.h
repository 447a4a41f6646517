#pragma once

#include <QObject>

class QHeaderView;
class QTableView;

namespace check {

// Orders the pair table's columns as the user reads them: the id, what tells the pair's verdict
// (code, the deviations, the status), then the coordinates and the shots. Only the order shown
// changes; the model's columns stay as they are. The coordinate columns are known by their
// headings ("Design x", "Survey z", "Shots").
void showVerdictBeforeCoordinates(QHeaderView& header);

// Keeps a table's first column in sight while the table scrolls sideways: a second view of the
// same rows, showing only that column, lies over the table's left edge and scrolls up and down
// with it, shares its selection, and sorts it on a click of its header.
class FrozenFirstColumn : public QObject {
 public:
  explicit FrozenFirstColumn(QTableView* table);

  // To be called once the table's model has its columns: shows the first column only.
  void showFirstColumnOnly();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void place();

  QTableView* table_;
  QTableView* frozen_;
};

}  // namespace check
