#pragma once

#include <string>
#include <utility>
#include <vector>

namespace check {

// What a report says about the job beside the check itself, for the one who signs it off. Each
// is free text, empty when not given.
struct ReportFields {
  std::string project;
  std::string client;
  std::string surveyor;
  std::string instrument;
  std::string coordinateSystem;  // as the report names it: "ETRS89 / UTM 32N, DHHN2016"
  std::string notes;
};

// The fields given, labelled, in the order reports list them: Project, Client, Surveyor,
// Instrument, Coordinate system, Notes.
inline std::vector<std::pair<std::string, std::string>> givenFields(const ReportFields& fields) {
  std::vector<std::pair<std::string, std::string>> given;
  for (const auto& [label, value] :
       {std::pair<const char*, const std::string&>{"Project", fields.project},
        {"Client", fields.client},
        {"Surveyor", fields.surveyor},
        {"Instrument", fields.instrument},
        {"Coordinate system", fields.coordinateSystem},
        {"Notes", fields.notes}}) {
    if (!value.empty()) given.emplace_back(label, value);
  }
  return given;
}

}  // namespace check
