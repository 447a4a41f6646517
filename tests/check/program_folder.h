#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace check {

// What the built program did: its exit status and what it wrote to its two streams.
struct ProgramRun {
  int status = -1;
  std::string out;
  std::string err;
};

// The variables of a desktop session that give the program a display, for `env` to unset: a
// script on a server runs the program without them, and what it writes must not need one.
inline constexpr const char* kWithoutDisplay = "-u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM";

// A scratch folder per test and process (ctest runs tests side by side) in which the built
// program is run as a script would run it, so that its messages name the files as given.
class ProgramFolder : public testing::Test {
 protected:
  // `command` comes before every argument list given to run(), e.g. "check ". `environment` is
  // what `env` changes in the program's environment, e.g. kWithoutDisplay; none by default.
  explicit ProgramFolder(std::string command = "", std::string environment = "");

  void SetUp() override;
  void TearDown() override;

  void write(const std::string& name, const std::string& content) const;
  // A relative path is taken inside the folder.
  std::string read(const std::filesystem::path& path) const;

  ProgramRun run(const std::string& arguments) const;

  // The lines a Python script prints when run in the folder with `argument`.
  std::vector<std::string> python(const char* script, const std::string& argument) const;
  // The rows of a CSV report as Python's csv module reads them, fields joined by '|', or as
  // `reader` prints them.
  std::vector<std::string> csvRows(const std::string& name, const char* reader = nullptr) const;

  std::filesystem::path folder;

 private:
  std::string command_;
  std::string environment_;
};

}  // namespace check
