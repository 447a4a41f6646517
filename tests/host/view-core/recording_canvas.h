#pragma once

#include <string>
#include <vector>

#include "host/view-core/canvas.h"

namespace host::view {

// Remembers what the renderer asked to paint, in screen pixels.
class RecordingCanvas : public Canvas {
 public:
  struct Stroke {
    Ink ink;
    std::vector<Eigen::Vector2d> points;
    bool closed;
  };
  struct Label {
    Ink ink;
    std::string text;
    Eigen::Affine2d textToScreen;
  };
  struct Mark {
    Ink ink;
    Eigen::Vector2d at;
    Marker marker;
  };

  std::vector<Stroke> strokes;
  std::vector<Label> labels;
  std::vector<Mark> marks;

  void setInk(Ink ink) override { ink_ = ink; }
  void polyline(const std::vector<Eigen::Vector2d>& points, bool closed) override {
    strokes.push_back({ink_, points, closed});
  }
  void text(const std::string& text, const Eigen::Affine2d& textToScreen) override {
    labels.push_back({ink_, text, textToScreen});
  }
  void marker(const Eigen::Vector2d& at, Marker marker) override {
    marks.push_back({ink_, at, marker});
  }

 private:
  Ink ink_ = Ink::Entity;
};

}  // namespace host::view
