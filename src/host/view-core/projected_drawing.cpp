#include "host/view-core/projected_drawing.h"

#include <algorithm>
#include <span>

namespace host::view {
namespace {

// Marks kept for taking changes back; each is a few dozen bytes. Older ones are merged, so
// that undoing far back projects a little more.
constexpr std::size_t kMarks = 64;

std::span<const model::Entity> modelSpace(const model::Document& document) {
  return document.blocks()[model::BlockTable::kModelSpace].entities;
}

}  // namespace

ProjectedDrawing::ProjectedDrawing(const model::Document& document,
                                   const Eigen::Matrix3d& worldToView)
    : document_(document),
      worldToView_(worldToView),
      marks_{Mark{0, markOf(scene_), 0}},
      seen_(document.changes().revision()) {
  projectFrom(0);
}

ProjectedDrawing::Update ProjectedDrawing::update() {
  const auto touched = document_.changes().firstTouchedSince(seen_);
  seen_ = document_.changes().revision();
  const std::size_t projected = marks_.back().entities;
  const std::size_t count = modelSpace(document_).size();
  if (!touched || (*touched >= projected && count == projected)) return {};
  const std::size_t first = std::min(*touched, projected);
  const bool grown = first == projected;
  while (marks_.back().entities > first) marks_.pop_back();
  const Mark& start = marks_.back();
  Update update{grown ? Update::Kind::Grown : Update::Kind::Changed, start.scene, start.snapPoints};
  truncateScene(scene_, start.scene);
  if (snapPoints_) snapPoints_->resize(start.snapPoints);
  projectFrom(start.entities);
  return update;
}

void ProjectedDrawing::projectFrom(std::size_t first) {
  const auto entities = modelSpace(document_).subspan(first);
  Scene more = buildScene(document_, worldToView_, entities);
  if (first == 0) {
    scene_ = std::move(more);
  } else {
    appendScene(scene_, std::move(more));
  }
  if (snapPoints_) {
    const auto found = view::snapPoints(document_, entities);
    snapPoints_->insert(snapPoints_->end(), found.begin(), found.end());
  }
  if (entities.empty()) return;
  if (marks_.size() == kMarks) marks_.erase(marks_.begin() + 1);
  marks_.push_back(
      Mark{first + entities.size(), markOf(scene_), snapPoints_ ? snapPoints_->size() : 0});
}

const std::vector<SnapPoint>& ProjectedDrawing::snapPoints() {
  if (!snapPoints_) {
    // Found span by span as the scene was projected, so that a mark's count holds.
    const auto all = modelSpace(document_);
    snapPoints_.emplace();
    for (std::size_t i = 1; i < marks_.size(); ++i) {
      const std::size_t from = marks_[i - 1].entities;
      const auto found = view::snapPoints(document_, all.subspan(from, marks_[i].entities - from));
      snapPoints_->insert(snapPoints_->end(), found.begin(), found.end());
      marks_[i].snapPoints = snapPoints_->size();
    }
  }
  return *snapPoints_;
}

}  // namespace host::view
