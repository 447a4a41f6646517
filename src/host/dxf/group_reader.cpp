#include "host/dxf/group_reader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <optional>
#include <utility>

#include "host/dxf/dxf_error.h"

namespace host::dxf {
namespace {

constexpr std::size_t kBlockSize = 1 << 20;
constexpr int kLowestGroupCode = -5;
constexpr int kHighestGroupCode = 1071;

bool isBlank(char c) {
  return c == ' ' || c == '\t';
}

// A group code line: a whole number, blanks around it allowed.
bool parseGroupCode(std::string_view text, int& code) {
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  if (text.empty()) return false;
  bool negative = false;
  if (text.front() == '-' || text.front() == '+') {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  if (text.empty() || text.size() > 6) return false;
  int value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    value = value * 10 + (c - '0');
  }
  code = negative ? -value : value;
  return code >= kLowestGroupCode && code <= kHighestGroupCode;
}

}  // namespace

GroupReader::GroupReader(const std::filesystem::path& path, Progress progress)
    : path_(path), progress_(std::move(progress)) {
  fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd_ < 0) fail(0, std::string("cannot open the file: ") + std::strerror(errno));
  struct stat status {};
  if (::fstat(fd_, &status) == 0) fileSize_ = static_cast<std::size_t>(status.st_size);
  buffer_.resize(kBlockSize);
  refill();
}

GroupReader::~GroupReader() {
  if (fd_ >= 0) ::close(fd_);
}

void GroupReader::fail(std::size_t line, std::string reason) const {
  throw DxfError(path_, line, std::move(reason));
}

void GroupReader::checkStart(std::string_view data) {
  if (data.starts_with("AutoCAD Binary DXF")) {
    fail(1, "this is a binary drawing file; only text (ASCII) drawing files can be read");
  }
}

// Moves the unread data (from begin_) to the front and appends the next block of the file.
// Grows the buffer when a single record fills it. Returns false at the end of the file.
bool GroupReader::refill() {
  if (begin_ > 0) {
    std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
    end_ -= begin_;
    consumed_ += begin_;
    begin_ = 0;
  }
  if (atEnd_) return false;
  if (buffer_.size() - end_ < kBlockSize / 2) buffer_.resize(buffer_.size() * 2);
  ssize_t got;
  do {
    got = ::read(fd_, buffer_.data() + end_, buffer_.size() - end_);
  } while (got < 0 && errno == EINTR);
  if (got < 0) fail(line_, std::string("cannot read the file: ") + std::strerror(errno));
  if (got == 0) {
    if (consumed_ == 0 && end_ == 0) fail(1, "the file is empty");
    atEnd_ = true;
    return false;
  }
  const char* fresh = buffer_.data() + end_;
  if (consumed_ == 0 && end_ == 0)
    checkStart(std::string_view(fresh, static_cast<std::size_t>(got)));
  if (const void* nul = std::memchr(fresh, '\0', static_cast<std::size_t>(got))) {
    // Count the lines up to the NUL so the message points at it.
    std::size_t line = line_;
    const char* from = buffer_.data() + begin_;
    for (const char* c = from; c < static_cast<const char*>(nul); ++c) line += (*c == '\n');
    fail(line, "the file holds a NUL byte: it is binary or damaged");
  }
  end_ += static_cast<std::size_t>(got);
  reportProgress();
  return true;
}

void GroupReader::reportProgress() {
  if (!progress_ || fileSize_ == 0) return;
  const double fraction = static_cast<double>(consumed_) / static_cast<double>(fileSize_);
  if (fraction - reportedFraction_ >= 0.01) {
    reportedFraction_ = fraction;
    progress_(fraction);
  }
}

bool GroupReader::nextLine(std::size_t& position, std::size_t& start, std::size_t& length) {
  for (;;) {
    const char* data = buffer_.data();
    const void* found = std::memchr(data + position, '\n', end_ - position);
    if (found) {
      start = position;
      std::size_t stop = static_cast<const char*>(found) - data;
      position = stop + 1;
      if (stop > start && data[stop - 1] == '\r') --stop;
      length = stop - start;
      return true;
    }
    const std::size_t shift = begin_;  // refill moves the unread data to the front
    const bool more = refill();
    position -= shift;
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

bool GroupReader::restIsBlank(std::size_t position) {
  std::size_t start = 0;
  std::size_t length = 0;
  while (nextLine(position, start, length)) {
    const std::string_view text(buffer_.data() + start, length);
    if (text.find_first_not_of(" \t") != std::string_view::npos) return false;
  }
  return true;
}

bool GroupReader::next(Record& record) {
  record.groups.clear();
  pending_.clear();
  std::size_t position = begin_;  // offsets into buffer_; begin_ stays at the record's start
  std::size_t line = line_;
  std::optional<std::size_t> nextRecord;
  for (;;) {
    std::size_t codeStart = 0;
    std::size_t codeLength = 0;
    if (!nextLine(position, codeStart, codeLength)) break;
    int code = 0;
    const std::string_view codeText(buffer_.data() + codeStart, codeLength);
    if (!parseGroupCode(codeText, code)) {
      const bool blank = codeText.find_first_not_of(" \t") == std::string_view::npos;
      if (blank && restIsBlank(position)) break;
      fail(line, "expected a group code (a whole number from -5 to 1071), found \"" +
                     std::string(codeText.substr(0, 40)) + "\"");
    }
    if (code == 0 && !pending_.empty()) {
      nextRecord = codeStart;  // the next record starts here: leave it unread
      break;
    }
    std::size_t valueStart = 0;
    std::size_t valueLength = 0;
    if (!nextLine(position, valueStart, valueLength)) {
      fail(line, "the file ends after group code " + std::to_string(code) +
                     "; expected its value on the next line");
    }
    // Comments (999) carry nothing for the drawing.
    if (code != 999) pending_.push_back({code, valueStart - begin_, valueLength, line + 1});
    line += 2;
  }
  if (pending_.empty()) {
    begin_ = end_;
    return false;
  }
  if (pending_.front().code != 0) {
    fail(pending_.front().line - 1,
         "expected group code 0 to start a record, found " + std::to_string(pending_.front().code));
  }
  const char* base = buffer_.data() + begin_;
  for (const PendingGroup& group : pending_) {
    record.groups.push_back(
        {group.code, std::string_view(base + group.offset, group.length), group.line});
  }
  begin_ = nextRecord.value_or(end_);
  line_ = line;
  return true;
}

}  // namespace host::dxf
