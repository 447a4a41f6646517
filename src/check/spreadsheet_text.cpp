#include "check/spreadsheet_text.h"

namespace check {

bool looksLikeFormula(std::string_view text) {
  return !text.empty() && std::string_view("=+-@\t\r").find(text.front()) != std::string_view::npos;
}

std::string spreadsheetText(std::string_view text) {
  return (looksLikeFormula(text) ? "'" : "") + std::string(text);
}

}  // namespace check
