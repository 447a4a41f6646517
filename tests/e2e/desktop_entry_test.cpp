// The program as the desktop and the terminal see it: the answers given before any window,
// and the exported icon, which must be the one the dialog shows.
#include <gtest/gtest.h>

#include <QImage>

#include "app/app_icon.h"
#include "desktop/terminal_answer.h"
#include "support/project_paths.h"

namespace desktop {
namespace {

struct ArgumentsCase {
  std::vector<std::string> arguments;
  std::optional<std::string> answer;  // none: the program starts
};

void PrintTo(const ArgumentsCase& c, std::ostream* out) {
  for (const auto& argument : c.arguments) *out << '"' << argument << "\" ";
}

class TerminalAnswers : public testing::TestWithParam<ArgumentsCase> {};

TEST_P(TerminalAnswers, AnswerOrStart) {
  const auto answer = terminalAnswer(GetParam().arguments);
  ASSERT_EQ(answer.has_value(), GetParam().answer.has_value());
  if (answer) {
    EXPECT_EQ(answer->text, *GetParam().answer);
    EXPECT_EQ(answer->exitCode, 0);
  }
}

const std::string kVersion =
    std::string("kestova ") + KESTOVA_VERSION +
    "\nCopyright (C) 2026 Kestova developers\n"
    "License GPL-3.0-or-later <https://www.gnu.org/licenses/gpl-3.0.html>.\n"
    "This is free software: you are free to change and redistribute it.\n"
    "There is NO WARRANTY, to the extent permitted by law.\n";

INSTANTIATE_TEST_SUITE_P(
    CommandLines, TerminalAnswers,
    testing::Values(ArgumentsCase{{}, std::nullopt}, ArgumentsCase{{"site.dxf"}, std::nullopt},
                    ArgumentsCase{{"--help"}, usage()}, ArgumentsCase{{"-h"}, usage()},
                    ArgumentsCase{{"--version"}, kVersion},
                    // The first of them decides, wherever it stands.
                    ArgumentsCase{{"site.dxf", "--version", "--help"}, kVersion},
                    // Only whole words count; Qt's own options pass on to Qt.
                    ArgumentsCase{{"--helpme"}, std::nullopt},
                    ArgumentsCase{{"-platform", "offscreen"}, std::nullopt}));

TEST(DesktopIcon, TheExportedIconIsTheOneTheDialogShows) {
  for (const int size : {16, 32}) {
    SCOPED_TRACE(size);
    const QImage exported(
        QString("%1/kestova-%2.png")
            .arg(QString::fromStdString(testing_support::buildPath("packaging/icons")))
            .arg(size));
    ASSERT_FALSE(exported.isNull());
    const QImage shown = app::kestovaIcon().pixmap(size, size).toImage();
    EXPECT_EQ(exported.convertToFormat(QImage::Format_ARGB32),
              shown.convertToFormat(QImage::Format_ARGB32));
  }
}

}  // namespace
}  // namespace desktop
