#pragma once

#include <cstddef>
#include <cstring>
#include <iterator>
#include <span>
#include <string_view>

namespace host::dxf {

// One group of a drawing file: a group code line and the value line after it.
struct Group {
  int code = 0;
  std::string_view value;  // the value line without its line end
  std::size_t line = 0;    // line number of the value, counted from 1
};

constexpr int kLowestGroupCode = -5;
constexpr int kHighestGroupCode = 1071;

// A group code line in any form (see parseGroupCode).
bool parseAnyGroupCode(std::string_view text, int& code);

// A group code line: a whole number from -5 to 1071, blanks around it allowed. The usual
// form, digits alone right-aligned in three columns, is read here without further checks.
inline bool parseGroupCode(std::string_view text, int& code) {
  std::size_t i = 0;
  while (i < text.size() && i < 3 && text[i] == ' ') ++i;
  const std::size_t digits = text.size() - i;
  if (digits == 0 || digits > 4) return parseAnyGroupCode(text, code);
  int value = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return parseAnyGroupCode(text, code);
    value = value * 10 + (text[i] - '0');
  }
  code = value;
  return code <= kHighestGroupCode;
}

// The first line end ('\n') from `from` on, or `end` when there is none.
inline const char* findLineEnd(const char* from, const char* end) {
  const void* found = std::memchr(from, '\n', static_cast<std::size_t>(end - from));
  return found ? static_cast<const char*>(found) : end;
}

// A record: a 0 group (the record type: SECTION, LINE, ENDSEC ...) and every group up to the
// next 0 group, as the text of the file. Records of up to a few thousand groups come with
// their groups found already (the group reader finds them as it looks for the record's end);
// the groups of larger ones are read from the text as they are visited, so that a record of
// millions of groups costs no memory beyond its text. Comments (group 999) are passed over.
// The text must be whole groups with valid codes, as the group reader hands them out; the
// views stay valid until the reader reads the next record.
class Record {
 public:
  class Iterator {
   public:
    using iterator_category = std::forward_iterator_tag;
    using value_type = Group;
    using difference_type = std::ptrdiff_t;
    using pointer = const Group*;
    using reference = const Group&;

    Iterator() = default;
    explicit Iterator(std::span<const Group> groups)
        : at_(groups.data()), groupsEnd_(groups.data() + groups.size()) {}
    // The groups of `text`, whose first line is `line`.
    Iterator(std::string_view text, std::size_t line)
        : reading_(true), rest_(text), group_{0, {}, line - 1} {
      advance();
    }
    const Group& operator*() const { return reading_ ? group_ : *at_; }
    const Group* operator->() const { return &**this; }
    Iterator& operator++() {
      advance();
      return *this;
    }
    Iterator operator++(int) {
      Iterator before = *this;
      advance();
      return before;
    }
    friend bool operator==(const Iterator& a, const Iterator& b) {
      if (a.atEnd() || b.atEnd()) return a.atEnd() == b.atEnd();
      return a.position() == b.position();
    }

   private:
    // Walking groups found already.
    const Group* at_ = nullptr;
    const Group* groupsEnd_ = nullptr;
    // Reading groups from the text.
    bool reading_ = false;
    std::string_view rest_;  // the text after the current group
    Group group_;
    bool done_ = true;

    bool atEnd() const { return reading_ ? done_ : at_ == groupsEnd_; }
    const void* position() const { return reading_ ? static_cast<const void*>(rest_.data()) : at_; }
    void advance();
  };

  Record() = default;
  // `text` starts with the 0 group (comments may come first), `line` is the number of its
  // first line; `groups`, when not empty, are its groups without comments.
  Record(std::string_view text, std::size_t line, std::span<const Group> groups = {});

  std::string_view type() const { return type_; }
  // The line of the record type.
  std::size_t line() const { return typeLine_; }
  std::string_view text() const { return text_; }
  // Its groups when they came found, else nothing (they are then read from the text).
  std::span<const Group> foundGroups() const { return groups_; }
  std::size_t firstLine() const { return line_; }

  Iterator begin() const { return groups_.empty() ? Iterator(text_, line_) : Iterator(groups_); }
  Iterator end() const { return Iterator(); }
  // The group after the record type, if there is one.
  bool second(Group& group) const;

 private:
  std::string_view text_;
  std::size_t line_ = 1;  // of the text's first line
  std::span<const Group> groups_;
  std::string_view type_;
  std::size_t typeLine_ = 0;
};

}  // namespace host::dxf
