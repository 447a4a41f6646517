#include "survey/code_tolerances.h"

#include <algorithm>
#include <stdexcept>

#include "survey/code_filter.h"
#include "survey/coordinate_text.h"

namespace survey {

bool namesCode(std::string_view text) {
  return text.substr(0, text.find('=')).find(':') != std::string_view::npos;
}

CodeTolerances parseCodeTolerances(std::string_view text, const ComponentSchema& schema) {
  const std::size_t colon = text.find(':');
  std::string_view code = text.substr(0, colon);
  while (!code.empty() && code.back() == ' ') code.remove_suffix(1);
  while (!code.empty() && code.front() == ' ') code.remove_prefix(1);
  if (colon == std::string_view::npos || code.empty()) {
    throw std::invalid_argument(inQuotes(text) +
                                ": write the code before its tolerances, such as KERB:z=0.005");
  }
  return {std::string(code), parseTolerances(text.substr(colon + 1), schema)};
}

void setCodeTolerances(std::vector<CodeTolerances>& codes, CodeTolerances given) {
  const auto same = std::find_if(codes.begin(), codes.end(), [&](const CodeTolerances& c) {
    return sameCode(c.code, given.code);
  });
  if (same != codes.end()) {
    *same = std::move(given);
  } else {
    codes.push_back(std::move(given));
  }
}

TolerancesByCode::TolerancesByCode(const Tolerances& general,
                                   const std::vector<CodeTolerances>& codes, std::size_t components)
    : general_(general) {
  for (const CodeTolerances& code : codes) {
    Tolerances filled = general;
    for (std::size_t k = 0; k < components; ++k) {
      if (const std::optional<Tolerance> own = code.tolerances[k]) filled.set(k, *own);
    }
    byCode_.push_back({code.code, filled});
  }
}

const Tolerances* TolerancesByCode::forCode(std::string_view code) const {
  if (code.empty()) return nullptr;
  for (const CodeTolerances& own : byCode_) {
    if (sameCode(own.code, code)) return &own.tolerances;
  }
  return nullptr;
}

const Tolerances& TolerancesByCode::forCodes(std::string_view designCode,
                                             std::string_view surveyCode) const {
  if (const Tolerances* own = forCode(designCode)) return *own;
  if (const Tolerances* own = forCode(surveyCode)) return *own;
  return general_;
}

}  // namespace survey
