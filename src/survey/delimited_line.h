#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// One line of a delimited point file cut into its fields.
namespace survey {

enum class Delimiter { Comma, Semicolon, Tab, Blanks };

// The delimiter a file's first line uses: the most frequent of tab, semicolon and comma outside
// quotes (in that order on a tie; never the comma with a decimal comma), else runs of blanks.
Delimiter detectDelimiter(std::string_view line, bool decimalComma);

// Cuts lines into fields: blanks around a field are dropped, a field in double quotes keeps
// its delimiters and blanks, and "" inside it stands for one quote.
class FieldSplitter {
 public:
  explicit FieldSplitter(Delimiter delimiter) : delimiter_(delimiter) {}

  // The first `maxFields` fields of `line`, valid until the next call; further fields are not
  // looked at. False when a quote is not closed.
  bool split(std::string_view line, std::size_t maxFields);
  const std::vector<std::string_view>& fields() const { return fields_; }

 private:
  bool isSeparator(char c) const;
  bool isBlank(char c) const;

  Delimiter delimiter_;
  std::vector<std::string_view> fields_;
  // Quoted fields without their quotes; reserved for the whole line, so views stay valid.
  std::string unquoted_;
};

}  // namespace survey
