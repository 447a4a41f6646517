#include "host/model/names.h"

#include <algorithm>

namespace host::model {
namespace {

char lower(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

bool sameName(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, [](char x, char y) { return lower(x) == lower(y); });
}

std::string foldedName(std::string_view name) {
  std::string folded(name);
  for (char& c : folded) c = lower(c);
  return folded;
}

}  // namespace host::model
