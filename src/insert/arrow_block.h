#pragma once

#include <string_view>
#include <vector>

// The arrow block every deviation insert shows, as start-up defines it in the drawing.
namespace insert {

// The name start-up gives the block. Block names match regardless of case, and the inserts
// name it in capitals.
inline constexpr char kArrowBlockName[] = "ArrowX1";
inline constexpr char kArrowBlockInsertName[] = "ARROWX1";

// Whether a block of the drawing is the arrow block, whatever the case of its name.
bool isArrowBlockName(std::string_view name);

// The block's one 3D polyline, 15 vertices as 45 coordinates: along +X from the base point to
// the tip at 3, a head of two crossed triangles, then back to the base point. Only the first 8
// vertices are given; the rest stay at the origin.
std::vector<double> arrowBlockVertices();

}  // namespace insert
