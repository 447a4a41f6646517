#include "site_drawing.h"

#include <cmath>

#include "host/dxf/save.h"
#include "host/model/document.h"

namespace check::fixtures {

host::geom::Frame currentSiteUcs() {
  const double turn = 0.5235987755982988;  // 30°
  return host::geom::Frame::fromDirections({512345.678, 5401234.567, 123.45},
                                           {std::cos(turn), std::sin(turn), 0.1},
                                           {-std::sin(turn), std::cos(turn), 0.3});
}

host::geom::Frame namedSiteUcs() {
  return host::geom::Frame::fromDirections({1000, 2000, 0}, {0, 1, 0}, {-1, 0, 0});
}

void saveSiteDrawing(const std::filesystem::path& path) {
  host::model::Document drawing;
  drawing.defineUcs("SITE", namedSiteUcs());
  drawing.setCurrentUcs({"", currentSiteUcs()});
  host::model::HeaderVariables header = drawing.header();
  header.luprec = 4;
  drawing.setHeader(header);
  host::dxf::saveDxf(drawing, path);
}

}  // namespace check::fixtures
