#include "host/view-core/scene_marks.h"

#include <algorithm>
#include <iterator>
#include <limits>

#include "host/view-core/room_to_grow.h"

namespace host::view {
namespace {

template <class Piece>
void moveAppend(std::vector<Piece>& to, std::vector<Piece>& from) {
  makeRoom(to, from.size());
  to.insert(to.end(), std::make_move_iterator(from.begin()), std::make_move_iterator(from.end()));
}

// Where `pattern` stands in the scene's patterns, added when new; beyond as many patterns as an
// index holds, lines draw continuous.
std::uint16_t patternIndex(Scene& scene, std::vector<double>&& pattern) {
  const auto found = std::ranges::find(scene.dashPatterns, pattern);
  if (found != scene.dashPatterns.end()) {
    return static_cast<std::uint16_t>(found - scene.dashPatterns.begin());
  }
  if (scene.dashPatterns.size() > std::numeric_limits<std::uint16_t>::max()) return 0;
  scene.dashPatterns.push_back(std::move(pattern));
  return static_cast<std::uint16_t>(scene.dashPatterns.size() - 1);
}

}  // namespace

SceneMark markOf(const Scene& scene) {
  return {scene.polylines.size(),    scene.areas.size(), scene.points.size(), scene.texts.size(),
          scene.dashPatterns.size(), scene.bounds,       scene.notShown};
}

void appendScene(Scene& scene, Scene&& more) {
  // A scene's own patterns are few; appended pieces use the scene's index of each.
  std::vector<std::uint16_t> patterns(more.dashPatterns.size(), 0);
  for (std::size_t i = 1; i < more.dashPatterns.size(); ++i) {
    patterns[i] = patternIndex(scene, std::move(more.dashPatterns[i]));
  }
  for (auto& polyline : more.polylines) polyline.dashes = patterns[polyline.dashes];
  moveAppend(scene.polylines, more.polylines);
  moveAppend(scene.areas, more.areas);
  moveAppend(scene.points, more.points);
  moveAppend(scene.texts, more.texts);
  scene.pointStyle = more.pointStyle;
  scene.bounds.extend(more.bounds);
  scene.notShown += more.notShown;
}

void truncateScene(Scene& scene, const SceneMark& mark) {
  scene.polylines.resize(std::min(scene.polylines.size(), mark.polylines));
  scene.areas.resize(std::min(scene.areas.size(), mark.areas));
  scene.points.resize(std::min(scene.points.size(), mark.points));
  scene.texts.resize(std::min(scene.texts.size(), mark.texts));
  scene.dashPatterns.resize(
      std::clamp<std::size_t>(mark.dashPatterns, 1, scene.dashPatterns.size()));
  scene.bounds = mark.bounds;
  scene.notShown = mark.notShown;
}

}  // namespace host::view
