// The text height: shown from the settings store at start-up, stored on every edit.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>

#include "app/ini_settings_store.h"
#include "form_fixture.h"

namespace {

struct LoadCase {
  std::optional<std::string> stored;  // empty: no entry yet
  const char* separator;
  const char* shown;
  std::optional<std::string> storedAfter;
};

void PrintTo(const LoadCase& c, std::ostream* os) {
  *os << "stored '" << c.stored.value_or("(none)") << "' with '" << c.separator << "'";
}

class TextHeightLoad : public apptest::FormFixture,
                       public ::testing::WithParamInterface<LoadCase> {};

TEST_P(TextHeightLoad, ShowsTheStoredHeightAndWritesItBack) {
  settings.height = GetParam().stored;
  decimalSeparator = GetParam().separator;
  messages.answerYes = false;  // loaded also without a drawing
  EXPECT_EQ(load().Text("txtTextHgt"), GetParam().shown);
  EXPECT_EQ(settings.height, GetParam().storedAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Table, TextHeightLoad,
    ::testing::Values(LoadCase{std::nullopt, ".", " 1", "1"}, LoadCase{"0.5", ".", " .5", "0.5"},
                      LoadCase{"-1", ".", "-1", "-1"}, LoadCase{"2,5", ",", " 2.5", "2,5"},
                      // No number: the field keeps its design text and the entry stays.
                      LoadCase{"abc", ".", "1", "abc"}, LoadCase{"2.5mm", ".", "1", "2.5mm"},
                      LoadCase{"2.5", ",", "1", "2.5"}));

struct EditCase {
  const char* typed;
  const char* separator;
  const char* stored;
};

void PrintTo(const EditCase& c, std::ostream* os) {
  *os << "typed '" << c.typed << "' with '" << c.separator << "'";
}

class TextHeightEdit : public apptest::FormFixture,
                       public ::testing::WithParamInterface<EditCase> {};

TEST_P(TextHeightEdit, StoresTheNumericValueOfTheField) {
  decimalSeparator = GetParam().separator;
  make().SetText("txtTextHgt", GetParam().typed);
  EXPECT_EQ(settings.height, GetParam().stored);
  EXPECT_EQ(form->Text("txtTextHgt"), GetParam().typed);
}

INSTANTIATE_TEST_SUITE_P(Table, TextHeightEdit,
                         ::testing::Values(EditCase{"2.5", ",", "2,5"}, EditCase{"2,5", ",", "2"},
                                           EditCase{"2.5mm", ".", "2.5"}, EditCase{"", ".", "0"},
                                           EditCase{" .5", ".", "0.5"}, EditCase{"-1", ".", "-1"}));

using TextHeight = apptest::FormFixture;

TEST_F(TextHeight, TypingStoresKeystrokeByKeystrokeButNoOverflowingNumber) {
  app::frmKestova& form = make();
  for (const char* text : {"", "1", "12", "12e400", "1.7976931348623157e308", "12e4"}) {
    form.SetText("txtTextHgt", text);
  }
  EXPECT_EQ(settings.written, (std::vector<std::string>{"0", "1", "12", "120000"}));
  EXPECT_TRUE(messages.informed.empty());
}

TEST_F(TextHeight, AStoreThatFailsStaysSilent) {
  settings.fails = true;
  app::frmKestova& form = load();
  EXPECT_EQ(form.Text("txtTextHgt"), "1");
  form.SetText("txtTextHgt", "3");
  EXPECT_EQ(messages.informed.size(), 0u);
}

// The real settings file, in a configuration folder of the test's own.
class IniSettings : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder_.isValid());
    if (const char* old = std::getenv("XDG_CONFIG_HOME")) oldHome_ = old;
    setenv("XDG_CONFIG_HOME", folder_.path().toLocal8Bit().constData(), 1);
    store_.emplace(app::IniSettingsStore::userConfigFolder());
  }
  void TearDown() override {
    oldHome_ ? setenv("XDG_CONFIG_HOME", oldHome_->c_str(), 1) : unsetenv("XDG_CONFIG_HOME");
  }
  QString iniFile() const { return folder_.path() + "/Kestova/Kestova.ini"; }

  QTemporaryDir folder_;
  std::optional<std::string> oldHome_;
  std::optional<app::IniSettingsStore> store_;
};

TEST_F(IniSettings, HeightSurvivesARestart) {
  apptest::RecordedMessages messages;
  messages.answerYes = false;
  host::HostLauncher launcher;
  const auto start = [&](const char* separator) {
    auto form = std::make_unique<app::frmKestova>(
        app::FormServices{&launcher, &messages, &*store_, separator, {}});
    form->Form_Load();
    return form;
  };
  start(",")->SetText("txtTextHgt", "2.5mm");
  EXPECT_EQ(start(",")->Text("txtTextHgt"), " 2.5");
  QFile file(iniFile());
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_TRUE(file.readAll().contains("[startup]\nHeight=\"2,5\""));
}

TEST_F(IniSettings, AHandEditedListIsReadAsWritten) {
  ASSERT_TRUE(QDir().mkpath(folder_.path() + "/Kestova"));
  QFile file(iniFile());
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("[startup]\nHeight=1,2\n");
  file.close();
  EXPECT_EQ(store_->Read("Kestova", "startup", "Height", "1"), "1,2");
  EXPECT_EQ(store_->Read("Kestova", "startup", "Width", "1"), "1");
}

TEST_F(IniSettings, AFileThatCannotBeOpenedIsAFailureNotADefault) {
  ASSERT_TRUE(QDir().mkpath(iniFile()));  // a folder where the file should be
  EXPECT_EQ(store_->Read("Kestova", "startup", "Height", "1"), std::nullopt);
  EXPECT_FALSE(store_->Write("Kestova", "startup", "Height", "2"));
}

}  // namespace
