#include "site_drawing.h"

#include "host/model/document.h"
#include "host/view-files/drawing_files.h"

namespace e2e {

void writeSiteDrawing(const SiteDrawing& site, const std::filesystem::path& path) {
  host::model::Document document;
  host::model::HeaderVariables header = document.header();
  header.luprec = site.luprec;
  document.setHeader(header);
  if (!site.ucs.name.empty()) document.defineUcs(site.ucs.name, site.ucs.frame);
  document.setCurrentUcs(site.ucs);
  for (const Eigen::Vector3d& point : site.points) {
    document.addEntity(host::model::BlockTable::kModelSpace, host::model::Point{point});
  }
  host::view::writeDrawingFile(document, path);
}

}  // namespace e2e
