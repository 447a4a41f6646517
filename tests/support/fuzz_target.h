#pragma once

// What every fuzz target shares. A target defines LLVMFuzzerTestOneInput, the one entry point
// that both libFuzzer (the fuzz build) and the replay driver (every other build) call with an
// input; it returns 0, and a fault found ends the process through fuzzFailure.
#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace fuzz {

// Reports a broken property of the code under test and aborts, so that libFuzzer saves the
// input as a crash and the replay driver fails.
[[noreturn]] void fuzzFailure(std::string_view what);

inline void require(bool holds, std::string_view what) {
  if (!holds) fuzzFailure(what);
}

inline std::string_view asText(const std::uint8_t* data, std::size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

}  // namespace fuzz
