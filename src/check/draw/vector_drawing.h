#pragma once

#include <cstddef>
#include <functional>
#include <vector>

#include <Eigen/Geometry>

#include "cad/automation.h"
#include "check/check_report.h"
#include "check/draw_settings.h"
#include "host/geom/frame.h"

// Every pair of a check drawn into a drawing with insert::drawVectors, coloured by its verdict.
namespace check::draw {

// Told after each pair how many of how many are drawn; answering false cancels the batch.
using DrawProgress = std::function<bool(std::size_t done, std::size_t total)>;

// What was drawn for one pair: its entities and the box (world) they cover with the pair's
// design and survey points.
struct DrawnPair {
  std::size_t pair = 0;  // in the report's pairing
  std::vector<cad::Ref<cad::Entity>> entities;
  Eigen::AlignedBox3d box;
};

struct DrawnVectors {
  std::size_t passing = 0;
  std::size_t failing = 0;
  std::size_t missing = 0;   // unmatched design points marked
  std::size_t moved = 0;     // pairs moved further out to keep clear of the labels before them
  std::size_t replaced = 0;  // entities of earlier checks erased
  bool cancelled = false;
  std::vector<DrawnPair> pairs;  // each pair drawn, in the order of the pairing
};

// Draws each pair of `report` in the UCS `ucs`, grouped at an insert point two text heights
// from its design point along the UCS's (+X, +Y) diagonal, with a leader to the design point
// and the point id above the group; a pair whose labels would overlap those drawn before moves
// out along the same diagonal, two text heights a step, up to five steps. Passing pairs go on
// layer DEV-PASS, failing ones on DEV-FAIL; each unmatched design point gets a circle and its
// id on DEV-MISSING. The layers and the arrow block are added as needed. Every entity drawn
// carries the check's tag (see earlier_check.h); once all is drawn, what earlier checks drew is
// erased, unless the settings keep it. A cancelled or failed
// batch deletes what it drew; a failure is then thrown (cad::AutomationError), and a text
// height that is not a number greater than 0 is refused (std::invalid_argument) before
// anything is drawn.
DrawnVectors drawVectors(cad::Document& drawing, const CheckReport& report,
                         const DrawSettings& settings, const host::geom::Frame& ucs,
                         const DrawProgress& progress = {});

}  // namespace check::draw
