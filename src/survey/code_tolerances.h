#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "survey/component.h"
#include "survey/tolerance.h"

// Tolerances for the points of some codes: the kerbs held closer in height than the rest.
namespace survey {

struct CodeTolerances {
  std::string code;
  Tolerances tolerances;  // the components given for the code
};

// Whether a tolerance text names a code before its first key, as "KERB:z=0.005" does.
bool namesCode(std::string_view text);

// "KERB:z=0.005,h=0.01": the code before the colon, its tolerances after it as
// parseTolerances() reads them. Throws std::invalid_argument saying what is wrong.
CodeTolerances parseCodeTolerances(std::string_view text, const ComponentSchema& schema);

// `codes` with `given` in its place: a code given again replaces its tolerances.
void setCodeTolerances(std::vector<CodeTolerances>& codes, CodeTolerances given);

// The tolerances each pair is tested against: for a pair whose design code (else its survey
// code) has tolerances of its own, the code's for the components it gives and the general ones
// for the rest; the general ones for every other pair. Codes compare without regard to case.
class TolerancesByCode {
 public:
  TolerancesByCode(const Tolerances& general, const std::vector<CodeTolerances>& codes,
                   std::size_t components);

  const Tolerances& forCodes(std::string_view designCode, std::string_view surveyCode) const;

  // Each code's tolerances, the general ones filled in, in the order the codes were given.
  const std::vector<CodeTolerances>& byCode() const { return byCode_; }

 private:
  const Tolerances* forCode(std::string_view code) const;

  Tolerances general_;
  std::vector<CodeTolerances> byCode_;
};

}  // namespace survey
