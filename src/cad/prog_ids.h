#pragma once

#include <array>

namespace cad {

// The ProgIDs under which the CAD program's releases offer their automation, oldest first:
// start-up attaches to the first of them that is running.
inline constexpr std::array<const char*, 6> kProgIds{
    "AutoCAD.Application.15", "AutoCAD.Application.16", "AutoCAD.Application.17",
    "AutoCAD.Application.18", "AutoCAD.Application.19", "AutoCAD.Application.20"};

// The release start-up starts when none is running; the built-in CAD host stands in for it.
inline constexpr const char* kStartProgId = kProgIds[1];

}  // namespace cad
