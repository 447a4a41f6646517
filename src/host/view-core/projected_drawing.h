#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include <Eigen/Geometry>

#include "host/model/document.h"
#include "host/view-core/scene.h"
#include "host/view-core/scene_marks.h"
#include "host/view-core/snap_points.h"

namespace host::view {

// A drawing's model space as a window shows it from one direction (its scene) and its snap
// points, brought up to date after a change by projecting only what changed. Entities appended
// since the last update are projected and appended; a change further back (an undo, an edit)
// takes the scene back to the last update before it and projects again from there; a change of
// the tables projects everything. The drawing must outlive it.
class ProjectedDrawing {
 public:
  ProjectedDrawing(const model::Document& document, const Eigen::Matrix3d& worldToView);

  struct Update {
    enum class Kind {
      None,     // nothing shown changed
      Grown,    // pieces were appended to the scene after `from`, and nothing else changed
      Changed,  // the scene changed from `from` on: it must be painted again
    };
    Kind kind = Kind::None;
    SceneMark from;
    // Snap points before this place stand as they were; those from it on are new.
    std::size_t snapFrom = 0;
  };
  // Brings the scene (and the snap points, once asked for) up to the drawing's changes.
  Update update();

  const Scene& scene() const { return scene_; }
  // Found when first asked for, then kept up to date.
  const std::vector<SnapPoint>& snapPoints();
  // Finds the snap points of about `entities` more entities of model space, for a window that
  // finds them a part at a time between its events; true once all are found. A change of the
  // drawing meanwhile has them found again from the start.
  bool findMoreSnapPoints(std::size_t entities);
  // Whether all were found, and so are at hand without finding them.
  bool snapPointsFound() const { return snapPoints_ != nullptr; }
  // Those found so far: all of them once found.
  std::span<const SnapPoint> snapPointsFoundSoFar() const;
  // All of them, found now if not yet, for another thread: what it holds stays as it is while
  // this goes on with the drawing's changes.
  std::shared_ptr<const std::vector<SnapPoint>> sharedSnapPoints();

 private:
  // How far the scene and the snap points reached after projecting entities up to `entities`.
  struct Mark {
    std::size_t entities = 0;
    SceneMark scene;
    std::size_t snapPoints = 0;
  };

  const model::Document& document_;
  Eigen::Matrix3d worldToView_;
  Scene scene_;
  std::shared_ptr<std::vector<SnapPoint>> snapPoints_;
  // How far finding the snap points a part at a time has come: the mark whose span is being
  // looked at, and the entity next.
  struct SnapFinding {
    std::vector<SnapPoint> points;
    std::size_t mark;
    std::size_t entity;
  };
  std::optional<SnapFinding> finding_;
  // Ascending; the first is the empty start. Bounded: the oldest are merged away.
  std::vector<Mark> marks_;
  model::ChangeLog::Revision seen_ = 0;

  // Projects model space from entity `first` on, as the last mark left it.
  void projectFrom(std::size_t first);
  // The snap points to change: copied first when another thread holds them.
  std::vector<SnapPoint>& ownSnapPoints();
};

}  // namespace host::view
