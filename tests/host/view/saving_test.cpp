#include <filesystem>

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QStatusBar>
#include <QStringList>
#include <QTemporaryDir>

#include "host/dxf/reader.h"
#include "host/dxf/save.h"
#include "host/view/window_fixture.h"

namespace host::view {
namespace {

// A drawing of another program with a line, a clipped paper-space viewport and an
// application's record, none of which a drawing file written here can keep but the line.
constexpr const char* kForeignDrawing =
    "0\nSECTION\n2\nENTITIES\n"
    "0\nLINE\n5\n20\n8\n0\n10\n0\n20\n0\n30\n0\n11\n5\n21\n5\n31\n0\n"
    "0\nVIEWPORT\n5\n21\n100\nAcDbEntity\n67\n1\n8\n0\n100\nAcDbViewport\n10\n100\n20\n80\n"
    "40\n150\n41\n100\n69\n2\n340\n20\n"
    "0\nENDSEC\n0\nSECTION\n2\nOBJECTS\n"
    "0\nDICTIONARY\n5\nC\n330\n0\n100\nAcDbDictionary\n3\nSURVEY\n350\nD\n"
    "0\nXRECORD\n5\nD\n330\nC\n100\nAcDbXrecord\n1\nstation 12\n"
    "0\nENDSEC\n0\nEOF\n";

struct LossAsked {
  QString name;
  QString lost;
  bool newName;
};

// The window over a drawing opened from another program's file, with every question answered
// by the test.
class Saving : public WindowFixture {
 protected:
  void SetUp() override {
    WindowFixture::SetUp();
    ASSERT_TRUE(folder.isValid());
    source = folder.filePath("site.dxf");
    QFile file(source);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(kForeignDrawing);
    file.close();
    window->setLossQuestion([this](const QString& name, const QString& lost, bool newName) {
      lossAsked.push_back({name, lost, newName});
      return goOn;
    });
    window->setSavePathQuestion([this](const QString&) -> std::optional<QString> {
      ++pathsAsked;
      return newPath;
    });
    ASSERT_TRUE(window->openFile(source));
    opened = window->activeView();
  }

  QByteArray contentOf(const QString& path) const {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }
  QStringList files() const { return QDir(folder.path()).entryList(QDir::Files); }
  bool historyHas(const QString& text) const {
    return window->commandLine()->history().contains(text);
  }

  QTemporaryDir folder;
  QString source;
  DrawingView* opened = nullptr;
  bool goOn = true;
  std::optional<QString> newPath;
  std::vector<LossAsked> lossAsked;
  int pathsAsked = 0;
};

TEST_F(Saving, SaveTellsWhatWouldBeLostAndCancelWritesNothing) {
  goOn = false;
  type("save");
  ASSERT_EQ(lossAsked.size(), 1u);
  EXPECT_EQ(lossAsked[0].name, "site.dxf");
  EXPECT_EQ(lossAsked[0].lost, "1 VIEWPORT, 1 XRECORD");
  EXPECT_TRUE(lossAsked[0].newName);
  EXPECT_EQ(pathsAsked, 0);
  EXPECT_EQ(contentOf(source), kForeignDrawing);
  EXPECT_EQ(files(), QStringList{"site.dxf"});
  EXPECT_TRUE(historyHas("Not saved"));
}

TEST_F(Saving, AgreedSaveGoesToANewNameAndLaterSavesThereWithoutAsking) {
  newPath = folder.filePath("copy.dxf");
  type("save");
  EXPECT_EQ(pathsAsked, 1);
  EXPECT_EQ(contentOf(source), kForeignDrawing);
  EXPECT_EQ(window->windowTitle(), "copy.dxf[*] - Kestova CAD");
  EXPECT_TRUE(historyHas("without 1 VIEWPORT, 1 XRECORD"));

  type("line 1,1,0 2,2,0");
  type("save");
  EXPECT_EQ(lossAsked.size(), 1u);
  EXPECT_EQ(pathsAsked, 1);
  const auto copy = dxf::readDxf(newPath->toStdString());
  EXPECT_EQ(copy->blocks()[model::BlockTable::kModelSpace].entities.size(), 2u);
  EXPECT_TRUE(copy->blocks()[model::BlockTable::kPaperSpace].entities.empty());
}

TEST_F(Saving, NewNameThatIsTheSourceFileAfterAllIsRefused) {
  newPath = folder.path() + "/./site.dxf";
  type("save");
  EXPECT_EQ(contentOf(source), kForeignDrawing);
  EXPECT_TRUE(historyHas("the file this drawing was read from"));
  EXPECT_TRUE(opened->drawing().filePath() == source.toStdString());
}

TEST_F(Saving, SaveAsOverTheSourceFileIsRefusedWithoutAsking) {
  type("saveas " + source);
  EXPECT_TRUE(lossAsked.empty());
  EXPECT_EQ(contentOf(source), kForeignDrawing);
  EXPECT_TRUE(historyHas("Save under another name"));
}

TEST_F(Saving, SaveAsElsewhereAsksWithoutANewNameAndSavesThere) {
  const QString other = folder.filePath("other.dxf");
  type("saveas " + other);
  ASSERT_EQ(lossAsked.size(), 1u);
  EXPECT_FALSE(lossAsked[0].newName);
  EXPECT_EQ(pathsAsked, 0);
  EXPECT_TRUE(std::filesystem::exists(other.toStdString()));
  EXPECT_EQ(contentOf(source), kForeignDrawing);
}

TEST_F(Saving, CloseWithSaveThatTheUserStopsKeepsTheDrawingOpen) {
  type("line 1,1,0 2,2,0");
  window->setSaveQuestion([](const QString&) { return SaveChoice::Save; });
  goOn = false;
  type("close");
  EXPECT_EQ(window->views().size(), 2);
  EXPECT_TRUE(opened->document()->modified());
  EXPECT_EQ(contentOf(source), kForeignDrawing);
}

TEST_F(Saving, DrawingThatLosesNothingSavesWithoutTheQuestion) {
  type("close");  // back to the new drawing of the fixture
  ASSERT_EQ(window->activeView(), view);
  type("line 0,0,0 1,1,1");
  type("saveas " + folder.filePath("own.dxf"));
  EXPECT_TRUE(lossAsked.empty());
  EXPECT_TRUE(std::filesystem::exists(folder.filePath("own.dxf").toStdString()));
}

// The first SAVE of a drawing keeps no backup (there is no earlier file); each later one keeps
// the file it replaces as own.bak, only the last one.
TEST_F(Saving, SaveKeepsThePreviousFileAsItsBackup) {
  type("close");
  type("line 0,0,0 1,1,1");
  type("saveas " + folder.filePath("own.dxf"));
  EXPECT_FALSE(files().contains("own.bak"));
  for (int save = 1; save <= 2; ++save) {
    const QByteArray before = contentOf(folder.filePath("own.dxf"));
    type(QString("line %1,0,0 %1,1,0").arg(save));
    type("save");
    EXPECT_EQ(contentOf(folder.filePath("own.bak")), before) << "save " << save;
    EXPECT_EQ(dxf::readDxf(folder.filePath("own.dxf").toStdString())
                  ->blocks()[model::BlockTable::kModelSpace]
                  .entities.size(),
              1u + save);
  }
  EXPECT_EQ(files(), (QStringList{"own.bak", "own.dxf", "site.dxf"}));
  EXPECT_FALSE(historyHas("No backup"));
}

TEST_F(Saving, ABackupThatCannotBeMadeIsToldAndTheDrawingIsSaved) {
  type("close");
  type("saveas " + folder.filePath("own.dxf"));
  ASSERT_TRUE(QDir(folder.path()).mkpath("own.bak/inside"));
  type("line 0,0,0 1,1,1");
  type("save");
  EXPECT_TRUE(historyHas("No backup: cannot replace " + folder.filePath("own.bak")));
  EXPECT_FALSE(view->document()->modified());
}

}  // namespace
}  // namespace host::view

namespace host::view {
namespace {

constexpr const char* kRelease12Drawing =
    "0\nSECTION\n2\nHEADER\n9\n$ACADVER\n1\nAC1009\n9\n$PDMODE\n70\n35\n0\nENDSEC\n"
    "0\nSECTION\n2\nENTITIES\n0\nPOINT\n8\n0\n10\n1\n20\n2\n30\n3\n0\nENDSEC\n0\nEOF\n";

// A release 12 drawing is converted on saving, which the first save says; SAVEAS may choose
// the release.
TEST_F(Saving, ARelease12DrawingIsToldOnceThatItIsConvertedAndSaveAsChoosesTheRelease) {
  const QString old = folder.filePath("old.dxf");
  QFile file(old);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(kRelease12Drawing);
  file.close();
  ASSERT_TRUE(window->openFile(old));

  type("save");
  EXPECT_TRUE(historyHas("Saved " + old + " (converted from release 12 to R2000)"));
  EXPECT_TRUE(contentOf(old).contains("AC1015"));
  EXPECT_TRUE(contentOf(old).contains("$PDMODE"));
  type("point 4,5,6");
  type("save");
  EXPECT_TRUE(historyHas("Saved " + old));

  const QString newer = folder.filePath("newer.dxf");
  type("saveas " + newer + " R2013");
  EXPECT_TRUE(historyHas("Saved " + newer));
  EXPECT_TRUE(contentOf(newer).contains("AC1027"));
  EXPECT_TRUE(lossAsked.empty());
}

bool isBinary(const QByteArray& content) {
  return content.startsWith(QByteArray("AutoCAD Binary DXF\r\n\x1a\0", 22));
}

// The window over a drawing read from a binary file.
class SavingBinary : public WindowFixture {
 protected:
  void SetUp() override {
    WindowFixture::SetUp();
    ASSERT_TRUE(folder.isValid());
    const QString text = folder.filePath("text.dxf");
    QFile file(text);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(
        "0\nSECTION\n2\nENTITIES\n0\nLINE\n8\n0\n10\n2500000.5\n20\n5600000.25\n11\n1\n21\n"
        "2\n0\nENDSEC\n0\nEOF\n");
    file.close();
    dxf::SaveOptions binary;
    binary.form = dxf::FileForm::kBinary;
    binary.release = dxf::findRelease("R2013");
    binary_ = folder.filePath("site.dxf");
    dxf::saveDxf(*dxf::readDxf(text.toStdString()), binary_.toStdString(), binary);
  }

  // Saves as through the real file dialog: notes its file types and the one chosen to begin
  // with, then chooses `type` and `path`.
  void saveAsWithDialog(const QString& type, const QString& path) {
    offered.clear();
    // The dialog shows once the command runs: looked for until it does.
    QTimer timer;
    int looks = 0;
    QObject::connect(&timer, &QTimer::timeout, [&] {
      if (++looks > 500) {  // five seconds: whatever waits instead is closed, not waited for
        timer.stop();
        ADD_FAILURE() << "no file dialog";
        if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
          modal->reject();
        return;
      }
      auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
      if (dialog == nullptr) return;
      if (offered.isEmpty()) {
        offered = dialog->nameFilters();
        chosenFirst = dialog->selectedNameFilter();
      }
      // The dialog fills in the drawing's name once shown: chosen again until the choice holds.
      if (dialog->selectedNameFilter() != type || dialog->selectedFiles().value(0) != path) {
        dialog->selectNameFilter(type);
        dialog->setDirectory(QFileInfo(path).path());
        // Typed as a user would: selectFile alone may lose to the name filled in.
        if (auto* name = dialog->findChild<QLineEdit*>("fileNameEdit")) {
          name->setText(QFileInfo(path).fileName());
        }
        return;
      }
      timer.stop();
      static_cast<QDialog*>(dialog)->accept();  // QFileDialog hides it
    });
    timer.start(10);
    window->runCommand("saveas");
  }

  QByteArray contentOf(const QString& path) const {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }

  QTemporaryDir folder;
  QString binary_;
  QStringList offered;
  QString chosenFirst;
};

TEST_F(SavingBinary, SaveAsOffersEachReleaseInTextAndBinaryTheDrawingsOwnFirst) {
  saveAsWithDialog("DXF R2000 drawing (*.dxf)", folder.filePath("new.dxf"));
  EXPECT_EQ(chosenFirst, "DXF R2000 drawing (*.dxf)");  // a new drawing is text
  EXPECT_EQ(offered,
            QStringList({"DXF R2018 drawing (*.dxf)", "DXF R2013 drawing (*.dxf)",
                         "DXF R2010 drawing (*.dxf)", "DXF R2007 drawing (*.dxf)",
                         "DXF R2004 drawing (*.dxf)", "DXF R2000 drawing (*.dxf)",
                         "Binary DXF R2018 drawing (*.dxf)", "Binary DXF R2013 drawing (*.dxf)",
                         "Binary DXF R2010 drawing (*.dxf)", "Binary DXF R2007 drawing (*.dxf)",
                         "Binary DXF R2004 drawing (*.dxf)", "Binary DXF R2000 drawing (*.dxf)"}));
  EXPECT_FALSE(isBinary(contentOf(folder.filePath("new.dxf"))));

  ASSERT_TRUE(window->openFile(binary_));
  struct Case {
    const char* type;
    const char* file;
    bool binary;
    const char* version;
  };
  const Case cases[] = {
      {"DXF R2010 drawing (*.dxf)", "as-text.dxf", false, "AC1024"},
      {"Binary DXF R2018 drawing (*.dxf)", "as-binary.dxf", true, "AC1032"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.type);
    saveAsWithDialog(c.type, folder.filePath(c.file));
    EXPECT_EQ(chosenFirst, "Binary DXF R2013 drawing (*.dxf)");
    const QByteArray saved = contentOf(folder.filePath(c.file));
    EXPECT_EQ(isBinary(saved), c.binary);
    EXPECT_TRUE(saved.contains(c.version));
  }
}

// SAVE writes binary what was read binary; SAVEAS with a release keeps the form.
TEST_F(SavingBinary, SaveAndSaveAsKeepTheBinaryForm) {
  ASSERT_TRUE(window->openFile(binary_));
  type("line 0,0 5,5");
  type("save");
  EXPECT_TRUE(isBinary(contentOf(binary_)));
  const QString newer = folder.filePath("newer.dxf");
  type("saveas " + newer + " R2018");
  EXPECT_TRUE(isBinary(contentOf(newer)));
  EXPECT_TRUE(contentOf(newer).contains("AC1032"));
  EXPECT_EQ(
      dxf::readDxf(newer.toStdString())->blocks()[model::BlockTable::kModelSpace].entities.size(),
      2u);
}

}  // namespace
}  // namespace host::view

namespace host::view {
namespace {

// Drawings of releases 13 and 14 are written as release 2000, which the first save says; a
// drawing of release 2000 is saved as what it is.
TEST_F(Saving, OlderReleasesAreToldWhichReleaseTheyAreConvertedFrom) {
  struct Case {
    const char* version;
    const char* told;
  };
  const Case cases[] = {{"AC1012", " (converted from release 13 to R2000)"},
                        {"AC1014", " (converted from release 14 to R2000)"},
                        {"AC1015", ""}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.version);
    const QString path = folder.filePath(QString(c.version) + ".dxf");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray("0\nSECTION\n2\nHEADER\n9\n$ACADVER\n1\n") + c.version +
               "\n0\nENDSEC\n0\nSECTION\n2\nENTITIES\n0\nPOINT\n8\n0\n10\n1\n20\n2\n30\n3\n"
               "0\nENDSEC\n0\nEOF\n");
    file.close();
    ASSERT_TRUE(window->openFile(path));
    type("save");
    EXPECT_TRUE(historyHas("Saved " + path + c.told));
    EXPECT_TRUE(contentOf(path).contains("AC1015"));
  }
}

// A drawing whose layer names contradict the code page its header gives says so once, when it
// opens, in the status bar and the history.
TEST_F(Saving, NamesNotInTheirCodePageAreToldWhenTheDrawingOpens) {
  const QString path = folder.filePath("utf8.dxf");
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(
      "0\nSECTION\n2\nHEADER\n9\n$ACADVER\n1\nAC1018\n9\n$DWGCODEPAGE\n3\nANSI_1252\n0\nENDSEC\n"
      "0\nSECTION\n2\nTABLES\n0\nTABLE\n2\nLAYER\n0\nLAYER\n2\nB\xc3\xb6schung\n70\n0\n62\n3\n"
      "0\nENDTAB\n0\nENDSEC\n0\nEOF\n");
  file.close();
  ASSERT_TRUE(window->openFile(path));
  const QString told = QString("utf8.dxf") +
                       ": The text of LAYER \"B\u00f6schung\" does not match the code page "
                       "ANSI_1252 of the file: read as UTF-8";
  EXPECT_EQ(window->statusBar()->currentMessage(), told);
  EXPECT_EQ(window->commandLine()->history().count(told), 1);
}

}  // namespace
}  // namespace host::view
