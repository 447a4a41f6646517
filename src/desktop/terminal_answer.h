#pragma once

#include <optional>
#include <string>
#include <vector>

namespace desktop {

// What the program prints on the terminal instead of opening a window, and how it exits.
struct TerminalAnswer {
  std::string text;
  int exitCode = 0;
};

// "--help" (or "-h") and "--version" among the arguments (the program name left out): the
// answer to print, the first such option deciding. None when the program is to start.
std::optional<TerminalAnswer> terminalAnswer(const std::vector<std::string>& arguments);

// How to call the program, for --help and for a wrong command line.
std::string usage();

// "kestova 1.2.3", then the licence notice.
std::string versionLine();

// Who holds the copyright and under which licence, in the words GNU programs use.
std::string licenceNotice();

}  // namespace desktop
