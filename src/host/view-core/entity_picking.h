#pragma once

#include <optional>
#include <vector>

#include <Eigen/Geometry>

#include "host/model/document.h"

// Finding the entities of model space a user points at, by what each shows in the view (an
// insert by what its block shows, a text by its box), so that what is hidden cannot be picked.
namespace host::view {

// The entity shown nearest to `at` (view coordinates of the orientation `worldToView`) within
// `reach` of it, the one drawn last when several are as near; none when nothing shows there.
std::optional<model::Handle> entityNear(const model::Document& document,
                                        const Eigen::Matrix3d& worldToView,
                                        const Eigen::Vector2d& at, double reach);

// The entities shown wholly inside `window` (view coordinates), in drawing order.
std::vector<model::Handle> entitiesInside(const model::Document& document,
                                          const Eigen::Matrix3d& worldToView,
                                          const Eigen::AlignedBox2d& window);

// Erases entities of model space as one step of the drawing's history named ERASE; those on a
// locked layer stay. Returns how many stayed because of that.
std::size_t eraseEntities(model::Document& document, const std::vector<model::Handle>& handles);

}  // namespace host::view
