#include "check/report_unit.h"

#include <stdexcept>

namespace check {

ReportUnit parseReportUnit(std::string_view text) {
  if (text == "mm") return ReportUnit::Millimetre;
  if (text == "m") return ReportUnit::Metre;
  if (text == "ft") return ReportUnit::Foot;
  throw std::invalid_argument("'" + std::string(text) + "' is not a unit: use mm, m or ft");
}

std::string nameOf(ReportUnit unit) {
  switch (unit) {
    case ReportUnit::Millimetre:
      return "mm";
    case ReportUnit::Metre:
      return "m";
    case ReportUnit::Foot:
      return "ft";
  }
  return "m";
}

double metresPer(ReportUnit unit) {
  switch (unit) {
    case ReportUnit::Millimetre:
      return 0.001;
    case ReportUnit::Metre:
      return 1.0;
    case ReportUnit::Foot:
      return 0.3048;
  }
  return 1.0;
}

}  // namespace check
