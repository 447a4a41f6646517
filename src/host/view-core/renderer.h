#pragma once

#include <limits>
#include <optional>

#include "host/geom/frame.h"
#include "host/view-core/canvas.h"
#include "host/view-core/line_weight.h"
#include "host/view-core/scene.h"
#include "host/view-core/scene_marks.h"
#include "host/view-core/snap_index.h"
#include "host/view-core/view_projection.h"

namespace host::view {

struct RenderOptions {
  LineWeightDisplay lineWeights{};
  // Only the pieces appended after this are painted, over what was painted before.
  SceneMark from{};
  // Only the pieces reaching into this part of the screen (pixels) are painted, for a canvas
  // that paints only there; they are painted as on the whole screen.
  Eigen::AlignedBox2d area{Eigen::Vector2d::Constant(-std::numeric_limits<double>::infinity()),
                           Eigen::Vector2d::Constant(std::numeric_limits<double>::infinity())};
};

// Paints the projected drawing, skipping every piece whose bounds lie off screen. Lines are one
// pixel wide unless lineweights are shown; filled areas, points and texts always are.
void renderScene(const Scene& scene, const ViewProjection& projection, Canvas& canvas,
                 const RenderOptions& options = {});

// The UCS icon: X and Y (and, when not seen end-on, Z) arrows of a fixed size at the UCS
// origin, or in the lower-left corner when the origin is off screen.
void renderUcsIcon(const geom::Frame& ucs, const ViewProjection& projection, Canvas& canvas);

// The marker that shows where a click would snap.
void renderSnapMarker(const SnapPoint& snap, const ViewProjection& projection, Canvas& canvas);

}  // namespace host::view
