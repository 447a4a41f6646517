// The text height: shown from the settings store at start-up, stored on every edit.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>

#include "app/ini_settings_store.h"
#include "form_fixture.h"

namespace {

using apptest::FormFixture;

struct LoadCase {
  std::optional<std::string> stored;  // empty: no entry yet
  const char* separator;
  const char* shown;
  std::optional<std::string> storedAfter;
};

void PrintTo(const LoadCase& c, std::ostream* os) {
  *os << "stored '" << c.stored.value_or("(none)") << "' with '" << c.separator << "'";
}

class TextHeightLoad : public FormFixture, public ::testing::WithParamInterface<LoadCase> {};

TEST_P(TextHeightLoad, ShowsTheStoredHeightAndWritesItBack) {
  const LoadCase& c = GetParam();
  if (c.stored) settings.entries["Kestova/startup/Height"] = *c.stored;
  decimalSeparator = c.separator;
  messages.answerYes = false;  // the height is loaded also without a drawing
  EXPECT_EQ(load().Text("txtTextHgt"), c.shown);
  EXPECT_EQ(settings.height(), c.storedAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Table, TextHeightLoad,
    ::testing::Values(LoadCase{std::nullopt, ".", " 1", "1"}, LoadCase{"0.5", ".", " .5", "0.5"},
                      LoadCase{"-1", ".", "-1", "-1"}, LoadCase{"0", ".", " 0", "0"},
                      LoadCase{"2,5", ",", " 2.5", "2,5"}, LoadCase{"12", ",", " 12", "12"},
                      // No number: the field keeps its design text and the entry stays.
                      LoadCase{"abc", ".", "1", "abc"}, LoadCase{"2.5mm", ".", "1", "2.5mm"},
                      LoadCase{"", ".", "1", ""}, LoadCase{"2.5", ",", "1", "2.5"}));

struct EditCase {
  const char* typed;
  const char* separator;
  const char* stored;
};

void PrintTo(const EditCase& c, std::ostream* os) {
  *os << "typed '" << c.typed << "' with '" << c.separator << "'";
}

class TextHeightEdit : public FormFixture, public ::testing::WithParamInterface<EditCase> {};

TEST_P(TextHeightEdit, StoresTheNumericValueOfTheField) {
  decimalSeparator = GetParam().separator;
  app::frmKestova& form = make();
  form.SetText("txtTextHgt", GetParam().typed);
  EXPECT_EQ(settings.height(), GetParam().stored);
  EXPECT_EQ(form.Text("txtTextHgt"), GetParam().typed);  // the field keeps what was typed
}

INSTANTIATE_TEST_SUITE_P(Table, TextHeightEdit,
                         ::testing::Values(EditCase{"2.5", ".", "2.5"}, EditCase{"2.5", ",", "2,5"},
                                           EditCase{"2,5", ",", "2"}, EditCase{"2.5mm", ".", "2.5"},
                                           EditCase{"", ".", "0"}, EditCase{"abc", ".", "0"},
                                           EditCase{" .5", ".", "0.5"}, EditCase{"-1", ".", "-1"}));

TEST_F(FormFixture, AHeightBeyondTheRangeOfADoubleIsNotStored) {
  app::frmKestova& form = make();
  form.SetText("txtTextHgt", "3");
  form.SetText("txtTextHgt", "1e400");
  EXPECT_EQ(settings.height(), "3");
  EXPECT_TRUE(messages.informed.empty());
}

TEST_F(FormFixture, TypingStoresTheHeightKeystrokeByKeystroke) {
  app::frmKestova& form = make();
  form.SetText("txtTextHgt", "");
  form.SetText("txtTextHgt", "1");
  form.SetText("txtTextHgt", "12");
  EXPECT_EQ(settings.written, (std::vector<std::string>{"0", "1", "12"}));
}

TEST_F(FormFixture, AStoreThatCannotBeReadOrWrittenStaysSilent) {
  settings.readFails = true;
  settings.writeFails = true;
  run("AutoCAD.Application.16");
  app::frmKestova& form = load();
  EXPECT_EQ(form.Text("txtTextHgt"), "1");
  form.SetText("txtTextHgt", "3");
  EXPECT_TRUE(messages.informed.empty());
}

// The settings file itself, in a configuration folder of the test's own.
class IniSettings : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder_.isValid());
    const char* old = std::getenv("XDG_CONFIG_HOME");
    oldConfigHome_ = old ? std::optional<std::string>(old) : std::nullopt;
    setenv("XDG_CONFIG_HOME", folder_.path().toLocal8Bit().constData(), 1);
  }
  void TearDown() override {
    if (oldConfigHome_) {
      setenv("XDG_CONFIG_HOME", oldConfigHome_->c_str(), 1);
    } else {
      unsetenv("XDG_CONFIG_HOME");
    }
  }
  QString iniFile() const { return folder_.path() + "/Kestova/Kestova.ini"; }
  void writeIni(const QByteArray& content) {
    QDir().mkpath(folder_.path() + "/Kestova");
    QFile file(iniFile());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
  }

  QTemporaryDir folder_;
  std::optional<std::string> oldConfigHome_;
};

TEST_F(IniSettings, LivesInTheUsersConfigFolder) {
  app::IniSettingsStore store(app::IniSettingsStore::userConfigFolder());
  EXPECT_EQ(store.fileFor("Kestova"), iniFile());
  ASSERT_TRUE(store.Write("Kestova", "startup", "Height", "2,5"));
  QFile file(iniFile());
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QString content = QString::fromUtf8(file.readAll());
  EXPECT_TRUE(content.contains("[startup]")) << content.toStdString();
  EXPECT_TRUE(content.contains("Height=")) << content.toStdString();
}

TEST_F(IniSettings, HeightSurvivesARestart) {
  for (const char* separator : {".", ","}) {
    apptest::RecordedMessages messages;
    messages.answerYes = false;
    fake::Launcher launcher;
    app::IniSettingsStore store(app::IniSettingsStore::userConfigFolder());
    const auto start = [&] {
      app::FormServices services{&launcher, &messages, &store, separator, {}};
      auto form = std::make_unique<app::frmKestova>(services);
      form->Form_Load();
      return form;
    };
    start()->SetText("txtTextHgt", "2.5mm");
    EXPECT_EQ(start()->Text("txtTextHgt"), " 2.5") << separator;
    start()->SetText("txtTextHgt", "0.125");
    EXPECT_EQ(start()->Text("txtTextHgt"), " .125") << separator;
  }
}

TEST_F(IniSettings, AbsentEntryGivesTheDefault) {
  app::IniSettingsStore store(app::IniSettingsStore::userConfigFolder());
  EXPECT_EQ(store.Read("Kestova", "startup", "Height", "1"), "1");
}

TEST_F(IniSettings, AHandEditedListIsReadAsWritten) {
  writeIni("[startup]\nHeight=1,2\n");
  app::IniSettingsStore store(app::IniSettingsStore::userConfigFolder());
  EXPECT_EQ(store.Read("Kestova", "startup", "Height", "1"), "1,2");
}

TEST_F(IniSettings, AFileThatCannotBeOpenedIsAFailureNotADefault) {
  QDir().mkpath(iniFile());  // a folder where the file should be
  app::IniSettingsStore store(app::IniSettingsStore::userConfigFolder());
  EXPECT_EQ(store.Read("Kestova", "startup", "Height", "1"), std::nullopt);
  EXPECT_FALSE(store.Write("Kestova", "startup", "Height", "2"));
}

}  // namespace
