#include "host/view-core/in_parallel.h"

#include <algorithm>
#include <exception>
#include <thread>
#include <vector>

namespace host::view {
namespace {

constexpr std::size_t kMostParts = 8;

}  // namespace

std::size_t partsFor(std::size_t count, std::size_t leastPerPart) {
  const std::size_t cores = std::max(1u, std::thread::hardware_concurrency());
  return std::clamp<std::size_t>(std::min(cores, count / std::max<std::size_t>(leastPerPart, 1)), 1,
                                 kMostParts);
}

void inParallel(std::size_t parts, const std::function<void(std::size_t part)>& work) {
  std::vector<std::exception_ptr> failures(parts);
  const auto run = [&](std::size_t part) {
    try {
      work(part);
    } catch (...) {
      failures[part] = std::current_exception();
    }
  };
  std::vector<std::thread> helpers;
  for (std::size_t part = 1; part < parts; ++part) helpers.emplace_back(run, part);
  if (parts > 0) run(0);
  for (auto& helper : helpers) helper.join();
  for (const auto& failure : failures) {
    if (failure) std::rethrow_exception(failure);
  }
}

}  // namespace host::view
