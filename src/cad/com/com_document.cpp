#include <string>
#include <vector>

#include "cad/com/com_error.h"
#include "cad/com/com_objects.h"
#include "cad/com/variant_values.h"

// The application, its document and the document's tables and Utility object.
namespace cad::com {
namespace {

class ComTextStyle : public TextStyle, public ComObject {
 public:
  using ComObject::ComObject;

  std::string fontFile() override { return toText(object().get("fontFile")); }
  void fontFile(const std::string& file) override { object().put("fontFile", textValue(file)); }
};

class ComTextStyles : public TextStyles, public ComObject {
 public:
  using ComObject::ComObject;

  Ref<TextStyle> Add(const std::string& name) override {
    return wrapAs<ComTextStyle, TextStyle>(
        object().objectIn(object().call("Add", {textValue(name)})));
  }
};

class ComUcs : public UCS, public ComObject {
 public:
  using ComObject::ComObject;

  std::string Name() override { return toText(object().get("Name")); }
  Matrix4 GetUCSMatrix() override { return toMatrix(object().call("GetUCSMatrix")); }
  void Delete() override { object().call("Delete"); }
};

class ComUserCoordinateSystems : public UserCoordinateSystems, public ComObject {
 public:
  using ComObject::ComObject;

  Ref<UCS> Add(const Point3& origin, const Point3& xAxisPoint, const Point3& yAxisPoint,
               const std::string& name) override {
    return wrapAs<ComUcs, UCS>(
        object().objectIn(object().call("Add", {pointValue(origin), pointValue(xAxisPoint),
                                                pointValue(yAxisPoint), textValue(name)})));
  }
};

class ComUtility : public Utility, public ComObject {
 public:
  using ComObject::ComObject;

  Point3 GetPoint(const std::optional<Point3>& basePoint, const std::string& prompt) override {
    return toPoint(object().call(
        "GetPoint", {basePoint ? pointValue(*basePoint) : missingValue(), textValue(prompt)}));
  }
  Point3 TranslateCoordinates(const Point3& point, std::int32_t fromSystem, std::int32_t toSystem,
                              std::int16_t displacement) override {
    return toPoint(
        object().call("TranslateCoordinates", {pointValue(point), int32Value(fromSystem),
                                               int32Value(toSystem), int16Value(displacement)}));
  }
};

class ComDocument : public Document, public ComObject {
 public:
  using ComObject::ComObject;

  Ref<cad::ModelSpace> ModelSpace() override { return wrapModelSpace(property("ModelSpace")); }
  Ref<cad::Utility> Utility() override {
    return wrapAs<ComUtility, cad::Utility>(property("Utility"));
  }
  Variable GetVariable(const std::string& name) override {
    return toVariable(object().call("GetVariable", {textValue(name)}));
  }
  Ref<cad::TextStyles> TextStyles() override {
    return wrapAs<ComTextStyles, cad::TextStyles>(property("TextStyles"));
  }
  Ref<TextStyle> ActiveTextStyle() override {
    return wrapAs<ComTextStyle, TextStyle>(property("ActiveTextStyle"));
  }
  void ActiveTextStyle(const Ref<TextStyle>& style) override {
    object().putObject("ActiveTextStyle", objectValue(ownObject(style)));
  }
  Ref<cad::Blocks> Blocks() override { return wrapBlocks(property("Blocks")); }
  Ref<cad::UserCoordinateSystems> UserCoordinateSystems() override {
    return wrapAs<ComUserCoordinateSystems, cad::UserCoordinateSystems>(
        property("UserCoordinateSystems"));
  }
  Ref<UCS> ActiveUCS() override { return wrapAs<ComUcs, UCS>(property("ActiveUCS")); }
  Ref<cad::Layers> Layers() override { return wrapLayers(property("Layers")); }
  Ref<Layer> ActiveLayer() override { return wrapLayer(property("ActiveLayer")); }
  void ActiveLayer(const Ref<Layer>& layer) override {
    object().putObject("ActiveLayer", objectValue(ownObject(layer)));
  }

 private:
  std::optional<Dispatch> property(const char* name) {
    return object().objectIn(object().get(name));
  }
};

class ComApplication : public Application, public ComObject {
 public:
  using ComObject::ComObject;

  Ref<Document> ActiveDocument() override {
    return wrapAs<ComDocument, Document>(object().objectIn(object().get("ActiveDocument")));
  }
  bool Visible() override { return toBool(object().get("Visible")); }
  void Visible(bool visible) override { object().put("Visible", boolValue(visible)); }
  void ZoomWindow(const Point3& lowerLeft, const Point3& upperRight) override {
    object().call("ZoomWindow", {pointValue(lowerLeft), pointValue(upperRight)});
  }
};

}  // namespace

Ref<Application> wrapApplication(const Dispatch& application) {
  return wrapAs<ComApplication, Application>(application);
}

}  // namespace cad::com
