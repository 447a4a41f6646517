#include "host/dxf/record.h"

#include <cstring>

namespace host::dxf {
namespace {

constexpr int kComment = 999;

bool isBlank(char c) {
  return c == ' ' || c == '\t';
}

// The first line of `rest` without its line end; `rest` moves past it.
std::string_view takeLine(std::string_view& rest) {
  const char* end = rest.data() + rest.size();
  const char* found = findLineEnd(rest.data(), end);
  const auto length = static_cast<std::size_t>(found - rest.data());
  std::string_view line = rest.substr(0, length);
  rest.remove_prefix(found == end ? length : length + 1);
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return line;
}

}  // namespace

bool parseAnyGroupCode(std::string_view text, int& code) {
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  if (text.empty()) return false;
  bool negative = false;
  if (text.front() == '-' || text.front() == '+') {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  if (text.empty() || text.size() > 6) return false;
  int value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    value = value * 10 + (c - '0');
  }
  code = negative ? -value : value;
  return code >= kLowestGroupCode && code <= kHighestGroupCode;
}

void Record::Iterator::advance() {
  if (!reading_) {
    ++at_;
    return;
  }
  while (!rest_.empty()) {
    const std::string_view codeLine = takeLine(rest_);
    group_.value = takeLine(rest_);
    group_.line += 2;
    parseGroupCode(codeLine, group_.code);
    if (group_.code != kComment) {
      done_ = false;
      return;
    }
  }
  done_ = true;
}

Record::Record(std::string_view text, std::size_t line, std::span<const Group> groups)
    : text_(text), line_(line), groups_(groups) {
  if (const Iterator first = begin(); first != end()) {
    type_ = first->value;
    typeLine_ = first->line;
  }
}

bool Record::second(Group& group) const {
  Iterator it = begin();
  if (it == end() || ++it == end()) return false;
  group = *it;
  return true;
}

}  // namespace host::dxf
