#include "host/view-core/raw_fields.h"

#include "host/dxf/numbers.h"

namespace host::view {

RawFields::RawFields(const model::RawGroups& groups, std::size_t first) : groups_(groups) {
  end_ = first;
  for (; end_ < groups.size(); ++end_) {
    const int code = groups[end_].code;
    if (code == 0 && end_ > first) break;
    if (code >= 0 && code < kCodes && firstIndex_[static_cast<std::size_t>(code)] == 0) {
      firstIndex_[static_cast<std::size_t>(code)] = static_cast<std::uint32_t>(end_ + 1);
    }
  }
}

std::string_view RawFields::text(int code, std::string_view fallback) const {
  return has(code) ? groups_[index(code) - 1].value : fallback;
}

double RawFields::real(int code, double fallback) const {
  if (!has(code)) return fallback;
  return realOf(groups_[index(code) - 1].value).value_or(fallback);
}

std::int64_t RawFields::whole(int code, std::int64_t fallback) const {
  std::int64_t value = 0;
  return has(code) && dxf::parseWhole(groups_[index(code) - 1].value, value) ? value : fallback;
}

Eigen::Vector3d RawFields::point(int code, const Eigen::Vector3d& fallback) const {
  if (!has(code) && !has(code + 10) && !has(code + 20)) return fallback;
  return {real(code, 0.0), real(code + 10, 0.0), real(code + 20, 0.0)};
}

std::optional<double> realOf(std::string_view value) {
  double number = 0.0;
  if (!dxf::parseReal(value, number)) return std::nullopt;
  return number;
}

}  // namespace host::view
