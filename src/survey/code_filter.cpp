#include "survey/code_filter.h"

#include <algorithm>
#include <stdexcept>

namespace survey {
bool sameCode(std::string_view a, std::string_view b) {
  const auto folded = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; };
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                            [&](char x, char y) { return folded(x) == folded(y); });
}

namespace {

bool listed(const std::vector<std::string>& codes, const std::string& code) {
  return !code.empty() && std::any_of(codes.begin(), codes.end(),
                                      [&](const std::string& c) { return sameCode(c, code); });
}

bool kept(const CodeFilter& filter, const std::string& designCode, const std::string& surveyCode) {
  if (!filter.only.empty() && !listed(filter.only, designCode) &&
      !listed(filter.only, surveyCode)) {
    return false;
  }
  return !listed(filter.except, designCode) && !listed(filter.except, surveyCode);
}

std::string_view trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace

std::vector<std::string> parseCodeList(std::string_view text) {
  std::vector<std::string> codes;
  for (std::size_t start = 0; start <= text.size();) {
    const std::size_t end = std::min(text.find(',', start), text.size());
    const std::string_view code = trimmed(text.substr(start, end - start));
    if (code.empty())
      throw std::invalid_argument("give codes separated by commas, such as STK,KERB");
    codes.emplace_back(code);
    start = end + 1;
  }
  return codes;
}

bool codeKept(const std::string& code, const CodeFilter& filter) {
  return kept(filter, {}, code);
}

Pairing filteredByCode(const Pairing& pairing, const std::vector<Point>& design,
                       const CodeFilter& filter) {
  if (filter.empty()) return pairing;
  Pairing result;
  for (const Pair& pair : pairing.pairs) {
    if (kept(filter, design[pair.design].code, pair.survey.point.code))
      result.pairs.push_back(pair);
  }
  for (const std::size_t d : pairing.unmatchedDesign) {
    if (kept(filter, design[d].code, {})) result.unmatchedDesign.push_back(d);
  }
  for (const Observation& observation : pairing.unmatchedSurvey) {
    if (kept(filter, {}, observation.point.code)) result.unmatchedSurvey.push_back(observation);
  }
  return result;
}

std::vector<Point> shotsWithCodes(const std::vector<Point>& shots, const CodeFilter& filter) {
  std::vector<Point> result;
  for (const Point& shot : shots) {
    if (kept(filter, {}, shot.code)) result.push_back(shot);
  }
  return result;
}

}  // namespace survey
