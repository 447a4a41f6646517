#pragma once

#include <memory>
#include <vector>

#include "cad/automation.h"
#include "host/automation/hosted_drawing.h"
#include "host/automation/point_source.h"
#include "host/automation/window_control.h"
#include "host/model/document.h"

namespace host {

// The CAD application: its open drawings, one of them active, and where point requests go.
// The drawing window opens and closes drawings here.
class HostApplication : public cad::Application,
                        public std::enable_shared_from_this<HostApplication> {
 public:
  // No drawing open; point requests are cancelled until a source is set.
  HostApplication();
  // A new application with one new, empty drawing.
  static std::shared_ptr<HostApplication> withNewDrawing();

  // --- cad::Application ---
  // Fails when no drawing is open.
  cad::Ref<cad::Document> ActiveDocument() override;
  bool Visible() override { return visible_; }
  void Visible(bool visible) override { visible_ = visible; }
  // Fails when no drawing is open or a corner is not finite.
  void ZoomWindow(const cad::Point3& lowerLeft, const cad::Point3& upperRight) override;

  // --- For the window and tests ---
  // Opens a drawing and makes it the active one.
  void addDocument(std::shared_ptr<model::Document> document);
  // Closes a drawing: automation calls on it fail from now on, and the one before it (or the
  // first) becomes active. Unknown: no change.
  void closeDocument(const model::Document& document);
  // Makes an open drawing the active one. Unknown: no change.
  void activate(const model::Document& document);
  std::vector<std::shared_ptr<model::Document>> documents() const;
  // The active drawing, or null when none is open.
  std::shared_ptr<model::Document> activeModel() const;

  void setPointSource(std::shared_ptr<PointSource> source) { pointSource_ = std::move(source); }
  PointSource& pointSource() const { return *pointSource_; }
  // The window that shows every open drawing, for zooms and highlights.
  void setWindowControl(std::shared_ptr<WindowControl> window);

 private:
  std::vector<std::shared_ptr<HostedDrawing>> drawings_;
  std::size_t active_ = 0;
  bool visible_ = false;
  std::shared_ptr<PointSource> pointSource_;
  std::shared_ptr<WindowControl> window_;
};

}  // namespace host
