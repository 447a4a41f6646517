#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace host::model {

// The groups of one record of a drawing file, as read: each a group code and its value text,
// in file order. An entity of several records (a polyline and its vertices) keeps them all,
// a 0 group starting each record after the first.
//
// Files may hold records of millions of groups, so the groups are kept compactly: the values
// one after another in one string, and per group only its code and where its value ends.
class RawGroups {
 public:
  struct Group {
    int code = 0;
    std::string_view value;

    friend bool operator==(const Group&, const Group&) = default;
  };

  class Iterator {
   public:
    using iterator_category = std::forward_iterator_tag;
    using value_type = Group;
    using difference_type = std::ptrdiff_t;
    using pointer = void;
    using reference = Group;

    Iterator() = default;
    Iterator(const RawGroups* groups, std::size_t index) : groups_(groups), index_(index) {}
    Group operator*() const { return (*groups_)[index_]; }
    Iterator& operator++() {
      ++index_;
      return *this;
    }
    Iterator operator++(int) {
      Iterator before = *this;
      ++index_;
      return before;
    }
    friend bool operator==(const Iterator& a, const Iterator& b) { return a.index_ == b.index_; }

   private:
    const RawGroups* groups_ = nullptr;
    std::size_t index_ = 0;
  };

  RawGroups() = default;
  RawGroups(std::initializer_list<Group> groups);

  // Makes room for `groups` more groups holding `valueBytes` bytes of values in all.
  void reserve(std::size_t groups, std::size_t valueBytes);
  // Throws std::length_error once the values of one record would pass 4 GiB.
  void append(int code, std::string_view value);

  std::size_t size() const { return codes_.size(); }
  std::size_t valueBytes() const { return values_.size(); }
  bool empty() const { return codes_.empty(); }
  Group operator[](std::size_t index) const;
  Iterator begin() const { return {this, 0}; }
  Iterator end() const { return {this, size()}; }

  friend bool operator==(const RawGroups&, const RawGroups&) = default;

 private:
  std::string values_;
  std::vector<std::int16_t> codes_;       // group codes run from -5 to 1071
  std::vector<std::uint32_t> valueEnds_;  // offset in values_ just past each value
};

}  // namespace host::model
