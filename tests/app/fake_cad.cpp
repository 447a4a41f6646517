#include "fake_cad.h"

namespace fake {
namespace {

cad::AutomationError callFailed(const std::string& what) {
  return cad::AutomationError(-2147467259, what + " failed");
}

}  // namespace

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

cad::Ref<cad::ModelSpace> Document::ModelSpace() {
  return std::shared_ptr<cad::ModelSpace>();
}

cad::Ref<cad::Utility> Document::Utility() {
  return std::shared_ptr<cad::Utility>();
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
