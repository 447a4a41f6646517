#pragma once

#include <memory>

#include "cad/automation.h"
#include "host/automation/hosted_drawing.h"

namespace host {

class HostApplication;

// One open drawing as automation clients see it.
class HostDocument : public cad::Document {
 public:
  HostDocument(std::shared_ptr<HostApplication> application,
               std::shared_ptr<HostedDrawing> document);

  cad::Ref<cad::ModelSpace> ModelSpace() override;
  cad::Ref<cad::Utility> Utility() override;
  // Fails for a name the drawing does not know.
  cad::Variable GetVariable(const std::string& name) override;
  cad::Ref<cad::TextStyles> TextStyles() override;
  cad::Ref<cad::TextStyle> ActiveTextStyle() override;
  // Fails for a style of another drawing.
  void ActiveTextStyle(const cad::Ref<cad::TextStyle>& style) override;
  cad::Ref<cad::Blocks> Blocks() override;
  cad::Ref<cad::UserCoordinateSystems> UserCoordinateSystems() override;
  cad::Ref<cad::UCS> ActiveUCS() override;
  cad::Ref<cad::Layers> Layers() override;
  cad::Ref<cad::Layer> ActiveLayer() override;
  // Fails for a layer of another drawing or one that is gone.
  void ActiveLayer(const cad::Ref<cad::Layer>& layer) override;

  const std::shared_ptr<model::Document>& model() const { return document_->document(); }

 private:
  std::shared_ptr<HostApplication> application_;
  std::shared_ptr<HostedDrawing> document_;
};

// The drawing behind an automation document of this host; null for an empty reference or a
// document of another kind.
std::shared_ptr<model::Document> modelOf(const cad::Ref<cad::Document>& document);

}  // namespace host
