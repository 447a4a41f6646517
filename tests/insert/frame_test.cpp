#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "insert/insert_command.h"
#include "recording_fixture.h"

namespace {

struct NamedUcsCase {
  std::string name;
  bool deleted;
};

void PrintTo(const NamedUcsCase& c, std::ostream* os) {
  *os << '"' << c.name << '"';
}

class NamedUcs : public RecordingRun, public ::testing::WithParamInterface<NamedUcsCase> {};

// A named current UCS places the entities itself; only one whose name begins with "_Active"
// (letter case as written) is removed after a finished run.
TEST_P(NamedUcs, IsUsedAsItIsAndRemovedOnlyWhenTemporary) {
  drawing->currentUcs.name = GetParam().name;
  dialog.checks = {};
  dialog.grouped(false);

  insert::cmdInsert_Click(dialog, vars);

  const std::vector<std::string> frame(log.lines.begin(), log.lines.begin() + 4);
  EXPECT_EQ(frame, (std::vector<std::string>{"GetVariable UCSNAME", "ActiveUCS", "UCS.Name",
                                             "UCS.GetUCSMatrix"}));
  const bool deleted = std::find(log.lines.begin(), log.lines.end(),
                                 "UCS.Delete " + GetParam().name) != log.lines.end();
  EXPECT_EQ(deleted, GetParam().deleted);
}

INSTANTIATE_TEST_SUITE_P(
    Names, NamedUcs,
    ::testing::Values(NamedUcsCase{"Site", false}, NamedUcsCase{"_Active", true},
                      NamedUcsCase{"_ActiveCopy", true}, NamedUcsCase{"_active", false},
                      NamedUcsCase{"_Activ", false}, NamedUcsCase{"X_Active", false}));

class UnnamedUcs : public RecordingRun {};

TEST_F(UnnamedUcs, IsSavedOnEveryRunAndNeverRemoved) {
  dialog.checks = {};
  dialog.grouped(false);

  insert::cmdInsert_Click(dialog, vars);
  insert::cmdInsert_Click(dialog, vars);

  const auto saved = std::count_if(log.lines.begin(), log.lines.end(), [](const auto& line) {
    return line.rfind("UserCoordinateSystems.Add", 0) == 0 && line.ends_with(" OriginalUCS");
  });
  EXPECT_EQ(saved, 2);
  EXPECT_EQ(std::count(log.lines.begin(), log.lines.end(), "ActiveUCS"), 0);
  EXPECT_TRUE(std::none_of(log.lines.begin(), log.lines.end(),
                           [](const auto& line) { return line.starts_with("UCS.Delete"); }));
}

}  // namespace
