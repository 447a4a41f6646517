#pragma once

#include <cstddef>
#include <functional>
#include <pugixml.hpp>

#include "survey/tin_surface.h"

// The lines a LandXML surface carries beside its faces: breaklines (<Breaklines><Breakline>)
// and boundaries (<Boundaries><Boundary bndType="outer|void|island">), in its <Definition> or
// its <SourceData>, each a <PntList3D> or <PntList2D> of northing, easting (and level).
namespace survey {

// The line of the file an offset into it falls on.
using LineAt = std::function<std::size_t(std::ptrdiff_t)>;

// Reads the breaklines and boundaries of `surfaceNode` into `surface`. Throws PointFileError
// naming the file and the line: a list of numbers that are not whole points or not finite, a
// breakline of fewer than two points or crossing itself, a boundary of fewer than three points
// or crossing itself, a boundary of an unknown type.
void readSurfaceLines(const pugi::xml_node& surfaceNode, TinSurface& surface, const LineAt& lineAt);

// Leaves out the faces of `surface` that lie wholly outside its boundaries. A face a boundary
// crosses is kept whole: where the surface is, inside it, is for the boundaries to say.
void keepFacesWithinBoundaries(TinSurface& surface);

}  // namespace survey
