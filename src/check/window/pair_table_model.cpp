#include "check/window/pair_table_model.h"

#include <QBrush>
#include <array>

#include "check/pair_code.h"
#include "check/window/results_proxy.h"

namespace check {
namespace {

// The columns before those of the components; the status follows them.
enum Column { Id, DesignX, DesignY, DesignZ, SurveyX, SurveyY, SurveyZ, Shots, kFirstComponent };

constexpr std::array<const char*, kFirstComponent> kHeaders{
    "Id", "Design x", "Design y", "Design z", "Survey x", "Survey y", "Survey z", "Shots"};

}  // namespace

std::optional<double> PairTableModel::numberIn(std::size_t row, int column) const {
  const survey::Pair& pair = run_->pairing.pairs[row];
  const survey::Point& design = run_->design.points[pair.design];
  const survey::Point& surveyed = pair.survey.point;
  switch (column) {
    case DesignX:
      return design.x;
    case DesignY:
      return design.y;
    case DesignZ:
      return design.z;
    case SurveyX:
      return surveyed.x;
    case SurveyY:
      return surveyed.y;
    case SurveyZ:
      return surveyed.z;
    default:
      break;
  }
  if (column < kFirstComponent || column >= statusColumn()) return std::nullopt;
  return run_->comparison.pairs[row].values[static_cast<std::size_t>(column - kFirstComponent)];
}

int PairTableModel::statusColumn() const {
  return kFirstComponent + static_cast<int>(run_->comparison.schema.size());
}

int PairTableModel::codeColumn() const {
  return statusColumn() + 1;
}

PairTableModel::PairTableModel(std::shared_ptr<const CheckRun> run, QObject* parent)
    : QAbstractTableModel(parent), run_(std::move(run)), report_(run_->report()) {}

int PairTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(run_->pairing.pairs.size());
}

int PairTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : codeColumn() + 1;
}

QVariant PairTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  return cell(index.row(), index.column(), role);
}

QVariant PairTableModel::cell(int row, int column, int role) const {
  const auto i = static_cast<std::size_t>(row);
  const survey::Pair& pair = run_->pairing.pairs[i];
  const survey::ComparedPair& compared = run_->comparison.pairs[i];
  const bool failed = !compared.failing.empty();
  if (role == kFailedRole) return failed;
  if (role == Qt::ForegroundRole) return failed ? QVariant(QBrush(Qt::red)) : QVariant();
  if (role == Qt::TextAlignmentRole) {
    return column == Id || column >= statusColumn() ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                                                    : QVariant(Qt::AlignRight | Qt::AlignVCenter);
  }
  if (role != Qt::DisplayRole && role != kSortRole) return {};

  const survey::Point& design = run_->design.points[pair.design];
  if (column == Id) return QString::fromStdString(design.id);
  if (column == codeColumn()) {
    return QString::fromStdString(pairCode(design.code, pair.survey.point.code));
  }
  if (column == Shots) {
    return role == kSortRole ? QVariant(static_cast<double>(pair.survey.shots))
                             : QVariant(QString::number(pair.survey.shots));
  }
  if (column == statusColumn()) {
    const std::string keys = survey::keysOf(run_->comparison.schema, compared.failing);
    return failed ? "fail (" + QString::fromStdString(keys) + ")" : QString("pass");
  }
  const std::optional<double> number = numberIn(i, column);
  if (!number) return {};
  if (role == kSortRole) return *number;
  return QString::fromStdString(report_.number(*number));
}

QVariant PairTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
    return QAbstractTableModel::headerData(section, orientation, role);
  }
  if (section < kFirstComponent) return kHeaders[static_cast<std::size_t>(section)];
  if (section == statusColumn()) return QString("Status");
  if (section == codeColumn()) return QString("Code");
  const auto component = static_cast<std::size_t>(section - kFirstComponent);
  return QString::fromStdString(run_->comparison.schema[component].heading);
}

}  // namespace check
