#pragma once

#include "host/dxf/dxf_output.h"

namespace host::dxf {

// An entity's extrusion direction whose X or Y its record leaves to the default of 0 (a 230
// group alone, as some programs write a mirrored entity): other programs read the direction
// from its 210 group, and without one take the default (0, 0, 1), which puts the entity in
// the mirrored place. Written with the groups it lacks, it means the same to every reader.
class ExtrusionGroups {
 public:
  // Writes the groups of the extrusion that the record lacks before its group of `code`; a 0
  // group starts the next record of the entity.
  void before(int code, DxfOutput& out);

 private:
  bool hasX_ = false;
  bool hasY_ = false;
};

}  // namespace host::dxf
