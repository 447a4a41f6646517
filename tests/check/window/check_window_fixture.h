#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include "check/check_command.h"
#include "check/preset_folder.h"
#include "check/window/check_window.h"

namespace check::windowtest {

// Answers every message box with OK as it opens, noting its caption and text.
class MessageAnswerer {
 public:
  MessageAnswerer() {
    timer_.setInterval(10);
    QObject::connect(&timer_, &QTimer::timeout, [this] { answer(); });
    timer_.start();
  }
  QStringList captions;
  QStringList texts;

 private:
  void answer() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr || !box->isVisible()) return;
    captions << box->windowTitle();
    texts << box->text();
    box->button(QMessageBox::Ok)->click();
  }
  QTimer timer_;
};

struct CommandRun {
  int status = -1;
  std::string out;
  std::string err;
};

// The check window over point files the test writes, driven as a user drives it.
struct CheckWindowFixture : testing::Test {
  void SetUp() override {
    ASSERT_TRUE(folder.isValid());
    // The settings as the program names them, in the test's folder; each test starts with
    // nothing remembered and no presets (the process has a configuration folder of its own).
    QCoreApplication::setOrganizationName("Kestova");
    QCoreApplication::setApplicationName("Kestova");
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder.path());
    QSettings().clear();
    std::filesystem::remove_all(presetFolder());
  }

  void open(CheckWindowSetup setup = {}) {
    window = std::make_unique<CheckWindow>(std::move(setup));
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
  }

  std::string write(const std::string& name, const std::string& content) {
    const std::string path = folder.filePath(QString::fromStdString(name)).toStdString();
    std::ofstream(path, std::ios::binary) << content;
    return path;
  }

  template <class W>
  W* find(const char* name) const {
    W* widget = window->findChild<W*>(name);
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }
  template <class W>
  W* findIn(const char* box, const char* name) const {
    return find<QWidget>(box)->findChild<W*>(name);
  }

  // Types the path into the design or the survey box and presses Enter.
  void choose(const char* box, const std::string& path) {
    QLineEdit* edit = findIn<QLineEdit>(box, "path");
    edit->clear();
    QTest::keyClicks(edit, QString::fromStdString(path));
    QTest::keyClick(edit, Qt::Key_Return);
  }

  // Opens the window over a design and a survey file written from these texts, tests dH
  // against `toleranceH` and checks them.
  void checkFiles(const char* designText, const char* surveyText, double toleranceH) {
    design = write("design.csv", designText);
    surveyed = write("survey.csv", surveyText);
    open({{}, 3, 2.5});
    choose("design", design);
    choose("survey", surveyed);
    find<QCheckBox>("tested_h")->click();
    find<QDoubleSpinBox>("tolerance_h")->setValue(toleranceH);
    check();
  }

  // Clicks Check and waits until the check is done.
  void check() {
    QTest::mouseClick(find<QPushButton>("check"), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([this] { return find<QPushButton>("check")->isEnabled(); }));
  }

  // Clicks the column's header until the table is sorted by it in that order.
  static void sortBy(QTableView* table, int column, Qt::SortOrder order) {
    QHeaderView* header = table->horizontalHeader();
    if (table->model()->rowCount() > 0) table->scrollTo(table->model()->index(0, column));
    const QPoint middle(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                        header->height() / 2);
    for (int clicks = 0; clicks < 2; ++clicks) {
      if (header->sortIndicatorSection() == column && header->sortIndicatorOrder() == order) return;
      QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, middle);
    }
    EXPECT_EQ(header->sortIndicatorOrder(), order);
  }

  static QString cell(const QTableView* table, int row, int column) {
    return table->model()->index(row, column).data().toString();
  }
  static QStringList column(const QTableView* table, int column) {
    QStringList cells;
    for (int row = 0; row < table->model()->rowCount(); ++row) cells << cell(table, row, column);
    return cells;
  }

  // `kestova check` with these arguments, run in this process.
  static CommandRun command(const std::vector<std::string>& arguments) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = runCheckCommand(arguments, out, err);
    return {status, out.str(), err.str()};
  }

  QTemporaryDir folder;
  std::unique_ptr<CheckWindow> window;
  std::string design;
  std::string surveyed;
};

}  // namespace check::windowtest
