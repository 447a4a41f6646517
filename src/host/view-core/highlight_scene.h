#pragma once

#include <set>

#include "host/model/document.h"
#include "host/view-core/scene.h"

namespace host::view {

// The highlighted entities of model space as they show over the drawing when selected: in one
// light colour, their lines dashed. Handles of entities that are gone are passed over.
Scene highlightScene(const model::Document& document, const Eigen::Matrix3d& worldToView,
                     const std::set<model::Handle>& handles);

// Sets the highlight's dashes to a fixed length on screen at a zoom of `scale` pixels per view
// unit, so that they look the same at any zoom.
void setHighlightDashes(Scene& scene, double scale);

}  // namespace host::view
