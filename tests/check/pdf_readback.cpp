#include "pdf_readback.h"

#include <cstdio>
#include <cstdlib>
#include <regex>

namespace fixtures {
namespace {

std::string quoted(const std::filesystem::path& path) {
  return "'" + path.string() + "'";
}

std::optional<std::string> output(const std::string& command) {
  FILE* pipe = ::popen((command + " 2>/dev/null").c_str(), "r");
  if (pipe == nullptr) return std::nullopt;
  std::string text;
  char chunk[4096];
  while (const std::size_t n = std::fread(chunk, 1, sizeof chunk, pipe)) text.append(chunk, n);
  if (::pclose(pipe) != 0) return std::nullopt;
  return text;
}

}  // namespace

bool popplerInstalled() {
  return std::system(
             "{ command -v pdftotext && command -v pdfinfo && command -v pdftoppm; } "
             ">/dev/null 2>&1") == 0;
}

std::string pdfText(const std::filesystem::path& pdf, int first, int last) {
  std::string command = "pdftotext -layout";
  if (first > 0) command += " -f " + std::to_string(first);
  if (last > 0) command += " -l " + std::to_string(last);
  const std::string text = output(command + " " + quoted(pdf) + " -").value_or("");
  return std::regex_replace(text, std::regex("[ \t]+"), " ");
}

std::optional<int> pdfPageCount(const std::filesystem::path& pdf) {
  const std::optional<std::string> info = output("pdfinfo " + quoted(pdf));
  std::smatch match;
  if (!info || !std::regex_search(*info, match, std::regex(R"(Pages:\s+(\d+))"))) {
    return std::nullopt;
  }
  return std::stoi(match[1]);
}

bool renderPage(const std::filesystem::path& pdf, int page, int dpi,
                const std::filesystem::path& png) {
  const std::string command = "pdftoppm -png -singlefile -r " + std::to_string(dpi) + " -f " +
                              std::to_string(page) + " -l " + std::to_string(page) + " " +
                              quoted(pdf) + " " + quoted(png.parent_path() / png.stem());
  return std::system((command + " 2>/dev/null").c_str()) == 0;
}

std::size_t occurrences(const std::string& text, const std::string& needle) {
  std::size_t count = 0;
  for (std::size_t at = text.find(needle); at != std::string::npos;
       at = text.find(needle, at + needle.size())) {
    ++count;
  }
  return count;
}

}  // namespace fixtures
