#pragma once

#include <filesystem>
#include <string>

namespace host::dxf::testing {

// The python3 that has ezdxf, or empty when there is none.
std::string ezdxfPython();

// Runs a Python script on a drawing; its standard output. The script must succeed.
std::string runPython(const std::string& interpreter, const std::filesystem::path& script,
                      const std::filesystem::path& drawing);

}  // namespace host::dxf::testing
