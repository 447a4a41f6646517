#include "host/dxf/fields.h"

namespace host::dxf {

Fields::Fields(const ReaderContext& context, std::span<const Group> groups)
    : context_(context), groups_(groups) {
  for (std::size_t i = 0; i < groups.size(); ++i) {
    const int code = groups[i].code;
    if (code >= 0 && code < kCodes && firstIndex_[static_cast<std::size_t>(code)] == 0) {
      firstIndex_[static_cast<std::size_t>(code)] = static_cast<std::uint32_t>(i + 1);
    }
  }
}

std::string_view Fields::text(int code, std::string_view fallback) const {
  return has(code) ? group(code).value : fallback;
}

double Fields::real(int code, double fallback) const {
  return has(code) ? context_.real(group(code)) : fallback;
}

std::int64_t Fields::whole(int code, std::int64_t fallback) const {
  return has(code) ? context_.whole(group(code)) : fallback;
}

Eigen::Vector3d Fields::point(int code, const Eigen::Vector3d& fallback) const {
  if (!has(code) && !has(code + 10)) return fallback;
  return {real(code, fallback.x()), real(code + 10, fallback.y()), real(code + 20, fallback.z())};
}

}  // namespace host::dxf
