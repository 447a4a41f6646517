#include "host/dxf/record_splitter.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <optional>
#include <utility>

#include "host/dxf/binary_form.h"
#include "host/dxf/dxf_error.h"
#include "host/dxf/numbers.h"

namespace host::dxf {
namespace {

constexpr std::size_t kBlockSize = 1 << 20;
// No drawing holds a record near this size; a larger one is damage, refused before the
// buffer holding it exhausts the memory.
constexpr std::size_t kLargestRecord = std::size_t{1} << 30;
// Records of more groups are handed out as text alone (see Record).
constexpr std::size_t kMostFoundGroups = 4096;

}  // namespace

RecordSplitter::RecordSplitter(const std::filesystem::path& path) : path_(path) {
  fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd_ < 0) fail(0, std::string("cannot open the file: ") + std::strerror(errno));
  struct stat status {};
  if (::fstat(fd_, &status) == 0) fileSize_ = static_cast<std::size_t>(status.st_size);
  capacity_ = kBlockSize;
  buffer_.reset(new char[capacity_]);
  if (opensBinary()) binary_ = std::make_unique<BinaryGroupDecoder>(fd_, path_);
  refill();
  if (binary_) {
    binaryFileSize_ = fileSize_;
    fileSize_ = textBytes(fileSize_);
  }
}

RecordSplitter::~RecordSplitter() {
  if (fd_ >= 0) ::close(fd_);
}

void RecordSplitter::fail(std::size_t line, std::string reason) const {
  if (binary()) throw binaryFileError(path_, line, std::move(reason));
  throw DxfError(path_, line, std::move(reason));
}

std::size_t RecordSplitter::bytesLeft() const {
  if (binary()) {
    const std::size_t decoded = binary_->bytesDecoded();
    const std::size_t undecoded = binaryFileSize_ > decoded ? binaryFileSize_ - decoded : 0;
    return textBytes(undecoded) + (end_ - begin_);
  }
  const std::size_t read = consumed_ + begin_;
  return fileSize_ > read ? fileSize_ - read : 0;
}

std::size_t RecordSplitter::textBytes(std::size_t binaryBytes) const {
  const std::size_t decoded = binary_->bytesDecoded();
  if (decoded == 0) return binaryBytes;
  const double textPerByte = static_cast<double>(consumed_ + end_) / static_cast<double>(decoded);
  return static_cast<std::size_t>(static_cast<double>(binaryBytes) * textPerByte);
}

bool RecordSplitter::opensBinary() {
  char opening[kBinaryOpening.size()];
  // pread leaves the file's offset at its start for the reading that follows.
  const ssize_t got = ::pread(fd_, opening, sizeof opening, 0);
  if (got <= 0) return false;
  const std::string_view start(opening, static_cast<std::size_t>(got));
  if (start == kBinaryOpening) return true;
  constexpr std::string_view kName = kBinaryOpening.substr(0, 18);
  if (start.starts_with(kName)) {
    throw DxfError(path_, 0,
                   "at byte 0: the file opens as a binary drawing file, but its " +
                       std::string("opening is damaged or cut short"));
  }
  return false;
}

bool RecordSplitter::decodeMore() {
  for (;;) {
    if (capacity_ - end_ < kBlockSize / 2) grow();
    const std::size_t got = binary_->decode(buffer_.get() + end_, capacity_ - end_);
    if (got > 0) {
      end_ += got;
      return true;
    }
    if (binary_->atEnd()) {
      if (consumed_ == 0 && end_ == 0) {
        throw DxfError(path_, 0,
                       "at byte " + std::to_string(kBinaryOpening.size()) +
                           ": the file holds nothing after its binary opening");
      }
      atEnd_ = true;
      return false;
    }
    while (capacity_ - end_ < binary_->neededRoom()) grow();
  }
}

// Makes the buffer half as large again, for a record that fills it (not twice: the buffer
// is a good part of the memory a huge record costs).
void RecordSplitter::grow() {
  const std::size_t larger = capacity_ + capacity_ / 2;
  std::unique_ptr<char[]> buffer(new char[larger]);
  std::memcpy(buffer.get(), buffer_.get(), end_);
  buffer_ = std::move(buffer);
  capacity_ = larger;
}

// Moves the unread data (from begin_) to the front and appends the next block of the file.
// Grows the buffer when a single record fills it. Returns false at the end of the file.
bool RecordSplitter::refill() {
  if (begin_ > 0) {
    std::memmove(buffer_.get(), buffer_.get() + begin_, end_ - begin_);
    end_ -= begin_;
    consumed_ += begin_;
    begin_ = 0;
  }
  if (atEnd_) return false;
  if (end_ > kLargestRecord) fail(line_ + 1, "a record of more than 1 GiB: the file is damaged");
  if (binary_) return decodeMore();
  if (capacity_ - end_ < kBlockSize / 2) grow();
  ssize_t got;
  do {
    got = ::read(fd_, buffer_.get() + end_, capacity_ - end_);
  } while (got < 0 && errno == EINTR);
  if (got < 0) fail(line_, std::string("cannot read the file: ") + std::strerror(errno));
  if (got == 0) {
    if (consumed_ == 0 && end_ == 0) fail(1, "the file is empty");
    atEnd_ = true;
    return false;
  }
  const char* fresh = buffer_.get() + end_;
  if (const void* nul = std::memchr(fresh, '\0', static_cast<std::size_t>(got))) {
    // Count the lines up to the NUL so the message points at it.
    std::size_t line = line_;
    const char* from = buffer_.get() + begin_;
    for (const char* c = from; c < static_cast<const char*>(nul); ++c) line += (*c == '\n');
    fail(line, "the file holds a NUL byte: it is binary or damaged");
  }
  end_ += static_cast<std::size_t>(got);
  return true;
}

bool RecordSplitter::nextLine(std::size_t& position, std::size_t& start, std::size_t& length) {
  std::size_t searchFrom = position;  // a long line is searched for its end only once
  for (;;) {
    const char* data = buffer_.get();
    const char* found = findLineEnd(data + searchFrom, data + end_);
    if (found != data + end_) {
      start = position;
      auto stop = static_cast<std::size_t>(found - data);
      position = stop + 1;
      if (stop > start && data[stop - 1] == '\r') --stop;
      length = stop - start;
      return true;
    }
    searchFrom = end_;
    const std::size_t shift = begin_;  // refill moves the unread data to the front
    const bool more = refill();
    position -= shift;
    searchFrom -= shift;
    if (!more) {
      if (position == end_) return false;
      // A last line without a line end.
      start = position;
      position = end_;
      length = end_ - start;
      if (length > 0 && buffer_[start + length - 1] == '\r') --length;
      return true;
    }
  }
}

bool RecordSplitter::restIsBlank(std::size_t position) {
  std::size_t start = 0;
  std::size_t length = 0;
  while (nextLine(position, start, length)) {
    const std::string_view text(buffer_.get() + start, length);
    if (text.find_first_not_of(" \t") != std::string_view::npos) return false;
  }
  return true;
}

bool RecordSplitter::next(Record& record) {
  std::size_t position = begin_;  // offsets into buffer_; begin_ stays at the record's start
  std::size_t line = line_;
  // Just past the last group's value line, from begin_: a refill moves the data and begin_ with
  // it, so that only lengths from begin_ stay true.
  std::size_t recordLength = 0;
  bool empty = true;
  std::optional<std::size_t> nextRecord;
  found_.clear();
  bool finding = true;
  for (;;) {
    std::size_t codeStart = 0;
    std::size_t codeLength = 0;
    if (!nextLine(position, codeStart, codeLength)) break;
    int code = 0;
    const std::string_view codeText(buffer_.get() + codeStart, codeLength);
    if (!parseGroupCode(codeText, code)) {
      const bool blank = codeText.find_first_not_of(" \t") == std::string_view::npos;
      if (blank && restIsBlank(position)) break;
      fail(line, "expected a group code (a whole number from -5 to 1071), found \"" +
                     std::string(codeText.substr(0, 40)) + "\"");
    }
    if (code == 0 && !empty) {
      nextRecord = codeStart;  // the next record starts here: leave it unread
      break;
    }
    std::size_t valueStart = 0;
    std::size_t valueLength = 0;
    if (!nextLine(position, valueStart, valueLength)) {
      fail(line, "the file ends after group code " + std::to_string(code) +
                     "; expected its value on the next line");
    }
    const std::string_view value(buffer_.get() + valueStart, valueLength);
    if (holdsReal(code) && mayBeNonFinite(value) && !isFiniteOrNotANumber(value)) {
      fail(line + 1, numberExpected(code, value));
    }
    // Comments (999) carry nothing for the drawing, and may come before the 0 group.
    if (code != 999) {
      if (empty && code != 0) {
        fail(line, "expected group code 0 to start a record, found " + std::to_string(code));
      }
      empty = false;
      finding = finding && found_.size() < kMostFoundGroups;
      if (finding) found_.push_back({code, valueStart - begin_, valueLength, line + 1});
    }
    recordLength = position - begin_;
    line += 2;
  }
  if (empty) {
    begin_ = end_;
    return false;
  }
  const char* start = buffer_.get() + begin_;
  groups_.clear();
  if (finding) {
    for (const FoundGroup& group : found_) {
      groups_.push_back(
          {group.code, std::string_view(start + group.valueOffset, group.valueLength), group.line});
    }
  }
  record = Record(std::string_view(start, recordLength), line_, groups_);
  begin_ = nextRecord.value_or(end_);
  line_ = line;
  return true;
}

}  // namespace host::dxf
