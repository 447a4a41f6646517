#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cerrno>

#include "host/dxf/backup_file.h"
#include "host/dxf/dxf_error.h"
#include "host/dxf/reader.h"
#include "host/dxf/save.h"
#include "host_drawing.h"

namespace host::dxf {
namespace {

namespace fs = std::filesystem;

SaveOptions withBackup() {
  SaveOptions options;
  options.keepBackup = true;
  return options;
}

// The host drawing with `lines` more lines: each save below writes a drawing told apart by
// its count.
std::unique_ptr<model::Document> drawingWith(int lines) {
  auto document = testing::hostDrawing();
  for (int i = 0; i < lines; ++i) {
    document->addEntity(model::BlockTable::kModelSpace,
                        model::Line{Eigen::Vector3d(i, 0, 0), Eigen::Vector3d(i, 1, 0)});
  }
  return document;
}

std::size_t modelSpaceCount(const fs::path& path) {
  return readDxf(path)->blocks()[model::BlockTable::kModelSpace].entities.size();
}

std::size_t baseCount() {
  return testing::hostDrawing()->blocks()[model::BlockTable::kModelSpace].entities.size();
}

TEST(DrawingBackup, NamesTheFileWithTheBakExtension) {
  EXPECT_EQ(backupName("/a/site.dxf"), fs::path("/a/site.bak"));
  EXPECT_EQ(backupName("/a/site.v2.DXF"), fs::path("/a/site.v2.bak"));
  EXPECT_EQ(backupName("/a/site"), fs::path("/a/site.bak"));
}

TEST(DrawingBackup, ANewFileHasNoneAndEachSaveKeepsOnlyTheVersionBeforeIt) {
  const auto directory = testing::scratchDirectory("backup_versions");
  const auto path = directory / "site.dxf";
  EXPECT_EQ(saveDxf(*drawingWith(0), path, withBackup()).backupNotKept, "");
  EXPECT_FALSE(fs::exists(directory / "site.bak")) << "a new file has nothing to keep";

  for (int save = 1; save <= 3; ++save) {
    const std::string before = testing::readFile(path);
    EXPECT_EQ(saveDxf(*drawingWith(save), path, withBackup()).backupNotKept, "");
    EXPECT_EQ(testing::readFile(directory / "site.bak"), before) << "save " << save;
    EXPECT_EQ(modelSpaceCount(directory / "site.bak"), baseCount() + save - 1);
    EXPECT_EQ(modelSpaceCount(path), baseCount() + save);
  }
  EXPECT_EQ(std::distance(fs::directory_iterator(directory), {}), 2) << "one backup only";
}

TEST(DrawingBackup, IsNotMadeUnlessAsked) {
  const auto directory = testing::scratchDirectory("backup_not_asked");
  saveDxf(*drawingWith(0), directory / "site.dxf");
  saveDxf(*drawingWith(1), directory / "site.dxf");
  EXPECT_FALSE(fs::exists(directory / "site.bak"));
}

TEST(DrawingBackup, OfALinkedFileSitsBesideThatFile) {
  const auto root = testing::scratchDirectory("backup_link");
  fs::create_directories(root / "files");
  fs::create_directories(root / "links");
  const auto target = root / "files" / "site.dxf";
  saveDxf(*drawingWith(0), target);
  fs::create_symlink("../files/site.dxf", root / "links" / "site.dxf");

  saveDxf(*drawingWith(1), root / "links" / "site.dxf", withBackup());

  EXPECT_TRUE(fs::is_symlink(root / "links" / "site.dxf"));
  EXPECT_EQ(modelSpaceCount(root / "files" / "site.bak"), baseCount());
  EXPECT_EQ(modelSpaceCount(target), baseCount() + 1);
  EXPECT_FALSE(fs::exists(root / "links" / "site.bak"));
}

TEST(DrawingBackup, AReadOnlyFileIsRefusedAndLeavesTheOldBackup) {
  const auto directory = testing::scratchDirectory("backup_read_only");
  const auto path = directory / "site.dxf";
  saveDxf(*drawingWith(0), path);
  saveDxf(*drawingWith(1), path, withBackup());
  const std::string backup = testing::readFile(directory / "site.bak");
  ::chmod(path.c_str(), 0444);
  EXPECT_THROW(saveDxf(*drawingWith(2), path, withBackup()), DxfError);
  EXPECT_EQ(testing::readFile(directory / "site.bak"), backup);
  EXPECT_EQ(modelSpaceCount(path), baseCount() + 1);
}

TEST(DrawingBackup, AFailedWriteLeavesTheOldBackup) {
  const auto directory = testing::scratchDirectory("backup_failed_write");
  const auto path = directory / "site.dxf";
  saveDxf(*drawingWith(0), path);
  saveDxf(*drawingWith(1), path, withBackup());
  const std::string backup = testing::readFile(directory / "site.bak");
  SaveOptions failing = withBackup();
  failing.write = [](int, const void*, std::size_t) -> ssize_t {
    errno = ENOSPC;
    return -1;
  };
  EXPECT_THROW(saveDxf(*drawingWith(2), path, failing), DxfError);
  EXPECT_EQ(testing::readFile(directory / "site.bak"), backup);
  EXPECT_EQ(modelSpaceCount(path), baseCount() + 1);
}

// A drawing whose own name ends in .bak would be removed as its own backup.
TEST(DrawingBackup, AFileNamedAsABackupIsSavedWithoutOne) {
  const auto directory = testing::scratchDirectory("backup_of_bak");
  const auto path = directory / "site.bak";
  saveDxf(*drawingWith(0), path);
  EXPECT_EQ(saveDxf(*drawingWith(1), path, withBackup()).backupNotKept, "");
  EXPECT_EQ(modelSpaceCount(path), baseCount() + 1);
  EXPECT_EQ(std::distance(fs::directory_iterator(directory), {}), 1);
}

TEST(DrawingBackup, ThatCannotBeMadeIsToldAndTheSaveGoesOn) {
  const auto directory = testing::scratchDirectory("backup_blocked");
  const auto path = directory / "site.dxf";
  saveDxf(*drawingWith(0), path);
  fs::create_directories(directory / "site.bak" / "inside");
  const Saved saved = saveDxf(*drawingWith(1), path, withBackup());
  EXPECT_NE(saved.backupNotKept.find("site.bak"), std::string::npos) << saved.backupNotKept;
  EXPECT_EQ(modelSpaceCount(path), baseCount() + 1);
}

}  // namespace
}  // namespace host::dxf
