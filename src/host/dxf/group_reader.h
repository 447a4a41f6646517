#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace host::dxf {

// One group of a drawing file: a group code line and the value line after it.
struct Group {
  int code = 0;
  std::string_view value;  // the value line without its line end
  std::size_t line = 0;    // line number of the value, counted from 1
};

// A record: a 0 group (the record type: SECTION, LINE, ENDSEC ...) and every group up to
// the next 0 group. The views stay valid until the reader reads the next record.
struct Record {
  std::vector<Group> groups;

  std::string_view type() const { return groups.front().value; }
  std::size_t line() const { return groups.front().line; }
};

// Splits a drawing file into records. Reads the file in blocks into one reused buffer, so
// memory stays small whatever the file size, and hands out views into that buffer. Refuses
// an empty or binary file, a NUL byte, a group code that is not a whole number in range, and
// a group code without its value, naming the file and line.
class GroupReader {
 public:
  // Called now and then with the fraction of the file read so far, 0 to 1.
  using Progress = std::function<void(double)>;

  GroupReader(const std::filesystem::path& path, Progress progress);
  ~GroupReader();
  GroupReader(const GroupReader&) = delete;
  GroupReader& operator=(const GroupReader&) = delete;

  // Reads the next record into `record`; false when the data has ended.
  bool next(Record& record);

  [[noreturn]] void fail(std::size_t line, std::string reason) const;
  const std::filesystem::path& path() const { return path_; }
  // Bytes of the file after the data read so far (0 when its size is unknown).
  std::size_t bytesLeft() const {
    const std::size_t read = consumed_ + begin_;
    return fileSize_ > read ? fileSize_ - read : 0;
  }
  // The line the reader has reached (for faults at the end of the data).
  std::size_t currentLine() const { return line_; }

 private:
  struct PendingGroup {
    int code;
    std::size_t offset;  // from the record's start in the buffer
    std::size_t length;
    std::size_t line;
  };

  std::filesystem::path path_;
  Progress progress_;
  int fd_ = -1;
  std::size_t fileSize_ = 0;
  std::size_t consumed_ = 0;  // bytes of the file before begin_
  double reportedFraction_ = 0.0;
  std::vector<char> buffer_;
  std::size_t begin_ = 0;  // start of unread data in buffer_
  std::size_t end_ = 0;    // end of valid data in buffer_
  bool atEnd_ = false;     // the whole file is in the buffer
  std::size_t line_ = 1;   // number of the line at begin_
  std::vector<PendingGroup> pending_;

  bool refill();
  // The next line from `position` without its line end; advances `position`. False when
  // the data has ended; `position` may move when the buffer is refilled.
  bool nextLine(std::size_t& position, std::size_t& start, std::size_t& length);
  // Whether only blank lines follow `position` (blank lines at the end of a file are fine).
  bool restIsBlank(std::size_t position);
  // Refuses a binary file by its first bytes.
  void checkStart(std::string_view data);
  void reportProgress();
};

}  // namespace host::dxf
