#include "insert/ucs_frame.h"

#include <string>

#include "cad/arithmetic.h"

namespace insert {
namespace {

cad::AutomationError typeMismatch() {
  return cad::AutomationError(13, "Type mismatch");
}

std::string textVariable(cad::Document& doc, const std::string& name) {
  const cad::Variable value = doc.GetVariable(name);
  const auto* text = std::get_if<std::string>(&value);
  if (!text) throw typeMismatch();
  return *text;
}

cad::Point3 pointVariable(cad::Document& doc, const std::string& name) {
  const cad::Variable value = doc.GetVariable(name);
  const auto* point = std::get_if<cad::Point3>(&value);
  if (!point) throw typeMismatch();
  return *point;
}

cad::Point3 checkedSum(const cad::Point3& a, const cad::Point3& b) {
  return cad::Point3(cad::checked(a.x() + b.x()), cad::checked(a.y() + b.y()),
                     cad::checked(a.z() + b.z()));
}

}  // namespace

UcsFrame establishFrame(cad::Document& doc) {
  cad::Ref<cad::UCS> ucs;
  if (textVariable(doc, "UCSNAME").empty()) {
    const cad::Point3 origin = pointVariable(doc, "UCSORG");
    // UCSXDIR and UCSYDIR are the current UCS's axis directions in world coordinates, not
    // points of the UCS: the axis points are the origin plus each direction, as they stand.
    // Translating the directions out of the UCS first would turn a rotated UCS a second time
    // and every entity would land away from the point the user picked.
    const cad::Point3 xDir = pointVariable(doc, "UCSXDIR");
    const cad::Point3 yDir = pointVariable(doc, "UCSYDIR");
    ucs = doc.UserCoordinateSystems()->Add(origin, checkedSum(origin, xDir),
                                           checkedSum(origin, yDir), "OriginalUCS");
  } else {
    ucs = doc.ActiveUCS();
  }
  UcsFrame frame;
  frame.ucsObj = ucs;
  frame.ucsName = ucs->Name();
  frame.ucsMatrix = ucs->GetUCSMatrix();
  return frame;
}

}  // namespace insert
