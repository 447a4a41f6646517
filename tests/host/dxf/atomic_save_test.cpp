#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cerrno>

#include "host/dxf/dxf_error.h"
#include "host/dxf/reader.h"
#include "host/dxf/save.h"
#include "host_drawing.h"

namespace host::dxf {
namespace {

// A write that gives up with "no space left" once `limit` bytes are written.
SaveOptions failingAfter(std::size_t limit) {
  auto written = std::make_shared<std::size_t>(0);
  return SaveOptions{[written, limit](int fd, const void* data, std::size_t size) -> ssize_t {
    if (*written + size > limit) {
      errno = ENOSPC;
      return -1;
    }
    *written += size;
    return ::write(fd, data, size);
  }};
}

class DxfAtomicSave : public ::testing::TestWithParam<std::size_t> {};

TEST_P(DxfAtomicSave, FailedWriteKeepsTheOldFile) {
  const auto directory = testing::scratchDirectory("atomic_" + std::to_string(GetParam()));
  const auto path = directory / "drawing.dxf";
  const auto document = testing::hostDrawing();
  saveDxf(*document, path);
  const std::string before = testing::readFile(path);

  for (int i = 0; i < 60000; ++i) {
    document->addEntity(model::BlockTable::kModelSpace,
                        model::Line{Eigen::Vector3d(i, 0, 0), Eigen::Vector3d(0, i, 0)});
  }
  try {
    saveDxf(*document, path, failingAfter(GetParam()));
    FAIL() << "no error";
  } catch (const DxfError& error) {
    EXPECT_EQ(error.file(), path);
    EXPECT_NE(error.reason().find("No space left"), std::string::npos) << error.what();
  }
  EXPECT_EQ(testing::readFile(path), before);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(directory), {}), 1)
      << "the temporary file was left behind";
  EXPECT_EQ(readDxf(path)->blocks()[model::BlockTable::kModelSpace].entities.size(),
            testing::hostDrawing()->blocks()[model::BlockTable::kModelSpace].entities.size());
}

// Failing at once and failing after some blocks were already written.
INSTANTIATE_TEST_SUITE_P(Limits, DxfAtomicSave, ::testing::Values(0u, 3u << 20));

TEST(DxfAtomicSaveTarget, UnwritableDirectoryIsAnErrorAndNothingIsCreated) {
  const auto path = testing::scratchDirectory("missing") / "no such folder" / "drawing.dxf";
  EXPECT_THROW(saveDxf(*testing::hostDrawing(), path), DxfError);
  EXPECT_FALSE(std::filesystem::exists(path.parent_path()));
}

std::size_t modelSpaceCount(const std::filesystem::path& path) {
  return readDxf(path)->blocks()[model::BlockTable::kModelSpace].entities.size();
}

std::size_t filesIn(const std::filesystem::path& directory) {
  return static_cast<std::size_t>(
      std::distance(std::filesystem::directory_iterator(directory), {}));
}

// A drawing with one more entity than the host drawing: what a save writes over it.
std::unique_ptr<model::Document> changedDrawing() {
  auto document = testing::hostDrawing();
  document->addEntity(model::BlockTable::kModelSpace,
                      model::Line{Eigen::Vector3d(0, 0, 0), Eigen::Vector3d(1, 1, 0)});
  return document;
}

TEST(DxfSaveReadOnly, IsRefusedWithItsNameAndTheFileStaysAsItWas) {
  const auto directory = testing::scratchDirectory("read_only");
  const auto path = directory / "site.dxf";
  saveDxf(*testing::hostDrawing(), path);
  ::chmod(path.c_str(), 0444);
  const std::string before = testing::readFile(path);
  try {
    saveDxf(*changedDrawing(), path);
    FAIL() << "no error";
  } catch (const DxfError& error) {
    EXPECT_EQ(error.file(), path);
    EXPECT_NE(std::string(error.what()).find("site.dxf"), std::string::npos);
    EXPECT_NE(error.reason().find("read-only: save it under another name"), std::string::npos)
        << error.what();
  }
  EXPECT_EQ(testing::readFile(path), before);
  struct stat status {};
  ASSERT_EQ(::stat(path.c_str(), &status), 0);
  EXPECT_EQ(status.st_mode & 07777, 0444u);
  EXPECT_EQ(filesIn(directory), 1u) << "a temporary file was left behind";
}

struct LinkCase {
  std::string name;
  bool absolute;  // the link names its target by its full path, else relative to the link
  bool chained;   // the link names a second link, which names the file
};

void PrintTo(const LinkCase& c, std::ostream* os) {
  *os << c.name;
}

class DxfSaveThroughLink : public ::testing::TestWithParam<LinkCase> {};

TEST_P(DxfSaveThroughLink, WritesTheLinkedFileAndKeepsTheLink) {
  const LinkCase& c = GetParam();
  const auto root = testing::scratchDirectory("link_" + c.name);
  const auto files = root / "files";
  const auto links = root / "links";
  std::filesystem::create_directories(files);
  std::filesystem::create_directories(links);
  const auto target = files / "site.dxf";
  saveDxf(*testing::hostDrawing(), target);
  ::chmod(target.c_str(), 0640);
  const std::filesystem::path named = c.absolute ? target : "../files/site.dxf";
  auto link = links / "site.dxf";
  if (c.chained) {
    std::filesystem::create_symlink(named, links / "inner.dxf");
    std::filesystem::create_symlink("inner.dxf", link);
  } else {
    std::filesystem::create_symlink(named, link);
  }

  saveDxf(*changedDrawing(), link);

  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_EQ(std::filesystem::canonical(link), std::filesystem::canonical(target));
  EXPECT_EQ(modelSpaceCount(target), modelSpaceCount(link));
  EXPECT_EQ(modelSpaceCount(target),
            testing::hostDrawing()->blocks()[model::BlockTable::kModelSpace].entities.size() + 1);
  struct stat status {};
  ASSERT_EQ(::stat(target.c_str(), &status), 0);
  EXPECT_EQ(status.st_mode & 07777, 0640u) << "the linked file keeps its mode";
  EXPECT_EQ(filesIn(files), 1u) << "a temporary file was left behind";
  EXPECT_EQ(filesIn(links), c.chained ? 2u : 1u);
}

INSTANTIATE_TEST_SUITE_P(Links, DxfSaveThroughLink,
                         ::testing::Values(LinkCase{"relative", false, false},
                                           LinkCase{"absolute", true, false},
                                           LinkCase{"chained", false, true}),
                         [](const auto& info) { return info.param.name; });

TEST(DxfSaveThroughLink, ToAReadOnlyFileIsRefused) {
  const auto directory = testing::scratchDirectory("link_read_only");
  const auto target = directory / "site.dxf";
  saveDxf(*testing::hostDrawing(), target);
  ::chmod(target.c_str(), 0444);
  const std::string before = testing::readFile(target);
  std::filesystem::create_symlink("site.dxf", directory / "link.dxf");
  EXPECT_THROW(saveDxf(*changedDrawing(), directory / "link.dxf"), DxfError);
  EXPECT_EQ(testing::readFile(target), before);
  EXPECT_TRUE(std::filesystem::is_symlink(directory / "link.dxf"));
}

}  // namespace
}  // namespace host::dxf
