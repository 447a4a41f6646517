#include "check/window/point_list_model.h"

#include <optional>

#include "check/window/results_proxy.h"

namespace check {
namespace {

enum Column { Id, X, Y, Z, Last, Code, kColumns };

}  // namespace

PointListModel::PointListModel(std::shared_ptr<const CheckRun> run, Side side, QObject* parent)
    : QAbstractTableModel(parent), run_(std::move(run)), report_(run_->report()), side_(side) {}

int PointListModel::rowCount(const QModelIndex& parent) const {
  if (parent.isValid()) return 0;
  return static_cast<int>(side_ == Side::Design ? run_->pairing.unmatchedDesign.size()
                                                : run_->pairing.unmatchedSurvey.size());
}

int PointListModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kColumns;
}

const survey::Point& PointListModel::pointAt(std::size_t row) const {
  if (side_ == Side::Design) return run_->design.points[run_->pairing.unmatchedDesign[row]];
  return run_->pairing.unmatchedSurvey[row].point;
}

QVariant PointListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  if (role == Qt::TextAlignmentRole) {
    return index.column() == Id || index.column() == Code
               ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
               : QVariant(Qt::AlignRight | Qt::AlignVCenter);
  }
  if (role != Qt::DisplayRole && role != kSortRole) return {};
  const auto row = static_cast<std::size_t>(index.row());
  const survey::Point& point = pointAt(row);
  std::optional<double> number;
  switch (index.column()) {
    case Id:
      return QString::fromStdString(point.id);
    case X:
      number = point.x;
      break;
    case Y:
      number = point.y;
      break;
    case Z:
      number = point.z;
      break;
    case Code:
      return QString::fromStdString(point.code);
    default: {
      // The design side gives the line of the file, the survey side the number of shots.
      const std::size_t count =
          side_ == Side::Design ? point.line : run_->pairing.unmatchedSurvey[row].shots;
      if (role == kSortRole) return static_cast<double>(count);
      return QString::number(count);
    }
  }
  if (!number) return {};
  if (role == kSortRole) return *number;
  return QString::fromStdString(report_.number(*number));
}

QVariant PointListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
    return QAbstractTableModel::headerData(section, orientation, role);
  }
  switch (section) {
    case Id:
      return "Id";
    case X:
      return "x";
    case Y:
      return "y";
    case Z:
      return "z";
    case Code:
      return "Code";
    default:
      return side_ == Side::Design ? "Line" : "Shots";
  }
}

}  // namespace check
