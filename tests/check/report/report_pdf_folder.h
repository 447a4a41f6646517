#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <QDateTime>
#include <filesystem>
#include <string>

#include "check/pdf_readback.h"
#include "check/report/pdf_report.h"
#include "checked_survey.h"

namespace check::report {

// A scratch folder per test suite and process for reports the report library writes, dated
// alike every run so that their pages read the same. Skipped without poppler to read them.
class ReportPdfFolder : public testing::Test {
 protected:
  void SetUp() override {
    if (!fixtures::popplerInstalled()) GTEST_SKIP() << "poppler-utils is not installed";
    std::filesystem::create_directories(folder);
  }
  void TearDown() override { std::filesystem::remove_all(folder); }

  // The report of `checked`, written as report.pdf in the folder.
  std::filesystem::path save(const fixtures::CheckedSurvey& checked) {
    const std::filesystem::path pdf = folder / "report.pdf";
    savePdfReport(pdf, checked.report(), QDateTime(QDate(2024, 5, 2), QTime(14, 30)));
    return pdf;
  }

  std::filesystem::path folder =
      std::filesystem::path(testing::TempDir()) /
      (std::string(testing::UnitTest::GetInstance()->current_test_suite()->name()) + "_" +
       std::to_string(::getpid()));
};

}  // namespace check::report
