#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace check {

// `kestova check`, given the arguments after "check": reads the two point files, pairs them,
// compares each pair along the chosen frame, writes the CSV report when asked and prints the
// summary on `out`; messages go to `err`. Returns the exit status: 0 every pair within
// tolerance, 1 some pair outside or some point unmatched, 2 bad input (nothing written).
int runCheckCommand(const std::vector<std::string>& arguments, std::ostream& out,
                    std::ostream& err);

}  // namespace check
