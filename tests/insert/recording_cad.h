#pragma once

#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cad/automation.h"

// A stand-in for the CAD program that writes every automation call the Insert command makes as
// one line of text, so that a test can compare a run with the list of calls it expects. Points
// are translated for real, through a current UCS given by origin and axis directions.
namespace recording {

// "(x,y,z)" with each number in its shortest exact form.
std::string text(const cad::Point3& p);
std::string text(double value);

struct CallLog {
  std::vector<std::string> lines;
  // A call whose line begins with this text fails, the first time it is made; its line is
  // kept with " FAILED" appended.
  std::optional<std::string> failingCall;

  void record(const std::string& line);
};

// The drawing's current UCS as its system variables describe it.
struct CurrentUcs {
  std::string name;  // empty for an unnamed UCS
  cad::Point3 origin = cad::Point3::Zero();
  cad::Point3 xDir = cad::Point3::UnitX();
  cad::Point3 yDir = cad::Point3::UnitY();

  cad::Matrix4 matrix() const;
};

class Drawing : public cad::Document {
 public:
  explicit Drawing(CallLog& log);

  CurrentUcs currentUcs;
  // Answers to the point requests in order; an empty answer is a cancelled request.
  std::deque<std::optional<cad::Point3>> picks;

  cad::Ref<cad::ModelSpace> ModelSpace() override { return modelSpace_; }
  cad::Ref<cad::Utility> Utility() override { return utility_; }
  cad::Variable GetVariable(const std::string& name) override;
  cad::Ref<cad::TextStyles> TextStyles() override;
  cad::Ref<cad::TextStyle> ActiveTextStyle() override;
  void ActiveTextStyle(const cad::Ref<cad::TextStyle>& style) override;
  cad::Ref<cad::Blocks> Blocks() override;
  cad::Ref<cad::UserCoordinateSystems> UserCoordinateSystems() override;
  cad::Ref<cad::UCS> ActiveUCS() override;
  cad::Ref<cad::Layers> Layers() override;
  cad::Ref<cad::Layer> ActiveLayer() override;
  void ActiveLayer(const cad::Ref<cad::Layer>& layer) override;

  CallLog& log() { return log_; }
  // The matrix the last GetUCSMatrix call returned; TransformBy names it "ucsMatrix".
  std::optional<cad::Matrix4> lastUcsMatrix;

 private:
  CallLog& log_;
  cad::Ref<cad::ModelSpace> modelSpace_;
  cad::Ref<cad::Utility> utility_;
};

}  // namespace recording
