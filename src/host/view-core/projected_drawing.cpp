#include "host/view-core/projected_drawing.h"

#include <algorithm>
#include <span>

#include "host/view-core/in_parallel.h"
#include "host/view-core/room_to_grow.h"

namespace host::view {
namespace {

// Marks kept for taking changes back; each is a few dozen bytes. Older ones are merged, so
// that undoing far back projects a little more.
constexpr std::size_t kMarks = 64;

// Fewer entities than this are projected on one core.
constexpr std::size_t kEntitiesPerPart = 20000;
// Lines have two, points and texts one, inserts of small blocks a few.
constexpr std::size_t kSnapPointsPerEntity = 2;

std::span<const model::Entity> modelSpace(const model::Document& document) {
  return document.blocks()[model::BlockTable::kModelSpace].entities;
}

// `find(part)` of each of `parts` equal parts of `entities`, found at the same time.
template <class Found, class Find>
std::vector<Found> inParts(std::span<const model::Entity> entities, std::size_t parts,
                           const Find& find) {
  std::vector<Found> found(parts);
  inParallel(parts, [&](std::size_t part) {
    const std::size_t begin = entities.size() * part / parts;
    const std::size_t end = entities.size() * (part + 1) / parts;
    found[part] = find(entities.subspan(begin, end - begin));
  });
  return found;
}

void appendSnapPoints(std::vector<SnapPoint>& to, std::vector<SnapPoint>&& more) {
  if (to.empty()) {
    to = std::move(more);  // the points of a whole drawing are many: not copied
    return;
  }
  makeRoom(to, more.size());
  to.insert(to.end(), more.begin(), more.end());
}

// A large drawing is projected in parts on all cores, and the parts appended in order.
Scene projectInParts(const model::Document& document, const Eigen::Matrix3d& worldToView,
                     std::span<const model::Entity> entities) {
  auto scenes = inParts<Scene>(
      entities, partsFor(entities.size(), kEntitiesPerPart),
      [&](std::span<const model::Entity> part) { return buildScene(document, worldToView, part); });
  // Room for every part at once, so that joining them moves each piece once.
  const auto sum = [&](auto count) {
    std::size_t total = 0;
    for (std::size_t i = 1; i < scenes.size(); ++i) total += count(scenes[i]);
    return total;
  };
  makeRoom(scenes[0].polylines, sum([](const Scene& s) { return s.polylines.size(); }));
  makeRoom(scenes[0].areas, sum([](const Scene& s) { return s.areas.size(); }));
  makeRoom(scenes[0].points, sum([](const Scene& s) { return s.points.size(); }));
  makeRoom(scenes[0].texts, sum([](const Scene& s) { return s.texts.size(); }));
  for (std::size_t i = 1; i < scenes.size(); ++i) appendScene(scenes[0], std::move(scenes[i]));
  return std::move(scenes[0]);
}

std::vector<SnapPoint> snapPointsInParts(const model::Document& document,
                                         std::span<const model::Entity> entities) {
  auto found = inParts<std::vector<SnapPoint>>(
      entities, partsFor(entities.size(), kEntitiesPerPart),
      [&](std::span<const model::Entity> part) { return snapPoints(document, part); });
  std::size_t more = 0;
  for (std::size_t i = 1; i < found.size(); ++i) more += found[i].size();
  makeRoom(found[0], more);
  for (std::size_t i = 1; i < found.size(); ++i) appendSnapPoints(found[0], std::move(found[i]));
  return std::move(found[0]);
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
  if (snapPoints_) ownSnapPoints().resize(start.snapPoints);
  finding_.reset();  // the marks it follows have changed
  projectFrom(start.entities);
  return update;
}

void ProjectedDrawing::projectFrom(std::size_t first) {
  const auto entities = modelSpace(document_).subspan(first);
  Scene more = projectInParts(document_, worldToView_, entities);
  if (first == 0) {
    scene_ = std::move(more);
  } else {
    appendScene(scene_, std::move(more));
  }
  if (snapPoints_) appendSnapPoints(ownSnapPoints(), snapPointsInParts(document_, entities));
  if (entities.empty()) return;
  if (marks_.size() == kMarks) marks_.erase(marks_.begin() + 1);
  marks_.push_back(
      Mark{first + entities.size(), markOf(scene_), snapPoints_ ? snapPoints_->size() : 0});
}

const std::vector<SnapPoint>& ProjectedDrawing::snapPoints() {
  findMoreSnapPoints(modelSpace(document_).size());
  return *snapPoints_;
}

bool ProjectedDrawing::findMoreSnapPoints(std::size_t entities) {
  if (snapPoints_) return true;
  const auto all = modelSpace(document_);
  if (!finding_) finding_ = SnapFinding{{}, 1, marks_.front().entities};
  // Found span by span as the scene was projected, so that a mark's count holds.
  std::size_t left = entities;
  for (; finding_->mark < marks_.size(); ++finding_->mark) {
    Mark& mark = marks_[finding_->mark];
    const std::size_t count = std::min(left, mark.entities - finding_->entity);
    const auto found = snapPointsInParts(document_, all.subspan(finding_->entity, count));
    // Room for those of the entities still to come too: found a part at a time, the points
    // would otherwise be moved again and again as they grow.
    const std::size_t toCome = all.size() - finding_->entity - count;
    makeRoom(finding_->points, found.size() + kSnapPointsPerEntity * toCome);
    finding_->points.insert(finding_->points.end(), found.begin(), found.end());
    finding_->entity += count;
    left -= count;
    if (finding_->entity < mark.entities) return false;
    mark.snapPoints = finding_->points.size();
  }
  snapPoints_ = std::make_shared<std::vector<SnapPoint>>(std::move(finding_->points));
  finding_.reset();
  return true;
}

std::span<const SnapPoint> ProjectedDrawing::snapPointsFoundSoFar() const {
  if (snapPoints_) return *snapPoints_;
  if (finding_) return finding_->points;
  return {};
}

std::shared_ptr<const std::vector<SnapPoint>> ProjectedDrawing::sharedSnapPoints() {
  snapPoints();
  return snapPoints_;
}

std::vector<SnapPoint>& ProjectedDrawing::ownSnapPoints() {
  if (snapPoints_.use_count() > 1) {
    snapPoints_ = std::make_shared<std::vector<SnapPoint>>(*snapPoints_);
  }
  return *snapPoints_;
}

}  // namespace host::view
