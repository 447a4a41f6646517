#include "fake_cad.h"

#include <Eigen/Dense>

namespace fake {
namespace {

cad::AutomationError callFailed(const std::string& what) {
  return cad::AutomationError(-2147467259, what + " failed");
}

}  // namespace

cad::AutomationError cancelled() {
  return cad::AutomationError(-2147352567, "Method 'GetPoint' of object 'IAcadUtility' failed");
}

std::string Block::Name() {
  if (nameFails) throw callFailed("Name");
  return name;
}

cad::Ref<cad::Entity> Block::Add3DPoly(const std::vector<double>& vertices) {
  polylines.push_back(vertices);
  return {};
}

std::vector<cad::Ref<cad::BlockDefinition>> Blocks::Enumerate() {
  if (enumerationFails) throw callFailed("Blocks");
  return {blocks.begin(), blocks.end()};
}

cad::Ref<cad::BlockDefinition> Blocks::Add(const cad::Point3& insertionPoint,
                                           const std::string& name) {
  if (addFails) throw callFailed("Add");
  auto block = std::make_shared<Block>();
  block->name = name;
  block->basePoint = insertionPoint;
  blocks.push_back(block);
  return ref<cad::BlockDefinition>(block);
}

cad::Ref<cad::TextStyle> TextStyles::Add(const std::string& name) {
  auto& style = styles[name];
  if (!style) style = std::make_shared<TextStyle>();
  return ref<cad::TextStyle>(style);
}

cad::Point3 Utility::GetPoint(const std::optional<cad::Point3>& basePoint,
                              const std::string& prompt) {
  if (basePoint) throw callFailed("GetPoint with a base point");
  prompts.push_back(prompt);
  if (picks.empty()) throw cancelled();
  const std::optional<cad::Point3> pick = picks.front();
  picks.pop_front();
  if (!pick) throw cancelled();
  return *pick;
}

cad::Point3 Utility::TranslateCoordinates(const cad::Point3& point, std::int32_t fromSystem,
                                          std::int32_t toSystem, std::int16_t displacement) {
  if (fromSystem != cad::kWorld || toSystem != cad::kUcs || displacement != 0) {
    throw callFailed("TranslateCoordinates");
  }
  return (ucsToWorld.inverse() * point.homogeneous()).hnormalized();
}

cad::Ref<cad::ModelSpace> Document::ModelSpace() {
  return std::shared_ptr<cad::ModelSpace>();
}

cad::Variable Document::GetVariable(const std::string& name) {
  if (name != "LUPREC" || !luprec) throw callFailed("GetVariable " + name);
  return *luprec;
}

void Document::ActiveTextStyle(const cad::Ref<cad::TextStyle>& style) {
  if (!style) throw callFailed("ActiveTextStyle");
  activeStyle = style;
}

cad::Ref<cad::UserCoordinateSystems> Document::UserCoordinateSystems() {
  throw callFailed("UserCoordinateSystems");
}

cad::Ref<cad::UCS> Document::ActiveUCS() {
  throw callFailed("ActiveUCS");
}

cad::Ref<cad::Application> Launcher::Attach(const std::string& progId) {
  calls.push_back("attach " + progId);
  const auto found = running.find(progId);
  if (found == running.end())
    throw cad::AutomationError(429, "ActiveX component can't create object");
  return ref<cad::Application>(found->second);
}

cad::Ref<cad::Application> Launcher::Create(const std::string& progId) {
  calls.push_back("create " + progId);
  if (!installed.count(progId))
    throw cad::AutomationError(429, "ActiveX component can't create object");
  auto application = std::make_shared<Application>();
  running[progId] = application;
  return ref<cad::Application>(application);
}

}  // namespace fake
