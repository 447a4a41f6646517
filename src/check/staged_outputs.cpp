#include "check/staged_outputs.h"

#include <stdexcept>
#include <string>
#include <system_error>

namespace check {
namespace {

std::filesystem::path hiddenBeside(const std::filesystem::path& destination) {
  return destination.parent_path() / ("." + destination.filename().string() + ".kestova-new");
}

std::string replacedAll(std::string text, const std::string& from, const std::string& to) {
  for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at)) {
    text.replace(at, from.size(), to);
    at += to.size();
  }
  return text;
}

}  // namespace

StagedOutputs::~StagedOutputs() {
  std::error_code ignored;
  for (const Staged& file : staged_) std::filesystem::remove(file.hidden, ignored);
}

void StagedOutputs::write(const std::filesystem::path& destination,
                          const std::function<void(const std::filesystem::path&)>& write) {
  const std::filesystem::path hidden = hiddenBeside(destination);
  staged_.push_back({hidden, destination});
  try {
    write(hidden);
  } catch (const std::exception& e) {
    throw std::runtime_error(replacedAll(e.what(), hidden.string(), destination.string()));
  }
}

void StagedOutputs::commit() {
  while (!staged_.empty()) {
    const Staged& file = staged_.front();
    std::error_code error;
    std::filesystem::rename(file.hidden, file.destination, error);
    if (error) {
      throw std::runtime_error(file.destination.string() + ": cannot be written (" +
                               error.message() + ")");
    }
    staged_.erase(staged_.begin());
  }
}

}  // namespace check
