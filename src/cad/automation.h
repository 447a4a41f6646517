#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "cad/ref.h"
#include "cad/types.h"

// The CAD program's automation object model, as far as Kestova uses it. Members keep the
// names the CAD program gives them; a property that can be written is a pair of overloads
// (get without arguments, put with the value). Every member may throw AutomationError.
namespace cad {

// Any drawing entity the program creates.
class Entity {
 public:
  virtual ~Entity() = default;
  // Removes it from the drawing; every later call on it fails.
  virtual void Delete() = 0;
  // Applies an affine transformation given as a 4x4 matrix.
  virtual void TransformBy(const Matrix4& matrix) = 0;
  // Turns by `angle` radians about the axis from `axisPoint1` to `axisPoint2`, right-hand rule.
  virtual void Rotate3D(const Point3& axisPoint1, const Point3& axisPoint2, double angle) = 0;
  // The name of the layer it is on; it can only be put on a layer the drawing has.
  virtual std::string Layer() = 0;
  virtual void Layer(const std::string& name) = 0;
  // kByLayer, kByBlock or 1..255.
  virtual Color color() = 0;
  virtual void color(Color value) = 0;
  // Shows it selected in the drawing window (true) or as usual (false).
  virtual void Highlight(bool highlight) = 0;
};

// Model space (or a block definition): the collection that receives new entities.
class ModelSpace {
 public:
  virtual ~ModelSpace() = default;
  virtual Ref<Entity> InsertBlock(const Point3& insertionPoint, const std::string& name,
                                  double xScale, double yScale, double zScale, double rotation) = 0;
  virtual Ref<Entity> AddText(const std::string& text, const Point3& insertionPoint,
                              double height) = 0;
  virtual Ref<Entity> AddEllipse(const Point3& center, const Point3& majorAxis,
                                 double radiusRatio) = 0;
  virtual Ref<Entity> AddLine(const Point3& start, const Point3& end) = 0;
  // A circle in the world XY plane.
  virtual Ref<Entity> AddCircle(const Point3& center, double radius) = 0;
};

class BlockDefinition {
 public:
  virtual ~BlockDefinition() = default;
  virtual std::string Name() = 0;
  // A 3D polyline through the vertices given as x, y, z triples.
  virtual Ref<Entity> Add3DPoly(const std::vector<double>& vertices) = 0;
};

class Blocks {
 public:
  virtual ~Blocks() = default;
  // The block definitions in the collection's own order.
  virtual std::vector<Ref<BlockDefinition>> Enumerate() = 0;
  virtual Ref<BlockDefinition> Add(const Point3& insertionPoint, const std::string& name) = 0;
};

class TextStyle {
 public:
  virtual ~TextStyle() = default;
  virtual std::string fontFile() = 0;
  virtual void fontFile(const std::string& file) = 0;
};

class TextStyles {
 public:
  virtual ~TextStyles() = default;
  // Adds a style, or returns the existing style of that name.
  virtual Ref<TextStyle> Add(const std::string& name) = 0;
};

class UCS {
 public:
  virtual ~UCS() = default;
  virtual std::string Name() = 0;
  // The matrix that maps this UCS's coordinates to world coordinates.
  virtual Matrix4 GetUCSMatrix() = 0;
  virtual void Delete() = 0;
};

class UserCoordinateSystems {
 public:
  virtual ~UserCoordinateSystems() = default;
  // Axes run from `origin` to the two points (all in world coordinates). An existing name is
  // redefined and returned.
  virtual Ref<UCS> Add(const Point3& origin, const Point3& xAxisPoint, const Point3& yAxisPoint,
                       const std::string& name) = 0;
};

class Utility {
 public:
  virtual ~Utility() = default;
  // Asks the user for a point; the answer is in world coordinates. A cancelled request fails.
  virtual Point3 GetPoint(const std::optional<Point3>& basePoint, const std::string& prompt) = 0;
  // Converts between coordinate systems (kWorld, kUcs). A displacement ignores the origins.
  virtual Point3 TranslateCoordinates(const Point3& point, std::int32_t fromSystem,
                                      std::int32_t toSystem, std::int16_t displacement) = 0;
};

class Layer {
 public:
  virtual ~Layer() = default;
  virtual std::string Name() = 0;
  // 1..255.
  virtual Color color() = 0;
  virtual void color(Color value) = 0;
};

class Layers {
 public:
  virtual ~Layers() = default;
  // Adds a layer, or returns the existing layer of that name. A name must not be empty nor
  // hold any of < > / \ " : ; ? * | , = `
  virtual Ref<Layer> Add(const std::string& name) = 0;
  // The layer of that name; fails when there is none.
  virtual Ref<Layer> Item(const std::string& name) = 0;
};

// What GetVariable hands back: a whole number, a text or a point.
using Variable = std::variant<std::int32_t, std::string, Point3>;

class Document {
 public:
  virtual ~Document() = default;
  // Always model space, whichever space the drawing shows.
  virtual Ref<cad::ModelSpace> ModelSpace() = 0;
  virtual Ref<cad::Utility> Utility() = 0;
  virtual Variable GetVariable(const std::string& name) = 0;
  virtual Ref<cad::TextStyles> TextStyles() = 0;
  virtual Ref<cad::TextStyle> ActiveTextStyle() = 0;
  virtual void ActiveTextStyle(const Ref<cad::TextStyle>& style) = 0;
  virtual Ref<cad::Blocks> Blocks() = 0;
  virtual Ref<cad::UserCoordinateSystems> UserCoordinateSystems() = 0;
  // The current UCS. An unnamed current UCS comes back as a UCS named "_Active" that is not in
  // the drawing's table; deleting it removes nothing.
  virtual Ref<cad::UCS> ActiveUCS() = 0;
  virtual Ref<cad::Layers> Layers() = 0;
  // The layer new entities go on.
  virtual Ref<cad::Layer> ActiveLayer() = 0;
  virtual void ActiveLayer(const Ref<cad::Layer>& layer) = 0;
};

class Application {
 public:
  virtual ~Application() = default;
  virtual Ref<cad::Document> ActiveDocument() = 0;
  virtual bool Visible() = 0;
  virtual void Visible(bool visible) = 0;
  // Makes the active drawing's view show the box with these corners (world coordinates).
  virtual void ZoomWindow(const Point3& lowerLeft, const Point3& upperRight) = 0;
};

}  // namespace cad
