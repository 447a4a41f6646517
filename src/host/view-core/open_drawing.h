#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include <Eigen/Geometry>

#include "host/model/document.h"

namespace host::view {

// One drawing open in the window: the document, where it is kept, and what the window
// remembers of it between commands. Whether it has unsaved changes is the document's saved mark.
class OpenDrawing {
 public:
  // A new drawing, "Drawing<untitledNumber>" until it is saved.
  OpenDrawing(std::shared_ptr<model::Document> document, int untitledNumber);
  // A drawing read from `file`.
  OpenDrawing(std::shared_ptr<model::Document> document, std::filesystem::path file);

  const std::shared_ptr<model::Document>& document() const { return document_; }
  // Where a SAVE writes; empty until the drawing has a file.
  const std::filesystem::path& filePath() const { return filePath_; }
  // The file the drawing was read from, which a copy that leaves content out never replaces.
  const std::filesystem::path& sourceFile() const { return sourceFile_; }
  // A file the user agreed may hold a copy that leaves out what a drawing file cannot keep.
  const std::filesystem::path& agreedLossyCopy() const { return agreedLossyCopy_; }
  // "site.dxf", or "Drawing1" for a drawing that has no file.
  std::string name() const;
  bool modified() const { return document_->modified(); }

  // The last point given in this drawing, the base of relative entries.
  std::optional<Eigen::Vector3d>& lastPoint() { return lastPoint_; }

  // The drawing was written to `path`; `lossy` when the file left content out.
  void saved(const std::filesystem::path& path, bool lossy);
  // Whether it has been written since it was opened.
  bool savedOnce() const { return savedOnce_; }

 private:
  std::shared_ptr<model::Document> document_;
  int untitledNumber_ = 0;
  std::filesystem::path filePath_;
  std::filesystem::path sourceFile_;
  std::filesystem::path agreedLossyCopy_;
  std::optional<Eigen::Vector3d> lastPoint_;
  bool savedOnce_ = false;
};

}  // namespace host::view
