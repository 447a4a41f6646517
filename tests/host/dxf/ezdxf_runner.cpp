#include "ezdxf_runner.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

namespace host::dxf::testing {

std::string ezdxfPython() {
  for (const char* candidate : {"/usr/bin/python3", "python3"}) {
    const std::string probe = std::string(candidate) + " -c 'import ezdxf' >/dev/null 2>&1";
    if (std::system(probe.c_str()) == 0) return candidate;
  }
  return {};
}

std::string runPython(const std::string& interpreter, const std::filesystem::path& script,
                      const std::filesystem::path& drawing) {
  std::string output;
  FILE* pipe = ::popen((interpreter + " " + script.string() + " " + drawing.string()).c_str(), "r");
  char buffer[4096];
  while (std::fgets(buffer, sizeof buffer, pipe)) output += buffer;
  EXPECT_EQ(::pclose(pipe), 0) << output;
  return output;
}

}  // namespace host::dxf::testing
