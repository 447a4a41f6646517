#include "host/dxf/exact_placements.h"

#include "host/dxf/placement.h"
#include "host/dxf/text_codec.h"
#include "host/geom/invalid_input.h"

namespace host::dxf {
namespace {

const Eigen::Vector3d kUnitZ = Eigen::Vector3d::UnitZ();

bool sameAngle(double radians, const Fields& f, int code) {
  return radiansToDegrees(radians) == f.real(code, 0.0);
}

}  // namespace

// A placement the document refuses (a zero scale, say) comes back as nothing: its entity is kept
// as read.
bool insertComesBack(const Fields& f, const model::BlockReference& insert) {
  InsertParameters p;
  try {
    p = insertParameters(insert.placement);
  } catch (const InvalidInput&) {
    return false;
  }
  return p.exact && p.insertion == f.point(10) &&
         p.scale == Eigen::Vector3d(f.real(41, 1.0), f.real(42, 1.0), f.real(43, 1.0)) &&
         sameAngle(p.rotation, f, 50) && p.normal == f.point(210, kUnitZ);
}

bool textComesBack(const ReaderContext& context, const Fields& f, const model::Text& text) {
  TextParameters p;
  try {
    p = textParameters(text.placement, text.height);
  } catch (const InvalidInput&) {
    return false;
  }
  if (!(p.insertion == f.point(10) && p.height == f.real(40, 0.0) &&
        p.widthFactor == f.real(41, 1.0) && sameAngle(p.rotation, f, 50) &&
        sameAngle(p.oblique, f, 51) && p.normal == f.point(210, kUnitZ))) {
    return false;
  }
  const std::string& style = context.document.textStyles()[text.style].name;
  return encodeText(text.text, context.encoding) == f.text(1) &&
         encodeName(style, context.encoding) == f.text(7, "Standard");
}

}  // namespace host::dxf
