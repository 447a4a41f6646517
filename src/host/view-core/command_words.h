#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The words of a typed command line, shared by the parsers of its commands.
namespace host::view::command_words {

std::string upper(std::string_view text);
// The first word and what follows it, trimmed.
std::pair<std::string_view, std::string_view> firstWord(std::string_view text);
std::vector<std::string_view> words(std::string_view text);
// A path may be quoted so that it can carry leading or trailing blanks.
std::string_view unquoted(std::string_view path);

}  // namespace host::view::command_words
