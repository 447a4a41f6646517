#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace host::model {

// The lines a multi-line text shows, from its content as a drawing file stores it: \P and line
// feeds break lines, braces group and vanish, settings (height, colour, font, ...) and
// underline, overline and strike-through vanish, \U+XXXX gives that character, \~ a
// non-breaking space and a stack \S...; its "numerator/denominator". A code that is unknown or
// broken shows as typed, so no text is lost.
std::vector<std::string> multiLineTextLines(std::string_view content);

// What a single-line text shows: %%c, %%d and %%p give the diameter, degree and plus-minus
// signs, %%% a percent sign; %%u and %%o (underline, overline) vanish.
std::string lineTextShown(std::string_view content);

}  // namespace host::model
