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
// Files may hold records of millions of groups, and a drawing keeps the records of most of its
// entities, so the groups are kept compactly: one after another in one string, each as a header
// of two bytes (its code and, for a short value, the value's length) and its value; where every
// sixteenth group starts is noted, so that a group is found by its index in a few steps.
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
    Iterator(const RawGroups* groups, std::size_t index)
        : groups_(groups), index_(index), at_(groups ? groups->startOf(index) : 0) {}
    Group operator*() const { return groups_->groupAt(at_).group; }
    Iterator& operator++() {
      at_ = groups_->groupAt(at_).next;
      ++index_;
      return *this;
    }
    Iterator operator++(int) {
      Iterator before = *this;
      ++*this;
      return before;
    }
    friend bool operator==(const Iterator& a, const Iterator& b) { return a.index_ == b.index_; }

   private:
    const RawGroups* groups_ = nullptr;
    std::size_t index_ = 0;
    std::size_t at_ = 0;  // where the group starts in bytes_
  };

  RawGroups() = default;
  RawGroups(std::initializer_list<Group> groups);

  // The bytes a group with a value of `valueBytes` bytes takes here.
  static std::size_t storedBytes(std::size_t valueBytes);

  // Makes room for `groups` more groups holding `valueBytes` bytes of values in all.
  void reserve(std::size_t groups, std::size_t valueBytes);
  // Throws std::length_error once the groups of one record would pass 4 GiB, and
  // std::out_of_range for a code outside -5 to 1071.
  void append(int code, std::string_view value);

  std::size_t size() const { return size_; }
  // The bytes the groups take here (see storedBytes).
  std::size_t storedBytes() const { return bytes_.size(); }
  bool empty() const { return size_ == 0; }
  Group operator[](std::size_t index) const;
  Iterator begin() const { return {this, 0}; }
  Iterator end() const { return {this, size()}; }

  friend bool operator==(const RawGroups&, const RawGroups&) = default;

 private:
  struct Found {
    Group group;
    std::size_t next;  // where the group after it starts
  };
  static constexpr std::size_t kMarkEvery = 16;

  std::string bytes_;
  std::vector<std::uint32_t> marks_;  // where groups 0, 16, 32 ... start in bytes_
  std::size_t size_ = 0;

  std::size_t startOf(std::size_t index) const;
  Found groupAt(std::size_t at) const;
};

}  // namespace host::model
