#include "host/automation/scripted_point_source.h"

namespace host {

ScriptedPointSource::ScriptedPointSource(std::vector<std::optional<Eigen::Vector3d>> answers)
    : answers_(answers.begin(), answers.end()) {}

std::optional<Eigen::Vector3d> ScriptedPointSource::requestPoint(
    model::Document&, const std::string& prompt, const std::optional<Eigen::Vector3d>&) {
  prompts_.push_back(prompt);
  if (answers_.empty()) return std::nullopt;
  const auto answer = answers_.front();
  answers_.pop_front();
  return answer;
}

}  // namespace host
