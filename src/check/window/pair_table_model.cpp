#include "check/window/pair_table_model.h"

#include <QBrush>
#include <array>
#include <optional>

#include "check/window/results_proxy.h"

namespace check {
namespace {

enum Column {
  Id,
  DesignX,
  DesignY,
  DesignZ,
  SurveyX,
  SurveyY,
  SurveyZ,
  Shots,
  Dx,
  Dy,
  Dz,
  Dh,
  Status,
  kColumns
};

constexpr std::array<const char*, kColumns> kHeaders{
    "Id",    "Design x", "Design y", "Design z", "Survey x", "Survey y", "Survey z",
    "Shots", "dx",       "dy",       "dz",       "dH",       "Status"};

// The number in a cell, if the column holds one and the pair has it.
std::optional<double> numberIn(const survey::Point& design, const survey::Pair& pair,
                               const survey::Deviation& d, int column) {
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
    case Dx:
      return d.dx;
    case Dy:
      return d.dy;
    case Dz:
      return d.dz;
    case Dh:
      return d.dh;
    default:
      return std::nullopt;
  }
}

}  // namespace

PairTableModel::PairTableModel(std::shared_ptr<const CheckRun> run, QObject* parent)
    : QAbstractTableModel(parent), run_(std::move(run)), report_(run_->report()) {}

int PairTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(run_->pairing.pairs.size());
}

int PairTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kColumns;
}

QVariant PairTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  return cell(index.row(), index.column(), role);
}

QVariant PairTableModel::cell(int row, int column, int role) const {
  const auto i = static_cast<std::size_t>(row);
  const survey::Pair& pair = run_->pairing.pairs[i];
  const survey::ComparedPair& compared = run_->comparison.pairs[i];
  const survey::Point& design = run_->design.points[pair.design];
  const bool failed = !compared.failing.empty();
  if (role == kFailedRole) return failed;
  if (role == Qt::ForegroundRole) return failed ? QVariant(QBrush(Qt::red)) : QVariant();
  if (role == Qt::TextAlignmentRole) {
    return column == Id || column == Status ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                                            : QVariant(Qt::AlignRight | Qt::AlignVCenter);
  }
  if (role != Qt::DisplayRole && role != kSortRole) return {};

  if (column == Id) return QString::fromStdString(design.id);
  if (column == Shots) {
    return role == kSortRole ? QVariant(static_cast<double>(pair.survey.shots))
                             : QVariant(QString::number(pair.survey.shots));
  }
  if (column == Status) {
    return failed ? "fail (" + QString::fromStdString(survey::lettersOf(compared.failing)) + ")"
                  : QString("pass");
  }
  const std::optional<double> number = numberIn(design, pair, compared.deviation, column);
  if (!number) return {};
  if (role == kSortRole) return *number;
  return QString::fromStdString(report_.number(*number));
}

QVariant PairTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
    return QAbstractTableModel::headerData(section, orientation, role);
  }
  return kHeaders[static_cast<std::size_t>(section)];
}

}  // namespace check
