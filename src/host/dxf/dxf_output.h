#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include <Eigen/Geometry>

namespace host::dxf {

// Writes groups in the text form of the drawing exchange format into a buffer that is handed
// to `sink` whenever it fills, and at flush(). Numbers are written locale-free, in the
// shortest form that reads back as exactly the same double.
class DxfOutput {
 public:
  using Sink = std::function<void(std::string_view)>;

  explicit DxfOutput(Sink sink);

  void text(int code, std::string_view value);
  void real(int code, double value);
  void whole(int code, std::int64_t value);
  void handle(int code, std::uint64_t handle);
  // X, Y and Z under `code`, `code` + 10 and `code` + 20.
  void point(int code, const Eigen::Vector3d& point);
  void flush();

 private:
  Sink sink_;
  std::string buffer_;

  void code(int code);
  void maybeFlush();
};

}  // namespace host::dxf
