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
    Rgb colour;
    double width = 1.0;  // pixels
  };
  struct Fill {
    std::vector<std::vector<Eigen::Vector2d>> loops;
    bool light;
    Rgb colour;
    double width = 1.0;  // of its outline, pixels
  };
  struct Label {
    Ink ink;
    std::string text;
    Eigen::Affine2d textToScreen;
    TextFit fit;
    Rgb colour;
  };
  struct Mark {
    Ink ink;
    Eigen::Vector2d at;
    Marker marker;
    Rgb colour;
  };

  std::vector<Stroke> strokes;
  std::vector<Fill> fills;
  std::vector<Label> labels;
  std::vector<Mark> marks;

  void setInk(Ink ink) override {
    ink_ = ink;
    width_ = 1.0;
  }
  void setColour(Rgb colour) override { colour_ = colour; }
  void setLineWidth(double pixels) override { width_ = pixels; }
  void polyline(const std::vector<Eigen::Vector2d>& points, bool closed) override {
    strokes.push_back({ink_, points, closed, colour_, width_});
  }
  void fill(const std::vector<std::vector<Eigen::Vector2d>>& loops, bool light) override {
    fills.push_back({loops, light, colour_, width_});
  }
  void text(const std::string& text, const Eigen::Affine2d& textToScreen,
            const TextFit& fit) override {
    labels.push_back({ink_, text, textToScreen, fit, colour_});
  }
  void marker(const Eigen::Vector2d& at, Marker marker) override {
    marks.push_back({ink_, at, marker, colour_});
  }

 private:
  Ink ink_ = Ink::Entity;
  Rgb colour_ = kForeground;
  double width_ = 1.0;
};

}  // namespace host::view
