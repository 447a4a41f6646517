#include "host/model/raw_groups.h"

#include <cstring>
#include <limits>
#include <stdexcept>

namespace host::model {
namespace {

// A group's header: its code plus 5 in the low 11 bits; in the high 5 bits the length of its
// value, or kLongValue for a value of that length or more, whose length then follows in four
// bytes. Most values are numbers and names of fewer than 31 bytes.
constexpr int kCodeOffset = 5;
constexpr int kLowestCode = -5;
constexpr int kHighestCode = 1071;
constexpr unsigned kCodeBits = 11;
constexpr std::size_t kLongValue = 31;
constexpr std::size_t kHeaderBytes = sizeof(std::uint16_t);
constexpr std::size_t kLongLengthBytes = sizeof(std::uint32_t);

template <typename Number>
Number readNumber(const std::string& bytes, std::size_t at) {
  Number number;
  std::memcpy(&number, bytes.data() + at, sizeof number);
  return number;
}

template <typename Number>
void appendNumber(std::string& bytes, Number number) {
  char raw[sizeof number];
  std::memcpy(raw, &number, sizeof number);
  bytes.append(raw, sizeof number);
}

}  // namespace

RawGroups::RawGroups(std::initializer_list<Group> groups) {
  for (const Group& group : groups) append(group.code, group.value);
}

std::size_t RawGroups::storedBytes(std::size_t valueBytes) {
  return kHeaderBytes + (valueBytes < kLongValue ? 0 : kLongLengthBytes) + valueBytes;
}

void RawGroups::reserve(std::size_t groups, std::size_t valueBytes) {
  bytes_.reserve(bytes_.size() + groups * kHeaderBytes + valueBytes);
  marks_.reserve(marks_.size() + groups / kMarkEvery + 1);
}

void RawGroups::append(int code, std::string_view value) {
  if (code < kLowestCode || code > kHighestCode) {
    throw std::out_of_range("group code " + std::to_string(code) + " out of range");
  }
  if (bytes_.size() + storedBytes(value.size()) > std::numeric_limits<std::uint32_t>::max()) {
    throw std::length_error("the values of one record pass 4 GiB");
  }
  if (size_ % kMarkEvery == 0) marks_.push_back(static_cast<std::uint32_t>(bytes_.size()));
  const std::size_t lengthField = value.size() < kLongValue ? value.size() : kLongValue;
  appendNumber(bytes_, static_cast<std::uint16_t>(static_cast<unsigned>(code + kCodeOffset) |
                                                  (lengthField << kCodeBits)));
  if (lengthField == kLongValue) appendNumber(bytes_, static_cast<std::uint32_t>(value.size()));
  bytes_.append(value);
  ++size_;
}

RawGroups::Found RawGroups::groupAt(std::size_t at) const {
  const auto header = readNumber<std::uint16_t>(bytes_, at);
  at += kHeaderBytes;
  std::size_t length = header >> kCodeBits;
  if (length == kLongValue) {
    length = readNumber<std::uint32_t>(bytes_, at);
    at += kLongLengthBytes;
  }
  const int code = static_cast<int>(header & ((1u << kCodeBits) - 1)) - kCodeOffset;
  return {{code, std::string_view(bytes_).substr(at, length)}, at + length};
}

std::size_t RawGroups::startOf(std::size_t index) const {
  if (index >= size_) return bytes_.size();
  std::size_t at = marks_[index / kMarkEvery];
  for (std::size_t i = index % kMarkEvery; i > 0; --i) at = groupAt(at).next;
  return at;
}

RawGroups::Group RawGroups::operator[](std::size_t index) const {
  return groupAt(startOf(index)).group;
}

}  // namespace host::model
