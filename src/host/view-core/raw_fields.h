#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include <Eigen/Geometry>

#include "host/model/raw_groups.h"

namespace host::view {

// The single-valued groups of one record kept as read (an entity the document does not model,
// a table entry), looked up by code: the first group of each code below 500 counts. Numbers are
// read as a reader reads them; a value that is not one reads as the fallback, so a damaged
// record draws something plausible or nothing, never fails.
class RawFields {
 public:
  // The groups from `first` up to the next record (a 0 group after `first`) or the end.
  explicit RawFields(const model::RawGroups& groups, std::size_t first = 0);

  bool has(int code) const { return index(code) != 0; }
  std::string_view text(int code, std::string_view fallback = {}) const;
  double real(int code, double fallback) const;
  std::int64_t whole(int code, std::int64_t fallback) const;
  // The point of codes `code`, `code` + 10, `code` + 20: `fallback` when none is given.
  Eigen::Vector3d point(int code, const Eigen::Vector3d& fallback = Eigen::Vector3d::Zero()) const;
  // Past the last group of the record.
  std::size_t end() const { return end_; }

 private:
  static constexpr int kCodes = 500;
  const model::RawGroups& groups_;
  std::size_t end_ = 0;
  std::array<std::uint32_t, kCodes> firstIndex_{};  // position in groups_ + 1; 0 none

  std::uint32_t index(int code) const {
    return code >= 0 && code < kCodes ? firstIndex_[static_cast<std::size_t>(code)] : 0;
  }
};

// A group's value as a number, or nothing when it is not one.
std::optional<double> realOf(std::string_view value);

}  // namespace host::view
