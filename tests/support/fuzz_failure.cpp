#include <cstdio>
#include <cstdlib>

#include "support/fuzz_target.h"

namespace fuzz {

void fuzzFailure(std::string_view what) {
  std::fprintf(stderr, "fuzz target: %.*s\n", static_cast<int>(what.size()), what.data());
  std::abort();
}

}  // namespace fuzz
