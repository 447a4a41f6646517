#include "host/dxf/fields.h"

#include "host/dxf/numbers.h"

namespace host::dxf {

Fields::Fields(const ReaderContext& context, const Record& record)
    : context_(&context), groups_(record.foundGroups()) {
  if (!groups_.empty()) {
    for (std::size_t i = groups_.size(); i-- > 0;) {
      const int code = groups_[i].code;
      if (code >= 0 && code < kCodes) {
        firstIndex_[static_cast<std::size_t>(code)] = static_cast<std::uint16_t>(i + 1);
      }
    }
    return;
  }
  // A record of many groups: the first group of each code is copied.
  for (const Group& group : record) {
    if (group.code < 0 || group.code >= kCodes) continue;
    std::uint16_t& first = firstIndex_[static_cast<std::size_t>(group.code)];
    if (first != 0) continue;
    copies_.push_back(group);
    first = static_cast<std::uint16_t>(copies_.size());
  }
  groups_ = copies_;
}

Fields::Fields(const model::RawGroups& groups, std::size_t first) {
  for (end_ = first; end_ < groups.size(); ++end_) {
    const auto [code, value] = groups[end_];
    if (code == 0 && end_ > first) break;
    if (code < 0 || code >= kCodes) continue;
    std::uint16_t& found = firstIndex_[static_cast<std::size_t>(code)];
    if (found != 0) continue;
    copies_.push_back({code, value, 0});
    found = static_cast<std::uint16_t>(copies_.size());
  }
  groups_ = copies_;
}

std::string_view Fields::text(int code, std::string_view fallback) const {
  return has(code) ? group(code).value : fallback;
}

double Fields::real(int code, double fallback) const {
  if (!has(code)) return fallback;
  if (context_) return context_->real(group(code));
  return realOf(group(code).value).value_or(fallback);
}

std::int64_t Fields::whole(int code, std::int64_t fallback) const {
  if (!has(code)) return fallback;
  if (context_) return context_->whole(group(code));
  std::int64_t value = 0;
  return parseWhole(group(code).value, value) ? value : fallback;
}

Eigen::Vector3d Fields::point(int code, const Eigen::Vector3d& fallback) const {
  if (!has(code) && !has(code + 10) && !has(code + 20)) return fallback;
  return {real(code, 0.0), real(code + 10, 0.0), real(code + 20, 0.0)};
}

std::optional<double> realOf(std::string_view value) {
  double number = 0.0;
  if (!parseReal(value, number)) return std::nullopt;
  return number;
}

}  // namespace host::dxf
