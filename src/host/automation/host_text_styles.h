#pragma once

#include <memory>

#include "cad/automation.h"
#include "host/automation/hosted_drawing.h"

namespace host {

class HostTextStyle : public cad::TextStyle {
 public:
  HostTextStyle(std::shared_ptr<HostedDrawing> document, model::StyleIndex style);

  std::string fontFile() override;
  void fontFile(const std::string& file) override;

  const std::shared_ptr<HostedDrawing>& document() const { return document_; }
  model::StyleIndex style() const { return style_; }

 private:
  std::shared_ptr<HostedDrawing> document_;
  model::StyleIndex style_;

  const model::TextStyle& current() const;
};

class HostTextStyles : public cad::TextStyles {
 public:
  explicit HostTextStyles(std::shared_ptr<HostedDrawing> document);
  // An existing name, in any case of letters, returns that style unchanged.
  cad::Ref<cad::TextStyle> Add(const std::string& name) override;

 private:
  std::shared_ptr<HostedDrawing> document_;
};

}  // namespace host
