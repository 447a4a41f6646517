#pragma once

#include <cstddef>
#include <functional>

namespace host::view {

// How many parts of `count` items to work on at once: one per processor core, each of at least
// `leastPerPart` items, and at least one.
std::size_t partsFor(std::size_t count, std::size_t leastPerPart);

// Runs work(0) .. work(parts - 1) at the same time, each on its own thread (the first on this
// one), and returns when all are done. What a part throws is thrown here once all are done.
void inParallel(std::size_t parts, const std::function<void(std::size_t part)>& work);

}  // namespace host::view
