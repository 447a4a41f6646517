#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "host/automation/point_source.h"

namespace host {

// Answers point requests from a queue, for tests and headless runs. An empty entry cancels
// that request; an empty queue cancels every request. Remembers the prompts it was given.
class ScriptedPointSource : public PointSource {
 public:
  ScriptedPointSource() = default;
  explicit ScriptedPointSource(std::vector<std::optional<Eigen::Vector3d>> answers);

  void push(const Eigen::Vector3d& point) { answers_.emplace_back(point); }
  void pushCancel() { answers_.emplace_back(std::nullopt); }
  std::size_t remaining() const { return answers_.size(); }
  const std::vector<std::string>& prompts() const { return prompts_; }

  std::optional<Eigen::Vector3d> requestPoint(
      model::Document& document, const std::string& prompt,
      const std::optional<Eigen::Vector3d>& basePoint) override;

 private:
  std::deque<std::optional<Eigen::Vector3d>> answers_;
  std::vector<std::string> prompts_;
};

}  // namespace host
