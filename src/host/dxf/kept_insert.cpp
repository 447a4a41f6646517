#include "host/dxf/kept_insert.h"

#include <numbers>

#include "host/dxf/fields.h"
#include "host/geom/invalid_input.h"
#include "host/geom/ocs.h"

namespace host::dxf {
namespace {

// An array of more copies than this is not drawn: no drawing needs so many, and a damaged
// file could ask for billions.
constexpr std::int64_t kMostCopies = 100'000;

}  // namespace

std::optional<model::Insertion> keptInsertion(const model::Document& document,
                                              const model::UnsupportedEntity& insert) {
  if (insert.type != "INSERT" && insert.type != "DIMENSION") return std::nullopt;
  const Fields f(insert.groups);
  const auto block = document.blocks().find(f.text(2));
  if (!block) return std::nullopt;
  // A dimension is drawn by its block, which holds it in the coordinates of the dimension's
  // own block.
  if (insert.type == "DIMENSION") return model::Insertion{*block, {Eigen::Affine3d::Identity()}};
  const std::int64_t columns = std::max<std::int64_t>(1, f.whole(70, 1));
  const std::int64_t rows = std::max<std::int64_t>(1, f.whole(71, 1));
  if (columns > kMostCopies || rows > kMostCopies / columns) return std::nullopt;
  geom::Frame ocs;
  try {
    ocs = geom::objectCoordinateSystem(f.point(210, Eigen::Vector3d::UnitZ()));
  } catch (const InvalidInput&) {
    return std::nullopt;
  }
  const double rotation = f.real(50, 0.0) * std::numbers::pi / 180.0;
  const Eigen::Affine3d turned = Eigen::Translation3d(ocs.pointToWorld(f.point(10))) *
                                 Eigen::Affine3d(ocs.matrix().topLeftCorner<3, 3>()) *
                                 Eigen::AngleAxisd(rotation, Eigen::Vector3d::UnitZ());
  const Eigen::Vector3d scale(f.real(41, 1.0), f.real(42, 1.0), f.real(43, 1.0));
  const double columnSpacing = f.real(44, 0.0);
  const double rowSpacing = f.real(45, 0.0);
  model::Insertion insertion{*block, {}};
  insertion.placements.reserve(static_cast<std::size_t>(rows * columns));
  for (std::int64_t row = 0; row < rows; ++row) {
    for (std::int64_t column = 0; column < columns; ++column) {
      // The copies are spaced along the insert's turned axes, not scaled with it.
      const Eigen::Vector3d offset(column * columnSpacing, row * rowSpacing, 0.0);
      insertion.placements.push_back(turned * Eigen::Translation3d(offset) * Eigen::Scaling(scale));
    }
  }
  return insertion;
}

std::vector<std::size_t> attributeRecords(const model::RawGroups& groups) {
  std::vector<std::size_t> records;
  for (std::size_t i = 0; i < groups.size(); ++i) {
    if (groups[i].code == 0 && groups[i].value == "ATTRIB") records.push_back(i);
  }
  return records;
}

}  // namespace host::dxf
