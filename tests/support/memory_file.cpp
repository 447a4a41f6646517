#include "support/memory_file.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <system_error>

namespace fuzz {
namespace {

[[noreturn]] void failWith(const char* what) {
  throw std::system_error(errno, std::generic_category(), what);
}

}  // namespace

MemoryFile::MemoryFile() : fd_(memfd_create("fuzz-input", MFD_CLOEXEC)) {
  if (fd_ < 0) failWith("memfd_create");
  path_ = "/proc/self/fd/" + std::to_string(fd_);
}

MemoryFile::~MemoryFile() {
  ::close(fd_);
}

void MemoryFile::assign(std::string_view content) {
  if (::ftruncate(fd_, 0) != 0) failWith("ftruncate");
  std::size_t written = 0;
  while (written < content.size()) {
    const ssize_t got = ::pwrite(fd_, content.data() + written, content.size() - written,
                                 static_cast<off_t>(written));
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) failWith("pwrite");
    written += static_cast<std::size_t>(got);
  }
}

}  // namespace fuzz
