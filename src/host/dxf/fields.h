#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include <Eigen/Geometry>

#include "host/dxf/group_reader.h"
#include "host/dxf/reader_context.h"

namespace host::dxf {

// The single-valued groups of one record, looked up by code (codes below 300, the ones that
// carry an entity's geometry). Numbers are read on request, so a bad number in a group that
// is used fails with its line.
class Fields {
 public:
  Fields(const ReaderContext& context, std::span<const Group> groups);

  bool has(int code) const { return index(code) != 0; }
  std::string_view text(int code, std::string_view fallback = {}) const;
  double real(int code, double fallback) const;
  std::int64_t whole(int code, std::int64_t fallback) const;
  // The point of codes `code`, `code` + 10 and `code` + 20 (X, Y, Z); Z may be missing.
  Eigen::Vector3d point(int code, const Eigen::Vector3d& fallback = Eigen::Vector3d::Zero()) const;
  const Group& group(int code) const { return groups_[index(code) - 1]; }

 private:
  static constexpr int kCodes = 300;
  const ReaderContext& context_;
  std::span<const Group> groups_;
  std::array<std::uint32_t, kCodes> firstIndex_{};  // position + 1 of the first group; 0 none

  std::uint32_t index(int code) const {
    return code >= 0 && code < kCodes ? firstIndex_[static_cast<std::size_t>(code)] : 0;
  }
};

}  // namespace host::dxf
