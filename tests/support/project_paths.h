#pragma once

#include <string>
#include <string_view>

namespace testing_support {

// Where the tests find what lies beside them: the project's sources (scripts, example files)
// and its build (the program, generated files). Kept in one small source of their own, so that
// no test source carries the paths of one checkout and a compiler cache finds them alike in
// every checkout.

// `relative` to the top of the project's sources, as an absolute path.
std::string sourcePath(std::string_view relative);
// `relative` to the top of the build, as an absolute path.
std::string buildPath(std::string_view relative);
// The built program.
std::string kestovaProgram();

}  // namespace testing_support
