#include "desktop/terminal_answer.h"

namespace desktop {

std::string usage() {
  return "Usage: kestova [drawing.dxf]\n"
         "       kestova check DESIGN SURVEY [options]\n"
         "Draws survey deviations between design and surveyed points into a CAD drawing.\n"
         "\n"
         "  drawing.dxf   the drawing to work in, opened in Kestova's own drawing window\n"
         "                (on Windows, open it in the CAD program before starting Kestova)\n"
         "  check         checks a whole survey against its design from two point files\n"
         "                (CSV or LandXML): pairs, deviations along the world axes or a\n"
         "                drawing's UCS, tolerances, statistics, and CSV and PDF reports,\n"
         "                without a window; see kestova check --help\n"
         "  -h, --help    show this help and exit\n"
         "  --version     show the version and exit\n";
}

std::string versionLine() {
  return std::string("kestova ") + KESTOVA_VERSION + "\n" + licenceNotice();
}

std::string licenceNotice() {
  return "Copyright (C) 2026 Kestova developers\n"
         "License GPL-3.0-or-later <https://www.gnu.org/licenses/gpl-3.0.html>.\n"
         "This is free software: you are free to change and redistribute it.\n"
         "There is NO WARRANTY, to the extent permitted by law.\n";
}

std::optional<TerminalAnswer> terminalAnswer(const std::vector<std::string>& arguments) {
  for (const std::string& argument : arguments) {
    if (argument == "--help" || argument == "-h") return TerminalAnswer{usage(), 0};
    if (argument == "--version") return TerminalAnswer{versionLine(), 0};
  }
  return std::nullopt;
}

}  // namespace desktop
