#include "host/dxf/save.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "host/dxf/backup_file.h"
#include "host/dxf/dxf_error.h"
#include "host/dxf/dxf_output.h"
#include "host/dxf/writer.h"

namespace host::dxf {
namespace {

std::string systemError(const std::string& what) {
  return what + ": " + std::strerror(errno);
}

// The temporary file beside the target; removed again unless it was renamed over the target.
class TemporaryFile {
 public:
  explicit TemporaryFile(const std::filesystem::path& target) : target_(target) {
    std::filesystem::path pattern = target;
    pattern += ".saving-XXXXXX";
    name_ = pattern.string();
    fd_ = ::mkstemp(name_.data());
    if (fd_ < 0) throw DxfError(target_, 0, systemError("cannot create a file beside it"));
    // mkstemp makes the file private; give it the mode the target has, or the usual one.
    struct stat status {};
    mode_t mode = 0666;
    if (::stat(target.c_str(), &status) == 0) {
      mode = status.st_mode & 07777;
    } else {
      const mode_t mask = ::umask(0);
      ::umask(mask);
      mode &= ~mask;
    }
    ::fchmod(fd_, mode);
  }
  ~TemporaryFile() {
    if (fd_ >= 0) ::close(fd_);
    if (!renamed_) ::unlink(name_.c_str());
  }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;

  int fd() const { return fd_; }

  // Puts the written file in the target's place; `beforeReplacing` runs once it is complete.
  void commit(const std::function<void()>& beforeReplacing) {
    if (::fsync(fd_) != 0) throw DxfError(target_, 0, systemError("cannot flush the file"));
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) throw DxfError(target_, 0, systemError("cannot close the file"));
    beforeReplacing();
    if (::rename(name_.c_str(), target_.c_str()) != 0) {
      throw DxfError(target_, 0, systemError("cannot replace the file"));
    }
    renamed_ = true;
    // The rename itself reaches the disk with the directory.
    std::filesystem::path directory = target_.parent_path();
    if (directory.empty()) directory = ".";
    const int directoryFd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (directoryFd >= 0) {
      ::fsync(directoryFd);
      ::close(directoryFd);
    }
  }

 private:
  std::filesystem::path target_;
  std::string name_;
  int fd_ = -1;
  bool renamed_ = false;
};

// The file a save replaces: `path`, or the file it links to, through every link, so that the
// links stay and the file they name gets the new content.
std::filesystem::path fileToReplace(const std::filesystem::path& path) {
  constexpr int kMostLinks = 40;  // as the system allows before ELOOP
  std::filesystem::path target = path;
  std::error_code error;
  for (int links = 0; std::filesystem::is_symlink(target, error); ++links) {
    if (links == kMostLinks) throw DxfError(path, 0, "too many symbolic links to follow");
    const std::filesystem::path link = std::filesystem::read_symlink(target, error);
    if (error) throw DxfError(path, 0, "cannot follow the symbolic link: " + error.message());
    target = link.is_absolute() ? link : target.parent_path() / link;
  }
  return target;
}

// A file nobody may write is the user's wish to keep it; replacing it in a rename would go
// around that (the folder is writable), so the save is refused before anything is written.
void refuseReadOnly(const std::filesystem::path& path, const std::filesystem::path& target) {
  struct stat status {};
  if (::stat(target.c_str(), &status) != 0) return;
  const bool noWriteBits = (status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
  if (noWriteBits || ::access(target.c_str(), W_OK) != 0) {
    throw DxfError(path, 0, "the file is read-only: save it under another name");
  }
}

}  // namespace

Saved saveDxf(const model::Document& document, const std::filesystem::path& path,
              const SaveOptions& options) {
  const auto write =
      options.write ? options.write : [](int fd, const void* data, std::size_t size) {
        return ::write(fd, data, size);
      };
  const std::filesystem::path target = fileToReplace(path);
  refuseReadOnly(path, target);
  TemporaryFile file(target);
  DxfOutput out(
      [&](std::string_view data) {
        while (!data.empty()) {
          const ssize_t written = write(file.fd(), data.data(), data.size());
          if (written < 0 && errno == EINTR) continue;
          if (written <= 0) {
            if (written == 0) errno = EIO;
            throw DxfError(path, 0, systemError("cannot write the file"));
          }
          data.remove_prefix(static_cast<std::size_t>(written));
        }
      },
      options.form.value_or(savedForm(document)));
  try {
    writeDxf(document, out, options.release ? *options.release : savedRelease(document));
  } catch (const HandlesUsedUp& error) {
    throw DxfError(path, 0, error.what());
  }
  Saved saved;
  file.commit([&] {
    if (options.keepBackup) saved.backupNotKept = keepBackup(target);
  });
  return saved;
}

}  // namespace host::dxf
