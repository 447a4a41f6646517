#pragma once

#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "cad/automation.h"

// What a backend of the cad:: interface hands the member suite: a fresh application and
// document for each test, started from the drawing the test asks for. The built-in host, the
// recording drawing of the dialog's tests and the COM backend with the stand-in server each
// provide one (docs/cad_members.md).
namespace conformance {

// The current UCS every starting drawing has: turned a quarter about world Z, so that its X runs
// along world Y and its Y along world -X, with its origin at (100, 200, 5).
inline const cad::Point3 kUcsOrigin{100, 200, 5};
inline const cad::Point3 kUcsXDir{0, 1, 0};
inline const cad::Point3 kUcsYDir{-1, 0, 0};

// The answers the user gives to the first point requests, in world coordinates.
inline const std::vector<cad::Point3> kPickAnswers = {{10.5, 20.25, 3}, {11.5, 18.25, 3.125}};

// The drawing a test starts from. Besides what is asked here it has model space, paper space,
// layer "0" (colour 7, active) and nothing drawn.
struct StartingDrawing {
  std::string ucsName;              // the current UCS's name; empty: an unnamed UCS
  std::vector<std::string> blocks;  // block definitions after the two spaces, in this order
  bool cancelPicks = false;         // every point request is cancelled, else kPickAnswers
};

inline StartingDrawing withUcsNamed(const std::string& name) {
  StartingDrawing drawing;
  drawing.ucsName = name;
  return drawing;
}

inline StartingDrawing withBlocks(const std::vector<std::string>& blocks) {
  StartingDrawing drawing;
  drawing.blocks = blocks;
  return drawing;
}

inline StartingDrawing withPicksCancelled() {
  StartingDrawing drawing;
  drawing.cancelPicks = true;
  return drawing;
}

// What a backend models besides model space, the UCS, system variables and point requests.
struct Models {
  bool tables = true;       // layers, text styles, block definitions, an entity's layer
  bool application = true;  // the Application object
  bool refusals = true;     // calls the CAD program refuses fail, deleted entities included
};

// A started backend. `application` may be empty when the backend does not model it.
struct Session {
  virtual ~Session() = default;
  cad::Ref<cad::Application> application;
  cad::Ref<cad::Document> document;
};

struct Backend {
  std::string name;
  Models models;
  std::function<std::unique_ptr<Session>(const StartingDrawing&)> start;
};

inline void PrintTo(const Backend& backend, std::ostream* os) {
  *os << backend.name;
}

}  // namespace conformance
