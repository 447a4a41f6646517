#include "check/window/check_results.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QScrollArea>
#include <QTableView>
#include <QVBoxLayout>

#include "check/window/page_picture_view.h"
#include "check/window/pair_columns.h"
#include "check/window/pair_table_model.h"
#include "check/window/point_list_model.h"
#include "check/window/results_proxy.h"
#include "check/window/shot_table_model.h"
#include "check/window/summary_view.h"

namespace check {
namespace {

// The picture's tab follows the unmatched points' so that the pages keep their places; a check
// shows one of them, either beside the summary.
enum Page { Pairs, Summary, Unmatched, Picture };

// A table over a sorting proxy, its models shown through showModel().
QTableView* resultsTable(const char* name, QWidget* parent) {
  auto* table = new QTableView(parent);
  table->setObjectName(name);
  table->setModel(new ResultsProxy(table));
  table->setSelectionBehavior(QAbstractItemView::SelectRows);
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->verticalHeader()->hide();
  table->horizontalHeader()->setStretchLastSection(true);
  // The file's order first; a click on a header sorts by that column.
  table->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
  table->setSortingEnabled(true);
  return table;
}

ResultsProxy* proxyOf(QTableView* table) {
  return static_cast<ResultsProxy*>(table->model());
}

// A table shows a new model in the order its user last chose.
void showModel(QTableView* table, QAbstractItemModel* model) {
  ResultsProxy* proxy = proxyOf(table);
  QAbstractItemModel* old = proxy->sourceModel();
  proxy->setSourceModel(model);
  if (old != nullptr) old->deleteLater();
  const QHeaderView* header = table->horizontalHeader();
  proxy->sort(header->sortIndicatorSection(), header->sortIndicatorOrder());
}

void addSkipped(QListWidget* list, const survey::PointFile& file) {
  for (const std::string& line : file.skipped) list->addItem(QString::fromStdString(line));
  if (file.skippedCount > file.skipped.size()) {
    list->addItem(QString("%1: and %2 more")
                      .arg(QString::fromStdString(file.name))
                      .arg(file.skippedCount - file.skipped.size()));
  }
}

}  // namespace

CheckResults::CheckResults(QWidget* parent) : QTabWidget(parent) {
  addTab(pairsPage(), "Pairs");
  summary_ = new SummaryView(this);
  // The histograms side by side are wider than a small screen: they scroll instead of widening
  // the window.
  auto* summaryArea = new QScrollArea(this);
  summaryArea->setWidget(summary_);
  summaryArea->setWidgetResizable(true);
  summaryArea->setFrameShape(QFrame::NoFrame);
  addTab(summaryArea, "Summary");
  addTab(unmatchedPage(), "Unmatched");
  picture_ = new PagePictureView(this);
  addTab(picture_, "Picture");
  setTabVisible(Picture, false);
  setEnabled(false);
}

QWidget* CheckResults::pairsPage() {
  auto* page = new QWidget(this);
  failuresOnly_ = new QCheckBox("Failures only", page);
  failuresOnly_->setObjectName("failuresOnly");
  shotCounts_ = new QLabel(page);
  shotCounts_->setObjectName("shotCounts");
  shotCounts_->hide();
  pairs_ = resultsTable("pairs", page);
  pairs_->setToolTip("Double-click a pair to show it in the drawing");
  pairOrder_ = proxyOf(pairs_);
  pairIds_ = new FrozenFirstColumn(pairs_);
  auto* top = new QHBoxLayout;
  top->addWidget(failuresOnly_);
  top->addWidget(shotCounts_);
  top->addStretch();
  auto* layout = new QVBoxLayout(page);
  layout->addLayout(top);
  layout->addWidget(pairs_);
  connect(failuresOnly_, &QCheckBox::toggled, pairOrder_, &ResultsProxy::setFailuresOnly);
  connect(pairs_, &QTableView::doubleClicked, this, &CheckResults::activate);
  return page;
}

QWidget* CheckResults::unmatchedPage() {
  auto* page = new QWidget(this);
  neverSurveyed_ = resultsTable("neverSurveyed", page);
  noDesign_ = resultsTable("noDesign", page);
  skipped_ = new QListWidget(page);
  skipped_->setObjectName("skipped");
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(new QLabel("Design points never surveyed:", page));
  layout->addWidget(neverSurveyed_);
  layout->addWidget(new QLabel("Survey points without a design point:", page));
  layout->addWidget(noDesign_);
  layout->addWidget(new QLabel("Lines skipped:", page));
  layout->addWidget(skipped_);
  return page;
}

void CheckResults::showRun(std::shared_ptr<const CheckRun> run) {
  run_ = std::move(run);
  showModel(pairs_, new PairTableModel(run_, this));
  showVerdictBeforeCoordinates(*pairs_->horizontalHeader());
  pairIds_->showFirstColumnOnly();
  summary_->showReport(run_->report());
  showModel(neverSurveyed_, new PointListModel(run_, PointListModel::Side::Design, this));
  showModel(noDesign_, new PointListModel(run_, PointListModel::Side::Survey, this));
  skipped_->clear();
  addSkipped(skipped_, run_->design);
  addSkipped(skipped_, run_->survey);

  const survey::Pairing& pairing = run_->pairing;
  setTabText(Pairs, QString("Pairs (%1)").arg(pairing.pairs.size()));
  setTabText(Unmatched, QString("Unmatched (%1 + %2)")
                            .arg(pairing.unmatchedDesign.size())
                            .arg(pairing.unmatchedSurvey.size()));
  setTabVisible(Picture, false);
  setTabVisible(Unmatched, true);
  shotCounts_->hide();
  setEnabled(true);
}

void CheckResults::showShots(std::shared_ptr<const ShotCheck> shots) {
  run_.reset();
  showModel(pairs_, new ShotTableModel(shots, this));
  pairIds_->showFirstColumnOnly();
  summary_->showReport(shots->report(), shots->counts());
  setTabText(Pairs, QString("Shots (%1)").arg(shots->rowCount()));
  picture_->showPicture(*shots);
  setTabText(Picture, shots->pictureCaption());
  setTabVisible(Picture, true);
  setTabVisible(Unmatched, false);
  shotCounts_->setText(shots->counts());
  shotCounts_->show();
  setEnabled(true);
}

void CheckResults::activate(const QModelIndex& index) {
  const QModelIndex source = pairOrder_->mapToSource(index);
  if (!source.isValid() || !run_) return;
  const survey::Pair& pair = run_->pairing.pairs[static_cast<std::size_t>(source.row())];
  emit pairActivated(run_->design.points[pair.design], pair.survey.point);
}

}  // namespace check
