#pragma once

#include <string>

namespace check {

// The code lists show for a pair: both when the design's and the survey's differ, "KERB /
// STK", else the one given (case ignored in comparing, as the code filter does).
std::string pairCode(const std::string& design, const std::string& survey);

}  // namespace check
