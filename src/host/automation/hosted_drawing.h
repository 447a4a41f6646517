#pragma once

#include <memory>
#include <utility>

#include "host/automation/window_control.h"
#include "host/model/document.h"

namespace host {

// What a call on a drawing the user has closed fails with.
inline constexpr const char* kDrawingClosed = "The drawing has been closed";

// A drawing open in the host application, as its automation objects hold it. When the user
// closes the drawing the application closes this too, and from then on every automation call
// on the drawing fails instead of changing a drawing nobody can see or save.
class HostedDrawing {
 public:
  explicit HostedDrawing(std::shared_ptr<model::Document> document)
      : document_(std::move(document)) {}

  // The drawing; fails with "The drawing has been closed" once it is closed.
  model::Document& model() const;
  // The drawing whether open or not, for telling drawings apart.
  const std::shared_ptr<model::Document>& document() const { return document_; }

  void close() { closed_ = true; }
  bool closed() const { return closed_; }

  // The window that shows this drawing, if any.
  void setWindow(std::shared_ptr<WindowControl> window) { window_ = std::move(window); }
  WindowControl* window() const { return window_.get(); }

 private:
  std::shared_ptr<model::Document> document_;
  bool closed_ = false;
  std::shared_ptr<WindowControl> window_;
};

}  // namespace host
