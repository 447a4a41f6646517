#include <gtest/gtest.h>

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

}  // namespace
}  // namespace host::dxf
