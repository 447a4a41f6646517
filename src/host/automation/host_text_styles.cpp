#include "host/automation/host_text_styles.h"

#include <utility>

#include "host/automation/call_guard.h"
#include "host/automation/make_ref.h"

namespace host {

HostTextStyle::HostTextStyle(std::shared_ptr<HostedDrawing> document, model::StyleIndex style)
    : document_(std::move(document)), style_(style) {}

const model::TextStyle& HostTextStyle::current() const {
  if (style_ >= document_->model().textStyles().size()) {
    throw methodFailed("The text style has been erased");
  }
  return document_->model().textStyles()[style_];
}

std::string HostTextStyle::fontFile() {
  return current().fontFile;
}

void HostTextStyle::fontFile(const std::string& file) {
  model::TextStyle changed = current();
  changed.fontFile = file;
  guardedCall(*document_, [&] { document_->model().setTextStyle(style_, changed); });
}

HostTextStyles::HostTextStyles(std::shared_ptr<HostedDrawing> document)
    : document_(std::move(document)) {}

cad::Ref<cad::TextStyle> HostTextStyles::Add(const std::string& name) {
  return guardedCall(*document_, [&]() -> cad::Ref<cad::TextStyle> {
    return makeRef<cad::TextStyle, HostTextStyle>(document_, document_->model().addTextStyle(name));
  });
}

}  // namespace host
