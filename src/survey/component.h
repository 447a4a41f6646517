#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

// What a check measures of each shot: a list of named components, each with its own tolerance.
namespace survey {

// How a component's tolerance is given and tested.
enum class ToleranceRule {
  Symmetric,  // one limit: the value lies within ±limit
  Magnitude,  // one limit: the value, never negative, is at most the limit
  Bounds,     // a lower and an upper bound, which need not mirror each other
};

// One component of a check: what it is called where, and how its tolerance applies.
struct Component {
  std::string key;      // "x": names it in --tolerance and in the lists of failing components
  std::string heading;  // "dx", "dH": heads its statistics, histogram and table column
  std::string column;   // "dx", "dh": its CSV column
  std::string unit;     // "m"; empty: the units of the input, as the point check has them
  ToleranceRule rule = ToleranceRule::Symmetric;
  std::string label;              // "h (horizontal)": its tolerance's box in the check window
  std::string note;               // a sentence under the report's statistics; empty: none
  double typicalTolerance = 0.0;  // what the check window offers before one is typed
};

// The components of a check, in the order every output lists them.
using ComponentSchema = std::vector<Component>;

// One value per component of a schema, in its order; none where a shot has no value for one
// (a height difference without heights).
using ComponentValues = std::vector<std::optional<double>>;

// The keys of `components` of `schema` with `separator` between them: "x z h".
std::string keysOf(const ComponentSchema& schema, const std::vector<std::size_t>& components,
                   const std::string& separator = " ");

}  // namespace survey
