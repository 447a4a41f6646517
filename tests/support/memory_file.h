#pragma once

#include <filesystem>
#include <string_view>

namespace fuzz {

// A file that lives in memory only, for handing fuzz input to code that reads from a path:
// no disk writes, nothing left behind when the process ends, however it ends.
class MemoryFile {
 public:
  MemoryFile();
  ~MemoryFile();
  MemoryFile(const MemoryFile&) = delete;
  MemoryFile& operator=(const MemoryFile&) = delete;

  // Replaces the whole content.
  void assign(std::string_view content);
  // A path that opens the file afresh (/proc/self/fd/N).
  const std::filesystem::path& path() const { return path_; }

 private:
  int fd_;
  std::filesystem::path path_;
};

}  // namespace fuzz
