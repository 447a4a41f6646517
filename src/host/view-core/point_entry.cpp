#include "host/view-core/point_entry.h"

#include <charconv>
#include <cmath>
#include <vector>

#include "numbers/trimmed_text.h"

namespace host::view {
namespace {

using numbers::trimmed;

std::vector<std::string_view> split(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  while (true) {
    const auto at = text.find(separator, start);
    parts.push_back(text.substr(start, at == std::string_view::npos ? at : at - start));
    if (at == std::string_view::npos) return parts;
    start = at + 1;
  }
}

}  // namespace

std::optional<double> parseNumber(std::string_view text) {
  text = trimmed(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  if (text.empty()) return std::nullopt;
  // Only digits, a sign, a point and an exponent: from_chars would also take "inf" and "nan".
  if (text.find_first_not_of("0123456789+-.eE") != std::string_view::npos) return std::nullopt;
  double value = 0.0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) {
    return std::nullopt;
  }
  return value;
}

std::variant<PointEntry, EntryError> parsePointEntry(std::string_view text) {
  text = trimmed(text);
  PointEntry entry;
  if (!text.empty() && text.front() == '*') {
    entry.base = PointEntry::Base::World;
    text.remove_prefix(1);
  } else if (!text.empty() && text.front() == '@') {
    entry.base = PointEntry::Base::Relative;
    text.remove_prefix(1);
  }
  if (trimmed(text).empty()) {
    return EntryError{"Expected a point as x,y or x,y,z (*x,y,z world, @dx,dy,dz relative)"};
  }
  const auto parts = split(text, ',');
  if (parts.size() < 2 || parts.size() > 3) {
    return EntryError{"A point needs two or three numbers separated by commas, as x,y or x,y,z"};
  }
  for (std::size_t i = 0; i < parts.size(); ++i) {
    const auto number = parseNumber(parts[i]);
    if (!number) {
      return EntryError{"\"" + std::string(trimmed(parts[i])) +
                        "\" is not a number (use a point as decimal separator)"};
    }
    entry.value[static_cast<Eigen::Index>(i)] = *number;
  }
  return entry;
}

std::variant<Eigen::Vector3d, EntryError> placePoint(const PointEntry& entry,
                                                     const geom::Frame& ucs,
                                                     const std::optional<Eigen::Vector3d>& last) {
  switch (entry.base) {
    case PointEntry::Base::World:
      return entry.value;
    case PointEntry::Base::Ucs:
      return ucs.pointToWorld(entry.value);
    case PointEntry::Base::Relative:
      if (!last) return EntryError{"There is no last point yet for a relative (@) entry"};
      return Eigen::Vector3d(*last + ucs.vectorToWorld(entry.value));
  }
  return EntryError{"Unknown kind of point entry"};
}

}  // namespace host::view
