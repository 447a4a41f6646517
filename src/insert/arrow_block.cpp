#include "insert/arrow_block.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace insert {

bool isArrowBlockName(std::string_view name) {
  const auto sameLetter = [](char a, char b) {
    return std::toupper(static_cast<unsigned char>(a)) == static_cast<unsigned char>(b);
  };
  return std::ranges::equal(name, std::string_view(kArrowBlockInsertName), sameLetter);
}

std::vector<double> arrowBlockVertices() {
  constexpr std::array<double, 24> kGiven{0, 0, 0, 3,    0, 0,   1.75, 0.5, 0,    1.75, -0.5, 0,  //
                                          3, 0, 0, 1.75, 0, 0.5, 1.75, 0,   -0.5, 3,    0,    0};
  std::vector<double> vertices(45, 0.0);
  std::ranges::copy(kGiven, vertices.begin());
  return vertices;
}

}  // namespace insert
