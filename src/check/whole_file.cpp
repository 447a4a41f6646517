#include "check/whole_file.h"

#include <cerrno>
#include <fstream>
#include <stdexcept>
#include <system_error>

namespace check {

void saveWholeFile(const std::filesystem::path& path,
                   const std::function<void(std::ostream&)>& write) {
  const std::filesystem::path part = path.string() + ".part";
  {
    errno = 0;
    std::ofstream file(part, std::ios::binary | std::ios::trunc);
    if (file) write(file);
    file.flush();
    if (!file) {
      // The stream keeps no reason of its own; the last failing system call left one.
      const int reason = errno;
      std::error_code ignored;
      std::filesystem::remove(part, ignored);
      throw std::runtime_error(
          path.string() + ": cannot be written" +
          (reason != 0 ? " (" + std::generic_category().message(reason) + ")" : std::string()));
    }
  }
  std::error_code error;
  std::filesystem::rename(part, path, error);
  if (error) {
    const std::string reason = error.message();
    std::filesystem::remove(part, error);
    throw std::runtime_error(path.string() + ": cannot be written (" + reason + ")");
  }
}

}  // namespace check
