// The PDF report of a check whose reference names components of its own, read back as text:
// a column of statistics, a histogram and a list column per component, and no word of dH.
#include <gtest/gtest.h>
#include <unistd.h>

#include "check/pdf_readback.h"
#include "check/report/pdf_report.h"
#include "check/rise_check.h"

namespace check::report {
namespace {

TEST(SchemaPdf, FollowsTheComponentsOfTheReference) {
  if (!::fixtures::popplerInstalled()) GTEST_SKIP() << "poppler-utils is not installed";
  const std::filesystem::path pdf = std::filesystem::path(testing::TempDir()) /
                                    ("schema_pdf_test_" + std::to_string(::getpid()) + ".pdf");
  const check::fixtures::RiseCheck check;
  savePdfReport(pdf, check.report, QDateTime(QDate(2024, 5, 2), QTime(14, 30)));
  const std::string first = ::fixtures::pdfText(pdf, 1, 1);
  const std::string histograms = ::fixtures::pdfText(pdf, 3, 3);
  const std::string lists = ::fixtures::pdfText(pdf, 4, 4);
  std::filesystem::remove(pdf);

  const struct {
    const std::string& page;
    const char* line;
  } expected[] = {
      {first, "Tolerances r -0.010 to 0.030\n"},
      {first, " rise\n"},
      {first, "n (pairs) 2\n"},
      {first, "tolerance -0.010 to 0.030\n"},
      {first, "within tolerance 1 (50.0%)\n"},
      {histograms, "rise, survey minus design"},
      {histograms, "rise (m)"},
      {histograms, "2 pairs tolerance -0.010 to 0.030"},
      {lists, "point code rise outside in\n"},
      {lists, "R2 -0.015 r\n"},
  };
  for (const auto& e : expected) {
    EXPECT_NE(e.page.find(e.line), std::string::npos) << e.line << "\nnot in\n" << e.page;
  }
  EXPECT_EQ(first.find("dH"), std::string::npos) << first;
  EXPECT_EQ(histograms.find("dx"), std::string::npos) << histograms;
}

}  // namespace
}  // namespace check::report
