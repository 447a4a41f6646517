// The settings file: the text height kept across starts in the user's configuration folder.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>

#include "app/ini_settings_store.h"
#include "host/automation/host_launcher.h"
#include "support/form_doubles.h"

namespace {

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
  formtest::RecordedMessages messages;
  messages.answerYes = false;
  host::HostLauncher launcher;
  const auto start = [&](const char* separator) {
    auto dialog = std::make_unique<form::frmKestova>(
        form::FormServices{&launcher, &messages, &*store_, separator, {}});
    dialog->Form_Load();
    return dialog;
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
