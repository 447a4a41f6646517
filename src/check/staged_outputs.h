#pragma once

#include <filesystem>
#include <functional>
#include <vector>

// The reports of one check are all written, or none: each is written beside its place under a
// hidden name and moved into place only when every one of them has been written. A check that
// fails on its last report leaves neither it nor the others behind, and keeps the files those
// names held before.
namespace check {

class StagedOutputs {
 public:
  StagedOutputs() = default;
  StagedOutputs(const StagedOutputs&) = delete;
  StagedOutputs& operator=(const StagedOutputs&) = delete;
  // Removes what was staged and not moved into place.
  ~StagedOutputs();

  // Runs `write` with the hidden path to write `destination` to. What it throws is thrown on,
  // its message naming `destination` where it named the hidden path.
  void write(const std::filesystem::path& destination,
             const std::function<void(const std::filesystem::path&)>& write);

  // Moves every staged file into place. Throws std::runtime_error naming the file and the
  // system's reason when one cannot be moved.
  void commit();

 private:
  struct Staged {
    std::filesystem::path hidden;
    std::filesystem::path destination;
  };
  std::vector<Staged> staged_;
};

}  // namespace check
