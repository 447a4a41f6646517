#include "survey/coordinate_transform.h"

#include <proj.h>

#include <cmath>
#include <stdexcept>

namespace survey {

// The PROJ objects of one transformation, with a context of their own so that two checks
// may run at once.
struct CoordinateTransform::Proj {
  PJ_CONTEXT* context = proj_context_create();
  PJ* withHeights = nullptr;
  PJ* planOnly = nullptr;

  ~Proj() {
    proj_destroy(withHeights);
    proj_destroy(planOnly);
    proj_context_destroy(context);
  }

  std::string lastError() const {
    const char* text = proj_context_errno_string(context, proj_context_errno(context));
    return text ? text : "unknown reason";
  }

  PJ* crs(const std::string& definition) const {
    PJ* crs = proj_create(context, definition.c_str());
    if (!crs) {
      throw std::invalid_argument("'" + definition + "' is not a coordinate system PROJ knows (" +
                                  lastError() + ")");
    }
    return crs;
  }

  // The transformation from one system to the other in easting-northing order, or null.
  PJ* between(const PJ* from, const PJ* to) const {
    PJ* raw = proj_create_crs_to_crs_from_pj(context, from, to, nullptr, nullptr);
    if (!raw) return nullptr;
    PJ* normalised = proj_normalize_for_visualization(context, raw);
    proj_destroy(raw);
    return normalised;
  }

  // Whether PROJ only guesses this step: it does so where a datum shift or a geoid model is
  // not installed, and such a result may be metres off.
  bool guesses(const PJ* transformation) const {
    return proj_coordoperation_has_ballpark_transformation(context, transformation) != 0;
  }

  // The horizontal part of a compound system, or the system itself.
  PJ* horizontal(const PJ* crs) const {
    if (proj_get_type(crs) == PJ_TYPE_COMPOUND_CRS) return proj_crs_get_sub_crs(context, crs, 0);
    return proj_clone(context, crs);
  }
};

CoordinateTransform::CoordinateTransform(const std::string& from, const std::string& to)
    : proj_(std::make_unique<Proj>()) {
  PJ* source = proj_->crs(from);
  PJ* target = nullptr;
  try {
    target = proj_->crs(to);
  } catch (...) {
    proj_destroy(source);
    throw;
  }
  proj_->withHeights = proj_->between(source, target);
  PJ* sourcePlan = proj_->horizontal(source);
  PJ* targetPlan = proj_->horizontal(target);
  proj_->planOnly = proj_->between(sourcePlan, targetPlan);
  proj_destroy(sourcePlan);
  proj_destroy(targetPlan);
  proj_destroy(source);
  proj_destroy(target);
  if (!proj_->planOnly || proj_->guesses(proj_->planOnly)) {
    throw std::invalid_argument("no accurate transformation from " + from + " to " + to +
                                " is installed");
  }
  if (!proj_->withHeights || proj_->guesses(proj_->withHeights)) {
    heightsLeftOut_ = "the heights cannot be taken from " + from + " to " + to +
                      " without a geoid model or height transformation that is not installed: "
                      "only plan positions are compared";
  }
}

CoordinateTransform::~CoordinateTransform() = default;

void CoordinateTransform::apply(std::vector<Point>& points) const {
  const bool heights = heightsLeftOut_.empty();
  PJ* transformation = heights ? proj_->withHeights : proj_->planOnly;
  for (Point& point : points) {
    const PJ_COORD in = proj_coord(point.x, point.y, heights ? point.z.value_or(0.0) : 0.0, 0.0);
    const PJ_COORD out = proj_trans(transformation, PJ_FWD, in);
    if (!std::isfinite(out.xyz.x) || !std::isfinite(out.xyz.y) || out.xyz.x == HUGE_VAL) {
      throw std::invalid_argument("point '" + point.id +
                                  "' cannot be transformed: " + proj_->lastError());
    }
    point.x = out.xyz.x;
    point.y = out.xyz.y;
    if (!heights) {
      point.z.reset();
    } else if (point.z) {
      point.z = out.xyz.z;
    }
  }
}

}  // namespace survey
