#include "survey/delimited_line.h"

namespace survey {
namespace {

char delimiterChar(Delimiter delimiter) {
  switch (delimiter) {
    case Delimiter::Comma:
      return ',';
    case Delimiter::Semicolon:
      return ';';
    case Delimiter::Tab:
      return '\t';
    case Delimiter::Blanks:
      break;
  }
  return ' ';
}

}  // namespace

Delimiter detectDelimiter(std::string_view line, bool decimalComma) {
  std::size_t tabs = 0, semicolons = 0, commas = 0;
  bool quoted = false;
  for (const char c : line) {
    if (c == '"') quoted = !quoted;
    if (quoted) continue;
    tabs += c == '\t';
    semicolons += c == ';';
    commas += c == ',' && !decimalComma;
  }
  if (tabs == 0 && semicolons == 0 && commas == 0) return Delimiter::Blanks;
  if (tabs >= semicolons && tabs >= commas) return Delimiter::Tab;
  return semicolons >= commas ? Delimiter::Semicolon : Delimiter::Comma;
}

bool FieldSplitter::isSeparator(char c) const {
  if (delimiter_ == Delimiter::Blanks) return c == ' ' || c == '\t';
  return c == delimiterChar(delimiter_);
}

bool FieldSplitter::isBlank(char c) const {
  return c == ' ' || (c == '\t' && delimiter_ != Delimiter::Tab);
}

bool FieldSplitter::split(std::string_view line, std::size_t maxFields) {
  fields_.clear();
  unquoted_.clear();
  unquoted_.reserve(line.size());
  const std::size_t n = line.size();
  std::size_t i = 0;
  while (fields_.size() < maxFields) {
    while (i < n && isBlank(line[i])) ++i;
    if (delimiter_ == Delimiter::Blanks && i == n) break;
    std::string_view field;
    if (i < n && line[i] == '"') {
      const std::size_t start = unquoted_.size();
      for (++i;; ++i) {
        if (i == n) return false;
        if (line[i] != '"') {
          unquoted_ += line[i];
        } else if (i + 1 < n && line[i + 1] == '"') {
          unquoted_ += '"';
          ++i;
        } else {
          ++i;
          break;
        }
      }
      // Text between the closing quote and the delimiter belongs to the field.
      while (i < n && !isSeparator(line[i])) {
        if (!isBlank(line[i])) unquoted_ += line[i];
        ++i;
      }
      field = std::string_view(unquoted_).substr(start);
    } else {
      const std::size_t start = i;
      while (i < n && !isSeparator(line[i])) ++i;
      std::size_t end = i;
      while (end > start && isBlank(line[end - 1])) --end;
      field = line.substr(start, end - start);
    }
    fields_.push_back(field);
    if (delimiter_ == Delimiter::Blanks) continue;
    if (i == n) break;
    ++i;  // the delimiter
  }
  return true;
}

}  // namespace survey
