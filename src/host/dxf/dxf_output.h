#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include <Eigen/Geometry>

#include "host/model/file_form.h"

namespace host::dxf {

using model::FileForm;

// Writes groups of the drawing exchange format into a buffer that is handed to `sink` whenever
// it fills, and at flush(). In the text form numbers are written locale-free, in the shortest
// form that reads back as exactly the same double. The binary form starts with its opening
// and stores each value as its group code asks (see BinaryValue); values given as text (kept
// records) are read as that: numbers as numbers, hex digits of chunks as bytes, ^J and ^M in
// strings as the line breaks they spell.
class DxfOutput {
 public:
  using Sink = std::function<void(std::string_view)>;

  explicit DxfOutput(Sink sink, FileForm form = FileForm::kText);

  void text(int code, std::string_view value);
  void real(int code, double value);
  void whole(int code, std::int64_t value);
  void handle(int code, std::uint64_t handle);
  // X, Y and Z under `code`, `code` + 10 and `code` + 20.
  void point(int code, const Eigen::Vector3d& point);
  void flush();

 private:
  Sink sink_;
  FileForm form_;
  std::string buffer_;

  // A group whose value is given in its text form.
  void group(int code, std::string_view value);
  void code(int code);
  void binaryGroup(int code, std::string_view value);
  void maybeFlush();
};

}  // namespace host::dxf
