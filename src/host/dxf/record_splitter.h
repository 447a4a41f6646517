#pragma once

#include <cstddef>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "host/dxf/binary_group_decoder.h"
#include "host/dxf/record.h"

namespace host::dxf {

// Splits a drawing file into records. Reads the file in blocks into one reused buffer, so
// memory stays small whatever the file size (a record must fit in it whole), and hands out
// views into that buffer. A file in binary form is decoded into the text form as it is read
// (see BinaryGroupDecoder), so that its records are the same as those of the text file of the
// same drawing. Refuses an empty file, a NUL byte in a text file, a group code that is not a
// whole number in range, a group code without its value, a number that is not finite in a
// group that holds a real number, and a record of more than 1 GiB, naming the file and line
// (the group of a binary file, see binaryFileError).
class RecordSplitter {
 public:
  explicit RecordSplitter(const std::filesystem::path& path);
  ~RecordSplitter();
  RecordSplitter(const RecordSplitter&) = delete;
  RecordSplitter& operator=(const RecordSplitter&) = delete;

  // Reads the next record into `record`; false when the data has ended.
  bool next(Record& record);

  [[noreturn]] void fail(std::size_t line, std::string reason) const;
  const std::filesystem::path& path() const { return path_; }
  // Bytes of the file after the data read so far (0 when its size is unknown).
  std::size_t bytesLeft() const;
  // The line the reader has reached (for faults at the end of the data).
  std::size_t currentLine() const { return line_; }
  // The size of the file when it was opened (0 when it is unknown).
  std::size_t fileSize() const { return fileSize_; }
  // For a binary file these two count bytes of its text form, as estimated from the groups
  // decoded so far: readers size their memory by them. fileSize's estimate is made once, from
  // the first block, so that it may be asked on another thread.

  // Whether the file is in binary form.
  bool binary() const { return binary_ != nullptr; }

 private:
  std::filesystem::path path_;
  int fd_ = -1;
  std::size_t fileSize_ = 0;
  std::size_t binaryFileSize_ = 0;  // of a binary file, as read from the disk
  std::size_t consumed_ = 0;        // bytes of the file before begin_
  // Not value-initialised: pages of a grown buffer cost memory only once data is read in.
  std::unique_ptr<char[]> buffer_;
  std::size_t capacity_ = 0;
  std::size_t begin_ = 0;                       // start of unread data in buffer_
  std::size_t end_ = 0;                         // end of valid data in buffer_
  bool atEnd_ = false;                          // the whole file is in the buffer
  std::unique_ptr<BinaryGroupDecoder> binary_;  // for a file in binary form
  std::size_t line_ = 1;                        // number of the line at begin_
  // The groups of the record being read while it has few enough to hand out found (see
  // Record); offsets from the record's start, as refilling moves the buffer.
  struct FoundGroup {
    int code;
    std::size_t valueOffset;
    std::size_t valueLength;
    std::size_t line;
  };
  std::vector<FoundGroup> found_;
  std::vector<Group> groups_;

  bool refill();
  // The bytes of text form that `binaryBytes` of a binary file give, as far as decoded.
  std::size_t textBytes(std::size_t binaryBytes) const;
  // refill for a binary file: appends the next groups decoded.
  bool decodeMore();
  void grow();
  // The next line from `position` without its line end; advances `position`. False when
  // the data has ended; `position` may move when the buffer is refilled.
  bool nextLine(std::size_t& position, std::size_t& start, std::size_t& length);
  // Whether only blank lines follow `position` (blank lines at the end of a file are fine).
  bool restIsBlank(std::size_t position);
  // Whether the file opens as a binary one; refuses a damaged opening.
  bool opensBinary();
};

}  // namespace host::dxf
