#pragma once

#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "cad/launcher.h"

// A small in-memory CAD program for the dialog's tests, with a switch for every failure the
// dialog must survive.
namespace fake {

// A reference to a fake under the interface it implements.
template <class Interface, class Fake>
cad::Ref<Interface> ref(const std::shared_ptr<Fake>& object) {
  return std::shared_ptr<Interface>(object);
}

struct Block : cad::BlockDefinition {
  std::string name;
  cad::Point3 basePoint = cad::Point3::Zero();
  std::vector<std::vector<double>> polylines;
  bool nameFails = false;

  std::string Name() override;
  cad::Ref<cad::Entity> Add3DPoly(const std::vector<double>& vertices) override;
};

struct Blocks : cad::Blocks {
  std::vector<std::shared_ptr<Block>> blocks;
  bool enumerationFails = false;
  bool addFails = false;

  std::vector<cad::Ref<cad::BlockDefinition>> Enumerate() override;
  cad::Ref<cad::BlockDefinition> Add(const cad::Point3& insertionPoint,
                                     const std::string& name) override;
};

struct TextStyle : cad::TextStyle {
  std::string font = "txt";
  std::string fontFile() override { return font; }
  void fontFile(const std::string& file) override { font = file; }
};

struct TextStyles : cad::TextStyles {
  std::map<std::string, std::shared_ptr<TextStyle>> styles;
  cad::Ref<cad::TextStyle> Add(const std::string& name) override;
};

// Points are picked in world coordinates and translated through `ucsToWorld`.
struct Utility : cad::Utility {
  std::deque<std::optional<cad::Point3>> picks;  // an empty answer cancels the request
  std::vector<std::string> prompts;
  cad::Matrix4 ucsToWorld = cad::Matrix4::Identity();

  cad::Point3 GetPoint(const std::optional<cad::Point3>& basePoint,
                       const std::string& prompt) override;
  cad::Point3 TranslateCoordinates(const cad::Point3& point, std::int32_t fromSystem,
                                   std::int32_t toSystem, std::int16_t displacement) override;
};

struct Document : cad::Document {
  std::optional<std::int32_t> luprec = 4;  // empty: the read fails
  std::shared_ptr<fake::Blocks> blocks = std::make_shared<fake::Blocks>();
  std::shared_ptr<fake::TextStyles> textStyles = std::make_shared<fake::TextStyles>();
  cad::Ref<cad::TextStyle> activeStyle;
  std::shared_ptr<fake::Utility> utility = std::make_shared<fake::Utility>();

  cad::Ref<cad::ModelSpace> ModelSpace() override;
  cad::Ref<cad::Utility> Utility() override { return ref<cad::Utility>(utility); }
  cad::Variable GetVariable(const std::string& name) override;
  cad::Ref<cad::TextStyles> TextStyles() override { return ref<cad::TextStyles>(textStyles); }
  cad::Ref<cad::TextStyle> ActiveTextStyle() override { return activeStyle; }
  void ActiveTextStyle(const cad::Ref<cad::TextStyle>& style) override;
  cad::Ref<cad::Blocks> Blocks() override { return ref<cad::Blocks>(blocks); }
  cad::Ref<cad::UserCoordinateSystems> UserCoordinateSystems() override;
  cad::Ref<cad::UCS> ActiveUCS() override;
};

struct Application : cad::Application {
  std::shared_ptr<Document> document = std::make_shared<Document>();
  bool visible = false;

  cad::Ref<cad::Document> ActiveDocument() override { return ref<cad::Document>(document); }
  bool Visible() override { return visible; }
  void Visible(bool v) override { visible = v; }
};

// The running instances by ProgID, and the ProgIDs that can be started.
struct Launcher : cad::Launcher {
  std::map<std::string, std::shared_ptr<Application>> running;
  std::set<std::string> installed;
  std::vector<std::string> calls;  // "attach <ProgID>" or "create <ProgID>", in order

  cad::Ref<cad::Application> Attach(const std::string& progId) override;
  cad::Ref<cad::Application> Create(const std::string& progId) override;
};

// The failure a cancelled point request gives.
cad::AutomationError cancelled();

}  // namespace fake
