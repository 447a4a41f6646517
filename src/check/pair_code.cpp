#include "check/pair_code.h"

#include <algorithm>
#include <cctype>

namespace check {

std::string pairCode(const std::string& design, const std::string& survey) {
  const bool same = std::equal(
      design.begin(), design.end(), survey.begin(), survey.end(),
      [](unsigned char a, unsigned char b) { return std::tolower(a) == std::tolower(b); });
  if (survey.empty() || same) return design;
  if (design.empty()) return survey;
  return design + " / " + survey;
}

}  // namespace check
