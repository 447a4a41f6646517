#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include <Eigen/Geometry>

#include "host/dxf/reader_context.h"
#include "host/dxf/record.h"

namespace host::dxf {

// The single-valued groups of one record, looked up by code (codes below 300, the ones that
// carry an entity's geometry; the first group of a code counts). Numbers are read on request,
// so a bad number in a group that is used fails with its line.
class Fields {
 public:
  Fields(const ReaderContext& context, const Record& record);
  Fields(const Fields&) = delete;
  Fields& operator=(const Fields&) = delete;

  bool has(int code) const { return index(code) != 0; }
  std::string_view text(int code, std::string_view fallback = {}) const;
  double real(int code, double fallback) const;
  std::int64_t whole(int code, std::int64_t fallback) const;
  // The point of codes `code`, `code` + 10 and `code` + 20 (X, Y, Z): `fallback` when the
  // record has none of them, else the ones it lacks are 0.
  Eigen::Vector3d point(int code, const Eigen::Vector3d& fallback = Eigen::Vector3d::Zero()) const;
  const Group& group(int code) const { return groups_[index(code) - 1]; }

 private:
  static constexpr int kCodes = 300;
  const ReaderContext& context_;
  std::vector<Group> copies_;                       // of a record whose groups did not come found
  std::span<const Group> groups_;                   // the record's found groups, or copies_
  std::array<std::uint16_t, kCodes> firstIndex_{};  // position in groups_ + 1; 0 none

  std::uint16_t index(int code) const {
    return code >= 0 && code < kCodes ? firstIndex_[static_cast<std::size_t>(code)] : 0;
  }
};

}  // namespace host::dxf
