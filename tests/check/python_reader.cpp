#include "python_reader.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

namespace check::readback {

std::string readWithPython(const std::string& script, const std::filesystem::path& file) {
  const std::filesystem::path scriptFile = file.string() + ".read.py";
  std::ofstream(scriptFile) << script;
  const std::string command =
      "/usr/bin/python3 '" + scriptFile.string() + "' '" + file.string() + "' 2>&1";
  std::string output;
  FILE* pipe = ::popen(command.c_str(), "r");
  char buffer[4096];
  while (std::fgets(buffer, sizeof buffer, pipe)) output += buffer;
  EXPECT_EQ(::pclose(pipe), 0) << output;
  std::filesystem::remove(scriptFile);
  return output;
}

}  // namespace check::readback
