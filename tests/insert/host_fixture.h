#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "fake_dialog.h"
#include "host/automation/host_application.h"
#include "host/automation/scripted_point_source.h"
#include "host/geom/frame.h"
#include "host/model/document.h"
#include "host/model/world_geometry.h"
#include "insert/dialog.h"

// An arrow as the user sees it: where it starts and where its tip is, in world coordinates.
struct WorldArrow {
  cad::Point3 tail;
  cad::Point3 tip;
  cad::Point3 headSide;  // a head corner beside the shaft, off the arrow's own Y side
};

// What one run left in model space, in world coordinates, in the order it was drawn.
struct WorldDrawing {
  std::vector<WorldArrow> arrows;
  std::vector<host::model::WorldText> texts;
  std::vector<host::geom::EllipseArc> ellipses;
  std::vector<host::model::WorldPolyline> lines;
};

// A new drawing in the in-memory CAD host with the arrow block defined, connected to a dialog
// as start-up connects them; point requests are answered from a script.
class HostRun : public ::testing::Test {
 protected:
  HostRun();

  // Makes `frame` the current UCS, named or not; a named one is also put in the UCS table.
  void setCurrentUcs(const std::string& name, const host::geom::Frame& frame);
  WorldDrawing modelSpace() const;

  std::shared_ptr<host::HostApplication> app = host::HostApplication::withNewDrawing();
  std::shared_ptr<host::model::Document> model = app->activeModel();
  std::shared_ptr<host::ScriptedPointSource> picks = std::make_shared<host::ScriptedPointSource>();
  FakeDialog dialog;
  insert::DialogVariables vars;
};

// Points compared to a millionth of a drawing unit, with both printed on failure.
::testing::AssertionResult samePoint(const cad::Point3& actual, const cad::Point3& expected);
