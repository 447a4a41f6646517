#pragma once

#include <optional>
#include <string>

#include <Eigen/Geometry>

#include "host/model/document.h"
#include "host/view-core/command.h"

namespace host::view {

// The command's name as a step of the drawing's history ("LINE", "UCS").
std::string commandName(const Command& command);

// Whether a command changes the drawing (or walks its history) rather than the window.
bool changesDrawing(const Command& command);

// Applies a command that changes the drawing, each as one undo step named after it: LUPREC,
// ELEVATION, the UCS commands, POINT and LINE with their points; UNDO and REDO take a step back
// or forth and say which ("Undo LINE"). Points are placed in the current UCS; `lastPoint` is the
// base of relative entries and becomes the last point the command placed. Returns a line for the
// command line when the command was refused (the drawing is then unchanged) or has nothing
// to do.
std::optional<std::string> applyToDrawing(model::Document& document, const Command& command,
                                          std::optional<Eigen::Vector3d>& lastPoint);

}  // namespace host::view
