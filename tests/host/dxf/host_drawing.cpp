#include "host_drawing.h"

#include <unistd.h>

#include <fstream>
#include <numbers>
#include <sstream>

namespace host::dxf::testing {

using Eigen::Vector3d;

geom::Frame originalUcsFrame() {
  const Eigen::Matrix3d turn =
      Eigen::AngleAxisd(0.7, Vector3d(1.0, -2.0, 3.0).normalized()).toRotationMatrix();
  return geom::Frame::fromDirections(Vector3d(1234567.891, -7654321.123, 45.5), turn.col(0),
                                     turn.col(1));
}

std::unique_ptr<model::Document> hostDrawing() {
  auto document = std::make_unique<model::Document>();
  model::Document& d = *document;
  d.setHeader({.luprec = 3, .tilemode = false, .insunits = 6, .elevation = 45.125});
  const model::StyleIndex mono = d.addTextStyle("mono25");
  d.setTextStyle(mono, {"mono25", "monotxt.shx", 0.0});
  d.setActiveTextStyle(mono);
  const model::LayerIndex survey = d.addLayer({"Survey Ø", 3});

  const model::BlockIndex arrow = d.addBlock("ArrowX1", Vector3d::Zero());
  model::Polyline3d shape;
  shape.vertices = {{0, 0, 0}, {3, 0, 0},      {1.75, 0.5, 0},  {1.75, -0.5, 0},
                    {3, 0, 0}, {1.75, 0, 0.5}, {1.75, 0, -0.5}, {3, 0, 0}};
  shape.vertices.resize(15, Vector3d::Zero());
  d.addEntity(arrow, shape);

  const geom::Frame ucs = originalUcsFrame();
  d.defineUcs("OriginalUCS", ucs);
  d.setCurrentUcs({"OriginalUCS", ucs});
  const Eigen::Affine3d toWorld(ucs.matrix());
  const double textHeight = 0.25;
  const double quarterTurn = 3.141592653589 / 2.0;

  // X arrow pointing back (turned half a turn), Y arrow, Z arrow stood up a quarter turn.
  const auto arrowAt = [&](const Vector3d& base, double turn) {
    Eigen::Affine3d placement = Eigen::Translation3d(base) *
                                Eigen::AngleAxisd(turn, Vector3d::UnitZ()) *
                                Eigen::Scaling(textHeight, textHeight, textHeight);
    return model::BlockReference{arrow, toWorld * placement};
  };
  const Vector3d base(10.125, -3.5, 0.75);
  d.addEntity(model::BlockTable::kModelSpace,
              model::BlockReference(arrowAt(base, 2.0 * quarterTurn)));
  d.addEntity(model::BlockTable::kModelSpace, model::BlockReference(arrowAt(base, quarterTurn)),
              survey);
  model::BlockReference zArrow = arrowAt(base, quarterTurn);
  zArrow.placement = toWorld * Eigen::Affine3d(Eigen::AngleAxisd(quarterTurn, Vector3d::UnitX())) *
                     toWorld.inverse() * zArrow.placement;
  d.addEntity(model::BlockTable::kModelSpace, zArrow);

  model::Text label;
  label.text = "-0.125";
  label.height = textHeight;
  label.style = mono;
  label.placement = toWorld * Eigen::Translation3d(base + Vector3d(0.25, 0.1, 0.0));
  d.addEntity(model::BlockTable::kModelSpace, label);
  model::Text standing = label;
  standing.text = "Größe 0.250 µm";
  standing.placement =
      toWorld * Eigen::AngleAxisd(quarterTurn, Vector3d::UnitX()) * Eigen::Translation3d(base);
  d.addEntity(model::BlockTable::kModelSpace, standing, survey);

  model::Ellipse bubble;
  bubble.shape.centre = ucs.pointToWorld(base + Vector3d(1.0, 0.0, 0.0));
  bubble.shape.majorAxis = ucs.vectorToWorld(Vector3d(0.75, 0.0, 0.0));
  bubble.shape.normal = ucs.zAxis();
  bubble.shape.ratio = 0.4;
  d.addEntity(model::BlockTable::kModelSpace, bubble);
  model::Ellipse part = bubble;
  part.shape.startParameter = 0.3;
  part.shape.endParameter = 4.9;
  part.shape.normal = -ucs.zAxis();
  d.addEntity(model::BlockTable::kModelSpace, part);

  d.addEntity(model::BlockTable::kModelSpace,
              model::Line{ucs.pointToWorld(base), ucs.pointToWorld(base + Vector3d(5, 4, 0))});
  d.addEntity(model::BlockTable::kModelSpace,
              model::Point{Vector3d(0.1, 0.2, 0.30000000000000004)});

  d.addEntity(model::BlockTable::kModelSpace,
              model::Circle{Vector3d(5, 6, 7), 2.5, Vector3d(0.6, 0.0, 0.8)});
  d.addEntity(model::BlockTable::kModelSpace,
              model::Arc{Vector3d(-5, 6, 7), 1.5, Vector3d(0, 0, -1), 0.25, 2.5});
  model::Polyline2d outline;
  outline.vertices = {{{0, 0}, 0.0}, {{4, 0}, 0.5}, {{4, 3}, 0.0}};
  outline.closed = true;
  outline.elevation = 2.0;
  outline.extrusion = Vector3d(0, 0.6, 0.8);
  d.addEntity(model::BlockTable::kModelSpace, outline);
  model::MText note;
  note.insertion = Vector3d(1, 2, 3);
  note.text.assign(300, 'a');
  note.text += "\\Pnext line – end";
  note.height = 0.5;
  note.width = 12.0;
  note.direction = Vector3d(0.6, 0.8, 0.0);
  note.style = mono;
  d.addEntity(model::BlockTable::kModelSpace, note);
  return document;
}

std::filesystem::path scratchDirectory(const std::string& name) {
  const auto directory = std::filesystem::temp_directory_path() /
                         ("kestova_dxf_tests_" + std::to_string(::getpid())) / name;
  std::filesystem::remove_all(directory);
  std::filesystem::create_directories(directory);
  return directory;
}

std::string readFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

void writeFile(const std::filesystem::path& path, const std::string& content) {
  std::ofstream out(path, std::ios::binary);
  out << content;
}

}  // namespace host::dxf::testing
