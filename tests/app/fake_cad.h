#pragma once

#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "cad/launcher.h"

// A small CAD program for start-up's tests: it logs the launcher's calls and fails where a
// test asks, which the real host has no switch for. Points and UCSs are the real host's job.
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

struct Document : cad::Document {
  std::optional<std::int32_t> luprec = 4;  // empty: the read fails
  std::shared_ptr<fake::Blocks> blocks = std::make_shared<fake::Blocks>();
  std::shared_ptr<fake::TextStyles> textStyles = std::make_shared<fake::TextStyles>();
  cad::Ref<cad::TextStyle> activeStyle;

  cad::Ref<cad::ModelSpace> ModelSpace() override;
  cad::Ref<cad::Utility> Utility() override;
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

}  // namespace fake
