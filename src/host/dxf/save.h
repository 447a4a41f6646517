#pragma once

#include <sys/types.h>

#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "host/dxf/releases.h"
#include "host/model/document.h"

namespace host::dxf {

struct SaveOptions {
  // Writes bytes to a file descriptor as POSIX write() does (returns the count written, or -1
  // with errno set). Tests replace it to make a write fail.
  std::function<ssize_t(int fd, const void* data, std::size_t size)> write;
  // The release to write; null for the drawing's own (savedRelease).
  const Release* release = nullptr;
  // The form to write, text or binary; none for the drawing's own (savedForm).
  std::optional<FileForm> form = std::nullopt;
  // Keeps the file saved over as its backup (see keepBackup) once the new one is written.
  bool keepBackup = false;
};

// How a save went beyond writing the file.
struct Saved {
  // Why the file saved over could not be kept as its backup; empty when it was, or when
  // none was asked for or there was nothing to keep.
  std::string backupNotKept;
};

// Saves the document as a drawing file (see writeDxf), atomically: the data goes to a new file
// beside `path`, is flushed to the disk, and only then replaces `path`. A symbolic link stays:
// the file it links to is replaced (the new file is made beside that one). A read-only file is
// refused before anything is written. If anything fails the old file stays as it was and
// DxfError says why. What the file cannot hold is left out; ask contentNotSaved first. A
// backup is made of the file a link names, beside it; a backup that cannot be made does not
// stop the save.
Saved saveDxf(const model::Document& document, const std::filesystem::path& path,
              const SaveOptions& options = {});

}  // namespace host::dxf
