#pragma once

#include <cstddef>
#include <vector>

#include "cad/automation.h"

namespace check::draw {

// The application name a check's entities carry in their extended data, registered in the
// drawing's APPID table, and the text that goes with it.
inline constexpr char kCheckApplication[] = "KESTOVA_CHECK";
inline constexpr char kCheckTagText[] = "Deviation drawn by a survey check";

// Tags every entity of `drawn` as drawn by a check. Only entities of this program's drawings
// can carry the tag; others are left as they are.
void tagAsDrawnByCheck(const std::vector<cad::Ref<cad::Entity>>& drawn);

// Erases from model space what earlier checks drew into `drawing`: the entities on the DEV-
// layers that carry the check's tag, also after a save and a reading, but none of `drawn`.
// One change of the drawing (one undo step inside the caller's). Returns how many it erased;
// none for a drawing of another program.
std::size_t eraseEarlierChecks(cad::Document& drawing,
                               const std::vector<cad::Ref<cad::Entity>>& drawn);

}  // namespace check::draw
