#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include <Eigen/Geometry>

#include "host/geom/frame.h"

namespace host::view {

// A point as typed at a prompt, before it is placed: `x,y` or `x,y,z` in the current UCS,
// `*x,y[,z]` in world coordinates, `@dx,dy[,dz]` relative to the last point, in the UCS.
// A missing z is 0.
struct PointEntry {
  enum class Base { Ucs, World, Relative };
  Base base = Base::Ucs;
  Eigen::Vector3d value = Eigen::Vector3d::Zero();

  friend bool operator==(const PointEntry&, const PointEntry&) = default;
};

// Why a typed entry was refused, in words for the command line.
struct EntryError {
  std::string message;
};

// Reads a number with a point as the decimal separator, whatever the locale; blanks around it
// are allowed. None for anything else, a non-finite value included.
std::optional<double> parseNumber(std::string_view text);

std::variant<PointEntry, EntryError> parsePointEntry(std::string_view text);

// The world point an entry stands for under `ucs`. A relative entry needs a last point.
std::variant<Eigen::Vector3d, EntryError> placePoint(const PointEntry& entry,
                                                     const geom::Frame& ucs,
                                                     const std::optional<Eigen::Vector3d>& last);

}  // namespace host::view
