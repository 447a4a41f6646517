#include <string>
#include <utility>
#include <vector>

#include "cad/com/com_error.h"
#include "cad/com/com_objects.h"
#include "cad/com/variant_values.h"

// Model space, entities and block definitions.
namespace cad::com {
namespace {

class ComEntity : public Entity, public ComObject {
 public:
  using ComObject::ComObject;

  void Delete() override { object().call("Delete"); }
  void TransformBy(const Matrix4& matrix) override {
    object().call("TransformBy", {matrixValue(matrix)});
  }
  void Rotate3D(const Point3& axisPoint1, const Point3& axisPoint2, double angle) override {
    object().call("Rotate3D", {pointValue(axisPoint1), pointValue(axisPoint2), doubleValue(angle)});
  }
  std::string Layer() override { return toText(object().get("Layer")); }
  void Layer(const std::string& name) override { object().put("Layer", textValue(name)); }
  Color color() override { return toInt32(object().get("color")); }
  void color(Color value) override { object().put("color", int32Value(value)); }
  void Highlight(bool highlight) override { object().call("Highlight", {boolValue(highlight)}); }
};

class ComModelSpace : public ModelSpace, public ComObject {
 public:
  using ComObject::ComObject;

  Ref<Entity> InsertBlock(const Point3& insertionPoint, const std::string& name, double xScale,
                          double yScale, double zScale, double rotation) override {
    return created(object().call(
        "InsertBlock", {pointValue(insertionPoint), textValue(name), doubleValue(xScale),
                        doubleValue(yScale), doubleValue(zScale), doubleValue(rotation)}));
  }
  Ref<Entity> AddText(const std::string& text, const Point3& insertionPoint,
                      double height) override {
    return created(object().call(
        "AddText", {textValue(text), pointValue(insertionPoint), doubleValue(height)}));
  }
  Ref<Entity> AddEllipse(const Point3& center, const Point3& majorAxis,
                         double radiusRatio) override {
    return created(object().call(
        "AddEllipse", {pointValue(center), pointValue(majorAxis), doubleValue(radiusRatio)}));
  }
  Ref<Entity> AddLine(const Point3& start, const Point3& end) override {
    return created(object().call("AddLine", {pointValue(start), pointValue(end)}));
  }
  Ref<Entity> AddCircle(const Point3& center, double radius) override {
    return created(object().call("AddCircle", {pointValue(center), doubleValue(radius)}));
  }

 private:
  Ref<Entity> created(const Variant& result) {
    return wrapAs<ComEntity, Entity>(object().objectIn(result));
  }
};

class ComBlockDefinition : public BlockDefinition, public ComObject {
 public:
  using ComObject::ComObject;

  std::string Name() override { return toText(object().get("Name")); }
  Ref<Entity> Add3DPoly(const std::vector<double>& vertices) override {
    return wrapAs<ComEntity, Entity>(
        object().objectIn(object().call("Add3DPoly", {doublesValue(vertices)})));
  }
};

// The enumerator that _NewEnum hands out, released when it goes.
class VariantEnumerator {
 public:
  explicit VariantEnumerator(IEnumVARIANT* enumerator) : enumerator_(enumerator) {}
  ~VariantEnumerator() { enumerator_->Release(); }
  VariantEnumerator(const VariantEnumerator&) = delete;
  VariantEnumerator& operator=(const VariantEnumerator&) = delete;

  // The next item, or nothing at the end.
  std::optional<Variant> next() {
    VARIANT item;
    VariantInit(&item);
    ULONG fetched = 0;
    const HRESULT hr = enumerator_->Next(1, &item, &fetched);
    if (FAILED(hr)) throw comError(hr, "The collection could not be enumerated");
    if (hr == S_FALSE || fetched == 0) return std::nullopt;
    return Variant::adopt(item);
  }

 private:
  IEnumVARIANT* enumerator_;
};

class ComBlocks : public Blocks, public ComObject {
 public:
  using ComObject::ComObject;

  std::vector<Ref<BlockDefinition>> Enumerate() override {
    VariantEnumerator enumerator(newEnum());
    std::vector<Ref<BlockDefinition>> blocks;
    while (std::optional<Variant> item = enumerator.next()) {
      blocks.push_back(wrapAs<ComBlockDefinition, BlockDefinition>(object().objectIn(*item)));
    }
    return blocks;
  }
  Ref<BlockDefinition> Add(const Point3& insertionPoint, const std::string& name) override {
    return wrapAs<ComBlockDefinition, BlockDefinition>(
        object().objectIn(object().call("Add", {pointValue(insertionPoint), textValue(name)})));
  }

 private:
  // The collection's enumerator, asked for the way For Each asks for it.
  IEnumVARIANT* newEnum() {
    const Variant result =
        object().invoke(DISPID_NEWENUM, DISPATCH_METHOD | DISPATCH_PROPERTYGET, {});
    IUnknown* unknown = nullptr;
    if (result.type() == VT_UNKNOWN) unknown = result.raw().punkVal;
    if (result.type() == VT_DISPATCH) unknown = result.raw().pdispVal;
    if (!unknown) throw typeMismatch();
    IEnumVARIANT* enumerator = nullptr;
    const HRESULT hr =
        unknown->QueryInterface(IID_IEnumVARIANT, reinterpret_cast<void**>(&enumerator));
    if (FAILED(hr)) throw comError(hr, "The collection has no enumerator");
    return enumerator;
  }
};

}  // namespace

Ref<ModelSpace> wrapModelSpace(const std::optional<Dispatch>& modelSpace) {
  return wrapAs<ComModelSpace, ModelSpace>(modelSpace);
}

Ref<Blocks> wrapBlocks(const std::optional<Dispatch>& blocks) {
  return wrapAs<ComBlocks, Blocks>(blocks);
}

}  // namespace cad::com
