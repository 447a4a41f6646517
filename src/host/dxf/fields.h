#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include <Eigen/Geometry>

#include "host/dxf/reader_context.h"
#include "host/dxf/record.h"
#include "host/model/raw_groups.h"

namespace host::dxf {

// The single-valued groups of one record, looked up by code (codes below 500; the first group
// of a code counts). Numbers are read on request. Read from a file, with its reader's context,
// a bad number in a group that is used fails with its line. Kept as read (an entity the
// document does not model, a table entry), a bad number reads as the fallback, so that a
// damaged record draws something plausible or nothing, never fails.
class Fields {
 public:
  Fields(const ReaderContext& context, const Record& record);
  // The kept groups from `first` up to the next record (a 0 group after `first`) or the end.
  explicit Fields(const model::RawGroups& groups, std::size_t first = 0);
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
  // Past the last kept group of the record.
  std::size_t end() const { return end_; }

 private:
  static constexpr int kCodes = 500;
  const ReaderContext* context_ = nullptr;  // none: a bad number reads as the fallback
  std::size_t end_ = 0;
  std::vector<Group> copies_;                       // of a record whose groups did not come found
  std::span<const Group> groups_;                   // the record's found groups, or copies_
  std::array<std::uint16_t, kCodes> firstIndex_{};  // position in groups_ + 1; 0 none

  std::uint16_t index(int code) const {
    return code >= 0 && code < kCodes ? firstIndex_[static_cast<std::size_t>(code)] : 0;
  }
};

// A group's value as a number, or nothing when it is not one.
std::optional<double> realOf(std::string_view value);

}  // namespace host::dxf
