#include "host/model/raw_groups.h"

#include <limits>
#include <stdexcept>

namespace host::model {

RawGroups::RawGroups(std::initializer_list<Group> groups) {
  for (const Group& group : groups) append(group.code, group.value);
}

void RawGroups::reserve(std::size_t groups, std::size_t valueBytes) {
  codes_.reserve(codes_.size() + groups);
  valueEnds_.reserve(valueEnds_.size() + groups);
  values_.reserve(values_.size() + valueBytes);
}

void RawGroups::append(int code, std::string_view value) {
  if (values_.size() + value.size() > std::numeric_limits<std::uint32_t>::max()) {
    throw std::length_error("the values of one record pass 4 GiB");
  }
  values_.append(value);
  codes_.push_back(static_cast<std::int16_t>(code));
  valueEnds_.push_back(static_cast<std::uint32_t>(values_.size()));
}

RawGroups::Group RawGroups::operator[](std::size_t index) const {
  const std::size_t begin = index == 0 ? 0 : valueEnds_[index - 1];
  return {codes_[index], std::string_view(values_).substr(begin, valueEnds_[index] - begin)};
}

}  // namespace host::model
