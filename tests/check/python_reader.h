#pragma once

#include <filesystem>
#include <string>

namespace check::readback {

// What a Python script prints about `file`, run by the system's python3 (the one with the
// Debian modules the tests read reports with: csv, openpyxl). The script must succeed.
std::string readWithPython(const std::string& script, const std::filesystem::path& file);

}  // namespace check::readback
