#include "check/window/surface_options_box.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLineEdit>

#include "survey/surface_check.h"

namespace check {

SurfaceOptionsBox::SurfaceOptionsBox(QWidget* parent)
    : AgainstOptionsBox(survey::surfaceComponents(), parent),
      volumes_(new QCheckBox("Cut and fill volumes", this)) {
  addField("--surface", "Surface:", "the file's only surface")
      ->setToolTip("The name of the surface in a LandXML file that holds several");
  addField("--layer", "Faces on layer:", "every layer")
      ->setToolTip("The layer of a drawing's 3D faces and polyface meshes");
  addField("--breaklines-layer", "Breaklines layer:", "none")
      ->setToolTip("The layer of the 3D polylines the triangulation of design points keeps to");
  addField("--max-edge", "Longest edge:", "no limit")
      ->setToolTip("Triangles along the hull of design points with a longer edge are left out");
  volumes_->setObjectName("volumes");
  form_->addRow(volumes_);
  grid_ = addField("--grid", "Volumes grid:", "none");
  grid_->setToolTip("The volumes per square of this side as well");
  grid_->setEnabled(false);
  connect(volumes_, &QCheckBox::toggled, grid_, &QWidget::setEnabled);
}

SurfaceOptions SurfaceOptionsBox::options() const {
  SurfaceOptions options;
  applyFields([&options, this](const std::string& name, const std::string& value) {
    if (name != "--grid" || volumes_->isChecked()) applySurfaceOption(options, name, value);
  });
  options.volumes = volumes_->isChecked();
  return options;
}

std::vector<PresetLine> SurfaceOptionsBox::lines() const {
  std::vector<PresetLine> lines = AgainstOptionsBox::lines();
  lines.push_back({"volumes", volumes_->isChecked() ? "yes" : "no"});
  return lines;
}

void SurfaceOptionsBox::showLines(const std::vector<PresetLine>& lines) {
  AgainstOptionsBox::showLines(lines);
  volumes_->setChecked(false);
  for (const PresetLine& line : lines) {
    if (line.key == "volumes") volumes_->setChecked(line.value == "yes");
  }
}

}  // namespace check
