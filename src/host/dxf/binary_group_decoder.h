#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

namespace host::dxf {

// Reads the groups of a drawing file in binary form and writes them in the text form (a group
// code line and a value line each), so that the file is split into records as a text file
// is. Reals are written in the shortest form that reads back as the same double; binary
// chunks as hex digits; a line break inside a string as ^J (^M for a carriage return), as
// the text form spells it. Reads the file in blocks into one reused buffer. Refuses an
// unknown group code, a value running past the end of the file, a string without its end or
// of more than 1 GiB, and a real that is not finite, naming the file and the byte offset.
class BinaryGroupDecoder {
 public:
  // `fd` is open at the start of the file, whose first bytes are the binary opening.
  BinaryGroupDecoder(int fd, std::filesystem::path path);
  ~BinaryGroupDecoder();
  BinaryGroupDecoder(const BinaryGroupDecoder&) = delete;
  BinaryGroupDecoder& operator=(const BinaryGroupDecoder&) = delete;

  // Writes as many whole groups as fit into `room` bytes at `out`; the bytes written. 0 when
  // the file has ended, or when the next group needs more room (see neededRoom).
  std::size_t decode(char* out, std::size_t room);
  bool atEnd() const { return eof_ && begin_ == end_; }
  // The room the next group needs, once decode has written nothing for lack of it.
  std::size_t neededRoom() const { return needed_; }
  // Bytes of the file decoded so far.
  std::size_t bytesDecoded() const { return offset_ + begin_; }

 private:
  int fd_;
  std::filesystem::path path_;
  std::unique_ptr<char[]> raw_;
  std::size_t capacity_ = 0;
  std::size_t offset_ = 0;  // of raw_[0] in the file
  std::size_t begin_ = 0;   // start of undecoded data in raw_
  std::size_t end_ = 0;     // end of valid data in raw_
  bool eof_ = false;
  bool oneByteCodes_ = false;  // release 12 and before
  std::size_t needed_ = 0;

  [[noreturn]] void fail(std::size_t at, const std::string& reason) const;
  // Whether `count` bytes from `begin_` + `from` are in the buffer, reading more if need be;
  // false when the file ends first.
  bool have(std::size_t from, std::size_t count);
  // Whether there is more data after `end_`; reads it in.
  bool readMore();
  // The length of the string of group `code` from `begin_` + `from` to its NUL.
  std::size_t stringLength(std::size_t from, int code);
  // The unsigned little-endian number of `size` bytes from `begin_` + `from`.
  std::uint64_t littleEndian(std::size_t from, std::size_t size) const;
  // Writes the group at begin_ into out; its length, or 0 when it needs more than `room`.
  std::size_t decodeGroup(char* out, std::size_t room);
};

}  // namespace host::dxf
