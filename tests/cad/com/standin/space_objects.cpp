#include <cwctype>

#include "standin/drawing_objects.h"
#include "standin/protocol.h"

// Model space, the entities it receives, and the block table.
namespace standin {
namespace {

bool sameName(const std::wstring& a, const std::wstring& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::towlower(a[i]) != std::towlower(b[i])) return false;
  }
  return true;
}

// The name the drawing gives the block of that name in any case of letters; empty when none.
std::wstring blockNamed(const Server& server, const std::wstring& name) {
  for (const std::wstring& block : server.blockNames) {
    if (sameName(block, name)) return block;
  }
  return {};
}

bool blockExists(const Server& server, const std::wstring& name) {
  return !blockNamed(server, name).empty();
}

const Fault kInvalidInput{E_INVALIDARG, L"Invalid input"};

// What the CAD program refuses to place: a matrix that flattens, an axis of no length.
void requireRegular(const Matrix& m) {
  const double determinant = m[0][0] * (m[1][1] * m[2][2] - m[1][2] * m[2][1]) -
                             m[0][1] * (m[1][0] * m[2][2] - m[1][2] * m[2][0]) +
                             m[0][2] * (m[1][0] * m[2][1] - m[1][1] * m[2][0]);
  if (determinant == 0) throw kInvalidInput;
}

void requireDistinct(const Point& a, const Point& b) {
  if (a == b) throw kInvalidInput;
}

// Drawn on the active layer, coloured ByLayer.
class Entity : public DispatchObject {
 public:
  Entity(Server& server, std::string kind)
      : DispatchObject(server, std::move(kind),
                       {{L"TransformBy", Access::Method},
                        {L"Rotate3D", Access::Method},
                        {L"Delete", Access::Method},
                        {L"Highlight", Access::Method},
                        {L"Layer", Access::GetPut},
                        {L"color", Access::GetPut}}),
        layer_(server.activeLayer) {}

 protected:
  void perform(const Call& call, VARIANT& result) override {
    if (deleted_) throw Fault{kObjectDeleted, L""};
    if (call.member == L"Layer" || call.member == L"color") return property(call, result);
    if (call.member == L"Delete") {
      expectArguments(call, 0);
      deleted_ = true;
    } else if (call.member == L"Highlight") {
      expectArguments(call, 1);
      boolOf(call.argument(0));
    } else if (call.member == L"TransformBy") {
      expectArguments(call, 1);
      requireRegular(matrixOf(call.argument(0)));
    } else {
      expectArguments(call, 3);
      requireDistinct(pointOf(call.argument(0)), pointOf(call.argument(1)));
      doubleOf(call.argument(2));
    }
  }

 private:
  void property(const Call& call, VARIANT& result) {
    const bool isLayer = call.member == L"Layer";
    if (call.kind == DISPATCH_PROPERTYPUT) {
      expectArguments(call, 1);
      if (isLayer) {
        layer_ = findLayer(server(), textOf(call.argument(0)));
      } else {
        const long color = longOf(call.argument(0));
        requireColor(color, 0, 256);
        color_ = color;
      }
      return;
    }
    expectArguments(call, 0);
    if (isLayer) return setText(result, server().layers.at(layer_).name);
    result.vt = VT_I4;
    result.lVal = color_;
  }

  std::size_t layer_;
  long color_ = 256;
  bool deleted_ = false;
};

void setEntity(Server& server, VARIANT& result, const char* kind) {
  IDispatch* entity = new Entity(server, kind);
  setObject(result, entity);
  entity->Release();
}

class ModelSpace : public DispatchObject {
 public:
  explicit ModelSpace(Server& server)
      : DispatchObject(server, "ModelSpace",
                       {{L"InsertBlock", Access::Method},
                        {L"AddText", Access::Method},
                        {L"AddEllipse", Access::Method},
                        {L"AddLine", Access::Method},
                        {L"AddCircle", Access::Method}}) {}

 protected:
  void perform(const Call& call, VARIANT& result) override {
    if (call.member == L"InsertBlock") {
      expectArguments(call, 6);
      pointOf(call.argument(0));
      if (!blockExists(server(), textOf(call.argument(1)))) {
        throw Fault{E_INVALIDARG, L"Block not found"};
      }
      for (std::size_t i = 2; i < 5; ++i) {
        if (doubleOf(call.argument(i)) == 0) throw kInvalidInput;
      }
      doubleOf(call.argument(5));
      setEntity(server(), result, "BlockReference");
    } else if (call.member == L"AddText") {
      expectArguments(call, 3);
      textOf(call.argument(0));
      pointOf(call.argument(1));
      if (!(doubleOf(call.argument(2)) > 0)) throw kInvalidInput;
      setEntity(server(), result, "Text");
    } else if (call.member == L"AddEllipse") {
      expectArguments(call, 3);
      pointOf(call.argument(0));
      requireDistinct(pointOf(call.argument(1)), Point{0, 0, 0});
      const double ratio = doubleOf(call.argument(2));
      if (!(ratio > 0 && ratio <= 1)) throw kInvalidInput;
      setEntity(server(), result, "Ellipse");
    } else if (call.member == L"AddCircle") {
      expectArguments(call, 2);
      pointOf(call.argument(0));
      if (!(doubleOf(call.argument(1)) > 0)) throw kInvalidInput;
      setEntity(server(), result, "Circle");
    } else {
      expectArguments(call, 2);
      pointOf(call.argument(0));
      pointOf(call.argument(1));
      setEntity(server(), result, "Line");
    }
  }
};

class Block : public DispatchObject {
 public:
  Block(Server& server, std::wstring name)
      : DispatchObject(server, "Block", {{L"Name", Access::Get}, {L"Add3DPoly", Access::Method}}),
        name_(std::move(name)) {}

 protected:
  void perform(const Call& call, VARIANT& result) override {
    if (call.member == L"Name") {
      expectArguments(call, 0);
      setText(result, name_);
    } else {
      expectArguments(call, 1);
      const std::vector<double> vertices = doublesOf(call.argument(0));
      if (vertices.size() < 6 || vertices.size() % 3 != 0) {
        throw Fault{E_INVALIDARG, L"Invalid vertex list"};
      }
      setEntity(server(), result, "Polyline");
    }
  }

 private:
  std::wstring name_;
};

class Blocks : public DispatchObject {
 public:
  explicit Blocks(Server& server) : DispatchObject(server, "Blocks", {{L"Add", Access::Method}}) {}

 protected:
  void perform(const Call& call, VARIANT& result) override {
    if (call.member == L"_NewEnum") {
      expectArguments(call, 0);
      result.vt = VT_UNKNOWN;
      result.punkVal = newBlockEnumerator(server());
      return;
    }
    expectArguments(call, 2);
    pointOf(call.argument(0));
    // Adding a name that exists hands back the block of that name.
    std::wstring name = blockNamed(server(), textOf(call.argument(1)));
    if (name.empty()) {
      name = textOf(call.argument(1));
      server().blockNames.push_back(name);
    }
    IDispatch* block = newBlock(server(), name);
    setObject(result, block);
    block->Release();
  }
};

}  // namespace

void expectArguments(const Call& call, std::size_t count) {
  if (call.arguments.size() != count) throw Fault{DISP_E_BADPARAMCOUNT, L""};
}

IDispatch* newModelSpace(Server& server) {
  return new ModelSpace(server);
}

IDispatch* newBlocks(Server& server) {
  return new Blocks(server);
}

IDispatch* newBlock(Server& server, const std::wstring& name) {
  return new Block(server, name);
}

}  // namespace standin
