#pragma once

#include <cstddef>

#include "host/view-core/scene.h"

namespace host::view {

// How far a scene reached at some moment: the lengths of its lists, its bounds and what it did
// not show then. What was appended after it can be painted alone or taken back. The default
// mark is that of an empty scene: painting from it paints everything.
struct SceneMark {
  std::size_t polylines = 0;
  std::size_t areas = 0;
  std::size_t points = 0;
  std::size_t texts = 0;
  std::size_t dashPatterns = 1;  // the continuous pattern is always there
  Eigen::AlignedBox2d bounds;
  std::size_t notShown = 0;
};

SceneMark markOf(const Scene& scene);

// Appends what `more` draws after what `scene` draws, its point style replacing the scene's.
void appendScene(Scene& scene, Scene&& more);

// Takes back everything appended to `scene` after `mark`.
void truncateScene(Scene& scene, const SceneMark& mark);

}  // namespace host::view
