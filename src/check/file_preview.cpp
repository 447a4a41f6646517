#include "check/file_preview.h"

#include <algorithm>
#include <fstream>
#include <string_view>

#include "survey/delimited_line.h"

namespace check {
namespace {

constexpr std::size_t kBytesRead = 64u << 10;
constexpr std::size_t kLineShown = 200;
constexpr std::size_t kMaxHeaderFields = 256;

std::string_view withoutByteOrderMark(std::string_view text) {
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  return text;
}

std::vector<std::string_view> linesOf(std::string_view text) {
  std::vector<std::string_view> lines;
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t end = std::min(text.find('\n', start), text.size());
    std::string_view line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

// Blank lines and comments (# or //) are no header, as the reader has it.
bool isComment(std::string_view line) {
  const std::size_t first = line.find_first_not_of(" \t");
  if (first == std::string_view::npos) return true;
  line.remove_prefix(first);
  return line[0] == '#' || line.substr(0, 2) == "//";
}

std::optional<survey::ColumnOrder> headerOf(const std::vector<std::string_view>& lines,
                                            bool decimalComma) {
  for (const std::string_view line : lines) {
    if (isComment(line)) continue;
    survey::FieldSplitter splitter(survey::detectDelimiter(line, decimalComma));
    if (!splitter.split(line, kMaxHeaderFields)) return std::nullopt;
    return survey::headerColumns(splitter.fields());
  }
  return std::nullopt;
}

}  // namespace

FilePreview previewPointFile(const std::filesystem::path& path, bool decimalComma,
                             std::size_t lineCount) {
  FilePreview preview;
  std::error_code error;
  if (std::filesystem::is_directory(path, error)) {
    preview.problem = "is a folder, not a point file";
    return preview;
  }
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    preview.problem = "cannot be opened";
    return preview;
  }
  std::string content(kBytesRead, '\0');
  file.read(content.data(), static_cast<std::streamsize>(content.size()));
  content.resize(static_cast<std::size_t>(file.gcount()));

  const std::string_view text = withoutByteOrderMark(content);
  const std::vector<std::string_view> lines = linesOf(text);
  for (std::size_t i = 0; i < lines.size() && i < lineCount; ++i) {
    preview.lines.emplace_back(lines[i].substr(0, kLineShown));
  }
  const std::size_t first = text.find_first_not_of(" \t\r\n");
  const bool utf16 = content.rfind("\xFF\xFE", 0) == 0 || content.rfind("\xFE\xFF", 0) == 0;
  preview.landXml = utf16 || (first != std::string_view::npos && text[first] == '<');
  if (!preview.landXml) preview.header = headerOf(lines, decimalComma);
  return preview;
}

}  // namespace check
