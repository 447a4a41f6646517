#include "host/view-core/command_words.h"

#include <algorithm>
#include <cctype>

#include "numbers/trimmed_text.h"

namespace host::view::command_words {

using numbers::trimmed;

std::string upper(std::string_view text) {
  std::string result(text);
  std::ranges::transform(result, result.begin(),
                         [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return result;
}

std::pair<std::string_view, std::string_view> firstWord(std::string_view text) {
  text = trimmed(text);
  const auto end = text.find_first_of(" \t");
  if (end == std::string_view::npos) return {text, {}};
  return {text.substr(0, end), trimmed(text.substr(end))};
}

std::vector<std::string_view> words(std::string_view text) {
  std::vector<std::string_view> result;
  while (!(text = trimmed(text)).empty()) {
    auto [word, rest] = firstWord(text);
    result.push_back(word);
    text = rest;
  }
  return result;
}

std::string_view unquoted(std::string_view path) {
  if (path.size() >= 2 && path.front() == '"' && path.back() == '"') {
    return path.substr(1, path.size() - 2);
  }
  return path;
}

}  // namespace host::view::command_words
