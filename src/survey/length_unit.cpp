#include "survey/length_unit.h"

#include <stdexcept>

namespace survey {

LengthUnit parseLengthUnit(std::string_view text) {
  std::string lowered(text);
  for (char& c : lowered) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  if (lowered == "m") return LengthUnit::Metre;
  if (lowered == "ft") return LengthUnit::Foot;
  if (lowered == "usft") return LengthUnit::UsSurveyFoot;
  throw std::invalid_argument("'" + std::string(text) + "' is not a unit: use m, ft or usft");
}

double metresPer(LengthUnit unit) {
  switch (unit) {
    case LengthUnit::Metre:
      return 1.0;
    case LengthUnit::Foot:
      return 0.3048;
    case LengthUnit::UsSurveyFoot:
      return 1200.0 / 3937.0;
  }
  return 1.0;
}

std::string nameOf(LengthUnit unit) {
  switch (unit) {
    case LengthUnit::Metre:
      return "m";
    case LengthUnit::Foot:
      return "ft";
    case LengthUnit::UsSurveyFoot:
      return "usft";
  }
  return "m";
}

double conversionFactor(LengthUnit from, LengthUnit to) {
  return from == to ? 1.0 : metresPer(from) / metresPer(to);
}

}  // namespace survey
