#pragma once

#include <filesystem>
#include <optional>
#include <string>

// A PDF read back as its reader sees it, through poppler's tools (poppler-utils).
namespace fixtures {

// Whether pdftotext, pdfinfo and pdftoppm are there; the tests that need them skip without.
bool popplerInstalled();

// The text of pages `first` to `last` (all without them), in reading order, with every run of
// blanks made one blank so that table cells read "mean 0.017 0.001".
std::string pdfText(const std::filesystem::path& pdf, int first = 0, int last = 0);

// How many pages the PDF has; none when it cannot be read as a PDF.
std::optional<int> pdfPageCount(const std::filesystem::path& pdf);

// Page `page` rendered as a PNG at `dpi`, written to `png`.
bool renderPage(const std::filesystem::path& pdf, int page, int dpi,
                const std::filesystem::path& png);

// How often `needle` occurs in `text`.
std::size_t occurrences(const std::string& text, const std::string& needle);

}  // namespace fixtures
