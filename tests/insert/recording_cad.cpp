#include "recording_cad.h"

#include <charconv>
#include <sstream>

namespace recording {
namespace {

template <class Base, class Derived>
cad::Ref<Base> ref(std::shared_ptr<Derived> object) {
  return cad::Ref<Base>(std::shared_ptr<Base>(std::move(object)));
}

cad::AutomationError injectedFailure() {
  return cad::AutomationError(-2145386493, "Injected failure");
}

cad::AutomationError cancelled() {
  return cad::AutomationError(-2147352567, "User input is a keyword");
}

cad::Matrix4 matrixFromAxes(const cad::Point3& origin, cad::Point3 x, cad::Point3 y) {
  x.normalize();
  y = (y - y.dot(x) * x).normalized();
  cad::Matrix4 m = cad::Matrix4::Identity();
  m.block<3, 1>(0, 0) = x;
  m.block<3, 1>(0, 1) = y;
  m.block<3, 1>(0, 2) = x.cross(y);
  m.block<3, 1>(0, 3) = origin;
  return m;
}

class Entity : public cad::Entity {
 public:
  Entity(Drawing& drawing, std::string id) : drawing_(drawing), id_(std::move(id)) {}

  void Delete() override { drawing_.log().record(id_ + ".Delete"); }
  void TransformBy(const cad::Matrix4& matrix) override {
    const bool isUcs = drawing_.lastUcsMatrix && *drawing_.lastUcsMatrix == matrix;
    drawing_.log().record(id_ + ".TransformBy " + (isUcs ? "ucsMatrix" : "other"));
  }
  void Rotate3D(const cad::Point3& a, const cad::Point3& b, double angle) override {
    drawing_.log().record(id_ + ".Rotate3D " + text(a) + " " + text(b) + " " + text(angle));
  }
  std::string Layer() override {
    drawing_.log().record(id_ + ".Layer");
    return layer_;
  }
  void Layer(const std::string& name) override {
    drawing_.log().record(id_ + ".Layer " + name);
    layer_ = name;
  }
  cad::Color color() override {
    drawing_.log().record(id_ + ".color");
    return color_;
  }
  void color(cad::Color value) override {
    drawing_.log().record(id_ + ".color " + std::to_string(value));
    color_ = value;
  }
  void Highlight(bool highlight) override {
    drawing_.log().record(id_ + ".Highlight " + (highlight ? "true" : "false"));
  }

 private:
  Drawing& drawing_;
  std::string id_;
  std::string layer_ = "0";
  cad::Color color_ = cad::kByLayer;
};

class ModelSpace : public cad::ModelSpace {
 public:
  explicit ModelSpace(Drawing& drawing) : drawing_(drawing) {}

  cad::Ref<cad::Entity> InsertBlock(const cad::Point3& p, const std::string& name, double sx,
                                    double sy, double sz, double rotation) override {
    return add("InsertBlock " + text(p) + " " + name + " " + text(sx) + " " + text(sy) + " " +
               text(sz) + " " + text(rotation));
  }
  cad::Ref<cad::Entity> AddText(const std::string& s, const cad::Point3& p,
                                double height) override {
    return add("AddText \"" + s + "\" " + text(p) + " " + text(height));
  }
  cad::Ref<cad::Entity> AddEllipse(const cad::Point3& centre, const cad::Point3& axis,
                                   double ratio) override {
    return add("AddEllipse " + text(centre) + " " + text(axis) + " " + text(ratio));
  }
  cad::Ref<cad::Entity> AddLine(const cad::Point3& a, const cad::Point3& b) override {
    return add("AddLine " + text(a) + " " + text(b));
  }
  cad::Ref<cad::Entity> AddCircle(const cad::Point3& centre, double radius) override {
    return add("AddCircle " + text(centre) + " " + text(radius));
  }

 private:
  cad::Ref<cad::Entity> add(const std::string& call) {
    const std::string id = "e" + std::to_string(++count_);
    drawing_.log().record(call + " -> " + id);
    return ref<cad::Entity>(std::make_shared<Entity>(drawing_, id));
  }

  Drawing& drawing_;
  int count_ = 0;
};

class Utility : public cad::Utility {
 public:
  explicit Utility(Drawing& drawing) : drawing_(drawing) {}

  cad::Point3 GetPoint(const std::optional<cad::Point3>& base, const std::string& prompt) override {
    drawing_.log().record("GetPoint " + (base ? text(*base) : "missing") + " \"" + prompt + "\"");
    if (drawing_.picks.empty()) throw cancelled();
    const std::optional<cad::Point3> pick = drawing_.picks.front();
    drawing_.picks.pop_front();
    if (!pick) throw cancelled();
    return *pick;
  }

  cad::Point3 TranslateCoordinates(const cad::Point3& p, std::int32_t from, std::int32_t to,
                                   std::int16_t displacement) override {
    drawing_.log().record("TranslateCoordinates " + text(p) + " " + std::to_string(from) + " " +
                          std::to_string(to) + " " + std::to_string(displacement));
    const cad::Matrix4 m = drawing_.currentUcs.matrix();
    const Eigen::Matrix3d r = m.block<3, 3>(0, 0);
    // A displacement ignores the origin.
    const cad::Point3 o = displacement ? cad::Point3::Zero() : cad::Point3(m.block<3, 1>(0, 3));
    if (from == to) return p;
    if (from == cad::kWorld) return r.transpose() * (p - o);
    return o + r * p;
  }

 private:
  Drawing& drawing_;
};

class Ucs : public cad::UCS {
 public:
  Ucs(Drawing& drawing, std::string name, cad::Matrix4 matrix)
      : drawing_(drawing), name_(std::move(name)), matrix_(matrix) {}

  std::string Name() override {
    drawing_.log().record("UCS.Name");
    return name_;
  }
  cad::Matrix4 GetUCSMatrix() override {
    drawing_.log().record("UCS.GetUCSMatrix");
    drawing_.lastUcsMatrix = matrix_;
    return matrix_;
  }
  void Delete() override { drawing_.log().record("UCS.Delete " + name_); }

 private:
  Drawing& drawing_;
  std::string name_;
  cad::Matrix4 matrix_;
};

class Ucss : public cad::UserCoordinateSystems {
 public:
  explicit Ucss(Drawing& drawing) : drawing_(drawing) {}

  cad::Ref<cad::UCS> Add(const cad::Point3& origin, const cad::Point3& xPoint,
                         const cad::Point3& yPoint, const std::string& name) override {
    drawing_.log().record("UserCoordinateSystems.Add " + text(origin) + " " + text(xPoint) + " " +
                          text(yPoint) + " " + name);
    return ref<cad::UCS>(std::make_shared<Ucs>(
        drawing_, name, matrixFromAxes(origin, xPoint - origin, yPoint - origin)));
  }

 private:
  Drawing& drawing_;
};

}  // namespace

std::string text(double value) {
  char buffer[32];
  const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, end);
}

std::string text(const cad::Point3& p) {
  return "(" + text(p.x()) + "," + text(p.y()) + "," + text(p.z()) + ")";
}

void CallLog::record(const std::string& line) {
  if (failingCall && line.rfind(*failingCall, 0) == 0) {
    failingCall.reset();
    lines.push_back(line + " FAILED");
    throw injectedFailure();
  }
  lines.push_back(line);
}

cad::Matrix4 CurrentUcs::matrix() const {
  return matrixFromAxes(origin, xDir, yDir);
}

Drawing::Drawing(CallLog& log)
    : log_(log),
      modelSpace_(ref<cad::ModelSpace>(std::make_shared<recording::ModelSpace>(*this))),
      utility_(ref<cad::Utility>(std::make_shared<recording::Utility>(*this))) {}

cad::Variable Drawing::GetVariable(const std::string& name) {
  log_.record("GetVariable " + name);
  if (name == "UCSNAME") return currentUcs.name;
  if (name == "UCSORG") return currentUcs.origin;
  if (name == "UCSXDIR") return currentUcs.xDir;
  if (name == "UCSYDIR") return currentUcs.yDir;
  throw cad::AutomationError(-2145386493, "Unknown variable " + name);
}

cad::Ref<cad::TextStyles> Drawing::TextStyles() {
  throw cad::AutomationError(-2145386493, "TextStyles is not used by Insert");
}

cad::Ref<cad::TextStyle> Drawing::ActiveTextStyle() {
  throw cad::AutomationError(-2145386493, "ActiveTextStyle is not used by Insert");
}

void Drawing::ActiveTextStyle(const cad::Ref<cad::TextStyle>&) {
  throw cad::AutomationError(-2145386493, "ActiveTextStyle is not used by Insert");
}

cad::Ref<cad::Blocks> Drawing::Blocks() {
  throw cad::AutomationError(-2145386493, "Blocks is not used by Insert");
}

cad::Ref<cad::UserCoordinateSystems> Drawing::UserCoordinateSystems() {
  return ref<cad::UserCoordinateSystems>(std::make_shared<Ucss>(*this));
}

cad::Ref<cad::UCS> Drawing::ActiveUCS() {
  log_.record("ActiveUCS");
  return ref<cad::UCS>(std::make_shared<Ucs>(
      *this, currentUcs.name.empty() ? "_Active" : currentUcs.name, currentUcs.matrix()));
}

cad::Ref<cad::Layers> Drawing::Layers() {
  throw cad::AutomationError(-2145386493, "Layers is not used by Insert");
}

cad::Ref<cad::Layer> Drawing::ActiveLayer() {
  throw cad::AutomationError(-2145386493, "ActiveLayer is not used by Insert");
}

void Drawing::ActiveLayer(const cad::Ref<cad::Layer>&) {
  throw cad::AutomationError(-2145386493, "ActiveLayer is not used by Insert");
}

}  // namespace recording
