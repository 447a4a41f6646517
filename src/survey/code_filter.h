#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "survey/pairing.h"

// Which points a check looks at, by their codes: only the stakes (STK), or everything but the
// control points (CP).
namespace survey {

struct CodeFilter {
  // Kept: pairs and points whose design or survey code is listed; none listed keeps all.
  std::vector<std::string> only;
  // Left out: pairs and points whose design or survey code is listed.
  std::vector<std::string> except;

  bool empty() const { return only.empty() && except.empty(); }
};

// Whether two codes are the same, without regard to the case of ASCII letters.
bool sameCode(std::string_view a, std::string_view b);

// "STK,KERB": the codes of a comma-separated list, blanks around them dropped. Throws
// std::invalid_argument for an empty list or an empty code.
std::vector<std::string> parseCodeList(std::string_view text);

// Whether `filter` keeps a point of code `code`, compared without regard to case.
bool codeKept(const std::string& code, const CodeFilter& filter);

// `pairing` with only what `filter` keeps, codes compared without regard to case.
Pairing filteredByCode(const Pairing& pairing, const std::vector<Point>& design,
                       const CodeFilter& filter);

// The shots of `shots` that `filter` keeps by their own codes, in their order.
std::vector<Point> shotsWithCodes(const std::vector<Point>& shots, const CodeFilter& filter);

}  // namespace survey
