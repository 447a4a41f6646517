#include <cwctype>

#include "standin/drawing_objects.h"
#include "standin/protocol.h"
#include "standin/ucs_geometry.h"

// The application, its drawing, and the drawing's tables and Utility object.
namespace standin {
namespace {

// A reference this object keeps to another, made on first use.
class Held {
 public:
  Held() = default;
  ~Held() {
    if (object_) object_->Release();
  }
  Held(const Held&) = delete;
  Held& operator=(const Held&) = delete;

  template <class Make>
  IDispatch* get(Make make) {
    if (!object_) object_ = make();
    return object_;
  }
  void set(IDispatch* object) {
    object->AddRef();
    if (object_) object_->Release();
    object_ = object;
  }

 private:
  IDispatch* object_ = nullptr;
};

bool isMissing(const VARIANT& value) {
  return value.vt == VT_ERROR && value.scode == DISP_E_PARAMNOTFOUND;
}

class Utility : public DispatchObject {
 public:
  explicit Utility(Server& server)
      : DispatchObject(server, "Utility",
                       {{L"GetPoint", Access::Method}, {L"TranslateCoordinates", Access::Method}}) {
  }

 protected:
  void perform(const Call& call, VARIANT& result) override {
    if (call.member == L"GetPoint") {
      expectArguments(call, 2);
      if (!isMissing(call.argument(0))) pointOf(call.argument(0));
      textOf(call.argument(1));
      if (server().cancelPicks) throw Fault{kPickCancelled, wide(kPickCancelledText)};
      const double k = server().picks++;
      setPoint(result, {10.5 + k, 20.25 - 2 * k, 3 + 0.125 * k});
      return;
    }
    expectArguments(call, 4);
    const Point point = pointOf(call.argument(0));
    const long from = longOf(call.argument(1));
    const long to = longOf(call.argument(2));
    const bool displacement = longOf(call.argument(3)) != 0;
    if (from < 0 || from > 1 || to < 0 || to > 1) throw Fault{E_INVALIDARG, L"Invalid input"};
    const Frame ucs = currentUcs();
    Point translated = point;
    if (from == 0 && to == 1) translated = ucs.toUcs(point, displacement);
    if (from == 1 && to == 0) translated = ucs.toWorld(point, displacement);
    setPoint(result, translated);
  }
};

class TextStyle : public DispatchObject {
 public:
  TextStyle(Server& server, std::wstring name)
      : DispatchObject(server, "TextStyle",
                       {{L"Name", Access::Get}, {L"fontFile", Access::GetPut}}),
        name_(std::move(name)) {}

  const std::wstring& name() const { return name_; }

 protected:
  void perform(const Call& call, VARIANT& result) override {
    if (call.kind == DISPATCH_PROPERTYPUT) {
      expectArguments(call, 1);
      fontFile_ = textOf(call.argument(0));
      return;
    }
    expectArguments(call, 0);
    setText(result, call.member == L"Name" ? name_ : fontFile_);
  }

 private:
  std::wstring name_;
  std::wstring fontFile_ = L"txt.shx";
};

class TextStyles : public DispatchObject {
 public:
  explicit TextStyles(Server& server)
      : DispatchObject(server, "TextStyles", {{L"Add", Access::Method}}) {}
  ~TextStyles() override {
    for (TextStyle* style : styles_) style->Release();
  }

 protected:
  // Adding a name that exists hands back the style of that name.
  void perform(const Call& call, VARIANT& result) override {
    expectArguments(call, 1);
    const std::wstring name = textOf(call.argument(0));
    for (TextStyle* style : styles_) {
      if (_wcsicmp(style->name().c_str(), name.c_str()) == 0) return setObject(result, style);
    }
    styles_.push_back(new TextStyle(server(), name));
    setObject(result, styles_.back());
  }

 private:
  std::vector<TextStyle*> styles_;
};

class Document : public DispatchObject {
 public:
  explicit Document(Server& server)
      : DispatchObject(server, "Document",
                       {{L"ModelSpace", Access::Get},
                        {L"Utility", Access::Get},
                        {L"GetVariable", Access::Method},
                        {L"TextStyles", Access::Get},
                        {L"ActiveTextStyle", Access::GetPut},
                        {L"Blocks", Access::Get},
                        {L"UserCoordinateSystems", Access::Get},
                        {L"ActiveUCS", Access::Get},
                        {L"Layers", Access::Get},
                        {L"ActiveLayer", Access::GetPut}}) {}

 protected:
  void perform(const Call& call, VARIANT& result) override {
    Server& s = server();
    const std::wstring& m = call.member;
    if (m == L"GetVariable") return variable(call, result);
    if (call.kind == DISPATCH_PROPERTYPUT && m == L"ActiveLayer") {
      expectArguments(call, 1);
      s.activeLayer = layerOf(call.argument(0));
      return;
    }
    if (call.kind == DISPATCH_PROPERTYPUT) return putActiveTextStyle(call);
    expectArguments(call, 0);
    if (m == L"Layers") return setObject(result, layers_.get([&] { return newLayers(s); }));
    if (m == L"ActiveLayer") {
      IDispatch* layer = newLayer(s, s.activeLayer);
      setObject(result, layer);
      layer->Release();
      return;
    }
    if (m == L"ModelSpace")
      return setObject(result, modelSpace_.get([&] { return newModelSpace(s); }));
    if (m == L"Utility") return setObject(result, utility_.get([&] { return new Utility(s); }));
    if (m == L"TextStyles")
      return setObject(result, textStyles_.get([&] { return new TextStyles(s); }));
    if (m == L"Blocks") return setObject(result, blocks_.get([&] { return newBlocks(s); }));
    if (m == L"UserCoordinateSystems") {
      return setObject(result, ucss_.get([&] { return newUserCoordinateSystems(s); }));
    }
    if (m == L"ActiveTextStyle") {
      return setObject(result, activeStyle_.get([&] { return new TextStyle(s, L"Standard"); }));
    }
    IDispatch* ucs = newActiveUcs(s);
    setObject(result, ucs);
    ucs->Release();
  }

 private:
  void variable(const Call& call, VARIANT& result) {
    expectArguments(call, 1);
    const std::wstring name = textOf(call.argument(0));
    const Frame ucs = currentUcs();
    if (name == L"LUPREC") {
      result.vt = VT_I2;
      result.iVal = 4;
    } else if (name == L"UCSNAME") {
      setText(result, server().ucsName);
    } else if (name == L"UCSORG") {
      setPoint(result, ucs.origin);
    } else if (name == L"UCSXDIR") {
      setPoint(result, ucs.xAxis);
    } else if (name == L"UCSYDIR") {
      setPoint(result, ucs.yAxis);
    } else if (name == L"TEXTSIZE") {
      result.vt = VT_R8;
      result.dblVal = 2.5;
    } else {
      throw Fault{E_INVALIDARG, wide(kUnknownVariableText) + name + wide(kUnknownVariableTextEnd)};
    }
  }

  void putActiveTextStyle(const Call& call) {
    expectArguments(call, 1);
    const VARIANT& style = call.argument(0);
    if (style.vt != VT_DISPATCH || labelOf(style.pdispVal).rfind("TextStyle#", 0) != 0) {
      throw Fault{DISP_E_TYPEMISMATCH, L""};
    }
    activeStyle_.set(style.pdispVal);
  }

  Held modelSpace_, utility_, textStyles_, blocks_, ucss_, activeStyle_, layers_;
};

class Application : public DispatchObject {
 public:
  explicit Application(Server& server)
      : DispatchObject(server, "Application",
                       {{L"ActiveDocument", Access::Get},
                        {L"Visible", Access::GetPut},
                        {L"ZoomWindow", Access::Method}}) {}

 protected:
  void perform(const Call& call, VARIANT& result) override {
    if (call.member == L"ActiveDocument") {
      expectArguments(call, 0);
      return setObject(result, document_.get([&] { return new Document(server()); }));
    }
    if (call.member == L"ZoomWindow") {
      expectArguments(call, 2);
      pointOf(call.argument(0));
      pointOf(call.argument(1));
      return;
    }
    if (call.kind == DISPATCH_PROPERTYPUT) {
      expectArguments(call, 1);
      visible_ = boolOf(call.argument(0));
      return;
    }
    expectArguments(call, 0);
    result.vt = VT_BOOL;
    result.boolVal = visible_ ? VARIANT_TRUE : VARIANT_FALSE;
  }

 private:
  Held document_;
  bool visible_ = false;
};

}  // namespace

IDispatch* newApplication(Server& server) {
  return new Application(server);
}

}  // namespace standin
