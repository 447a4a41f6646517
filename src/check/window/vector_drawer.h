#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "cad/automation.h"
#include "check/draw/pair_focus.h"
#include "check/ucs_choice.h"
#include "check/window/check_window.h"

class QWidget;

namespace check {

// Runs a whole batch of drawing, so that a host can make it one step of its own (the built-in
// host: one undo step).
using DrawingBatch = std::function<void(const std::function<void()>& draw)>;

// Runs `draw` as one batch of `batch`, or as it is without one. A failing automation call
// becomes a std::runtime_error that says "The <what> could not be drawn" and why.
void drawAsBatch(const DrawingBatch& batch, const std::function<void()>& draw,
                 const std::string& what);

// The drawer the check window draws with when it is opened from a drawing: every pair into
// `drawing` through the automation interface, along the UCS chosen among `ucsChoices` (the
// choices the window was given), with a progress dialog over `parent` whose Cancel deletes
// what the batch drew. What was drawn for each pair is remembered in `focus`, if given.
VectorDrawer vectorDrawerFor(cad::Ref<cad::Document> drawing, std::vector<UcsChoice> ucsChoices,
                             QWidget* parent, DrawingBatch batch = {},
                             std::shared_ptr<draw::PairFocus> focus = {});

}  // namespace check
