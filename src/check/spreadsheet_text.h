#pragma once

#include <string>
#include <string_view>

// Text in a report that a spreadsheet opens: an id or a code such as "=HYPERLINK(...)",
// "+cmd|calc" or "@SUM(1)" would be taken for a formula and run. Such text is marked to be
// shown as text the way a spreadsheet's own users mark it, with a leading apostrophe, in a CSV
// and in a workbook alike (so that it stays text when a workbook is saved as CSV). Numbers are
// written by the reports themselves and never pass here, so a negative deviation stays a number.
namespace check {

// Whether a spreadsheet would take `text`, typed into a cell, for a formula: it starts with
// '=', '+', '-', '@', a tab or a carriage return.
bool looksLikeFormula(std::string_view text);

// `text` as a text cell: with an apostrophe in front where it looks like a formula.
std::string spreadsheetText(std::string_view text);

}  // namespace check
