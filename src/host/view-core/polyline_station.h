#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "host/model/entities.h"
#include "host/view-core/point_entry.h"
#include "survey/horizontal_alignment.h"

// STATION: the chainage and offset of points against a polyline of the drawing, as a road's
// centreline is drawn.
namespace host::view {

// The alignment in plan (world X and Y) that a LWPOLYLINE or 2D POLYLINE gives with its bulges,
// or a 3D POLYLINE through its vertices, starting at `startChainage`. Refused, saying why, for
// any other entity and for a polyline of no length in plan.
std::variant<survey::HorizontalAlignment, EntryError> alignmentOfEntity(
    const model::EntityData& entity, double startChainage);

// "Chainage 1+234.567  Offset 3.512 R": the offset right (R) or left (L) looking towards
// increasing chainage; a point before the start or beyond the end of `alignment` says so.
std::string describeStation(const survey::Station& station,
                            const survey::HorizontalAlignment& alignment, int decimals);

// 1+234.567 for 1234.567: whole kilometres, a plus, then the metres with three digits before
// the point; -0+012.000 for -12.
std::string formatChainage(double chainage, int decimals);

// A chainage as typed: "1234.5" or "1+234.5" (metres below 1000); none for anything else.
std::optional<double> parseChainage(std::string_view text);

}  // namespace host::view
