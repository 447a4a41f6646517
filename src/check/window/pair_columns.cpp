#include "check/window/pair_columns.h"

#include <QEvent>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableView>
#include <vector>

namespace check {
namespace {

bool isCoordinateColumn(const QString& heading) {
  return heading.startsWith("Design ") || heading.startsWith("Survey ") || heading == "Shots";
}

}  // namespace

void showVerdictBeforeCoordinates(QHeaderView& header) {
  const QAbstractItemModel* model = header.model();
  if (model == nullptr) return;
  std::vector<int> verdict;
  std::vector<int> coordinates;
  for (int column = 0; column < model->columnCount(); ++column) {
    const QString heading = model->headerData(column, Qt::Horizontal).toString();
    (column > 0 && isCoordinateColumn(heading) ? coordinates : verdict).push_back(column);
  }
  verdict.insert(verdict.end(), coordinates.begin(), coordinates.end());
  for (int visual = 0; visual < static_cast<int>(verdict.size()); ++visual) {
    const int logical = verdict[static_cast<std::size_t>(visual)];
    header.moveSection(header.visualIndex(logical), visual);
  }
}

FrozenFirstColumn::FrozenFirstColumn(QTableView* table)
    : QObject(table), table_(table), frozen_(new QTableView(table)) {
  frozen_->setObjectName(table->objectName() + "FirstColumn");
  frozen_->setFocusPolicy(Qt::NoFocus);
  frozen_->verticalHeader()->hide();
  frozen_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  frozen_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  frozen_->setSelectionBehavior(table->selectionBehavior());
  frozen_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  frozen_->setStyleSheet("QTableView { border: none; }");
  frozen_->setVerticalScrollMode(table->verticalScrollMode());
  frozen_->setModel(table->model());
  frozen_->setSelectionModel(table->selectionModel());
  frozen_->setSortingEnabled(true);
  frozen_->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);

  // Scrolled together, sized together, sorted together, activated as the table is.
  connect(frozen_->verticalScrollBar(), &QScrollBar::valueChanged, table->verticalScrollBar(),
          &QScrollBar::setValue);
  connect(table->verticalScrollBar(), &QScrollBar::valueChanged, frozen_->verticalScrollBar(),
          &QScrollBar::setValue);
  connect(table->horizontalHeader(), &QHeaderView::sectionResized, this,
          [this](int logical, int, int size) {
            if (logical != 0) return;
            frozen_->setColumnWidth(0, size);
            place();
          });
  connect(table->verticalHeader(), &QHeaderView::sectionResized, frozen_,
          [this](int row, int, int size) { frozen_->setRowHeight(row, size); });
  connect(frozen_->horizontalHeader(), &QHeaderView::sortIndicatorChanged,
          table->horizontalHeader(), &QHeaderView::setSortIndicator);
  connect(table->horizontalHeader(), &QHeaderView::sortIndicatorChanged,
          frozen_->horizontalHeader(), [this](int section, Qt::SortOrder order) {
            frozen_->horizontalHeader()->blockSignals(true);
            frozen_->horizontalHeader()->setSortIndicator(section, order);
            frozen_->horizontalHeader()->blockSignals(false);
          });
  connect(frozen_, &QTableView::doubleClicked, table, &QTableView::doubleClicked);
  table->viewport()->stackUnder(frozen_);
  table->installEventFilter(this);
  showFirstColumnOnly();
}

void FrozenFirstColumn::showFirstColumnOnly() {
  const QAbstractItemModel* model = frozen_->model();
  const int columns = model != nullptr ? model->columnCount() : 0;
  for (int column = 1; column < columns; ++column) frozen_->setColumnHidden(column, true);
  frozen_->setColumnWidth(0, table_->columnWidth(0));
  frozen_->setVisible(columns > 0);
  place();
}

bool FrozenFirstColumn::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Resize || event->type() == QEvent::Show) place();
  return QObject::eventFilter(watched, event);
}

void FrozenFirstColumn::place() {
  frozen_->setGeometry(table_->verticalHeader()->width() + table_->frameWidth(),
                       table_->frameWidth(), table_->columnWidth(0),
                       table_->viewport()->height() + table_->horizontalHeader()->height());
  frozen_->verticalScrollBar()->setValue(table_->verticalScrollBar()->value());
}

}  // namespace check
