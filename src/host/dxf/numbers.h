#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace host::dxf {

// Number values of groups, read the same in every locale: blanks around the number are
// allowed, a leading + too; anything else, or a value that is not finite, is refused.
bool parseReal(std::string_view text, double& value);
bool parseWhole(std::string_view text, std::int64_t& value);

// Whether groups of this code hold a real number (coordinates, distances, angles ...).
inline bool holdsReal(int code) {
  return (code >= 10 && code <= 59) || (code >= 110 && code <= 149) ||
         (code >= 210 && code <= 239) || (code >= 460 && code <= 469) ||
         (code >= 1010 && code <= 1059);
}

// Whether a value may read as a number that is not finite: it has letters (of nan, inf or an
// exponent), or more digits than the largest double. Plain decimals, the most common values
// of a file, are told apart here at a glance.
inline bool mayBeNonFinite(std::string_view text) {
  constexpr std::size_t kLongestFiniteDecimal = 300;
  if (text.size() >= kLongestFiniteDecimal) return true;
  bool letters = false;
  for (char c : text) letters |= static_cast<unsigned char>(c) >= 'A';
  return letters;
}

// False only for a value that reads as a number but not a finite one: nan, inf, or one too
// large for a double (1e999). Call it where mayBeNonFinite is true.
bool isFiniteOrNotANumber(std::string_view text);

// The reason given for a group whose value is not the number its code calls for.
std::string numberExpected(int code, std::string_view value);

}  // namespace host::dxf
