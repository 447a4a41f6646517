#include "host/dxf/binary_group_decoder.h"

#include <unistd.h>

#include <algorithm>
#include <bit>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <utility>

#include "host/dxf/binary_form.h"
#include "host/dxf/dxf_error.h"
#include "host/dxf/record.h"

namespace host::dxf {
namespace {

constexpr std::size_t kBlockSize = 1 << 20;
// No drawing holds a string near this size; a longer one is damage, refused before the
// buffer holding it exhausts the memory.
constexpr std::size_t kLongestString = std::size_t{1} << 30;
constexpr char kHexDigits[] = "0123456789ABCDEF";

// Bytes a value of this kind takes in the file; 0 for strings and chunks, whose length varies.
std::size_t fixedSize(BinaryValue kind) {
  switch (kind) {
    case BinaryValue::kReal:
    case BinaryValue::kInt64:
      return 8;
    case BinaryValue::kInt32:
      return 4;
    case BinaryValue::kInt16:
      return 2;
    case BinaryValue::kByte:
      return 1;
    case BinaryValue::kText:
    case BinaryValue::kChunk:
      break;
  }
  return 0;
}

// Line breaks would end the value line early; the text form spells them ^J and ^M.
bool spelledWithCaret(char c) {
  return c == '\n' || c == '\r';
}

}  // namespace

BinaryGroupDecoder::BinaryGroupDecoder(int fd, std::filesystem::path path)
    : fd_(fd), path_(std::move(path)), raw_(new char[kBlockSize]), capacity_(kBlockSize) {
  if (!have(0, kBinaryOpening.size())) fail(0, "the binary opening of the file is cut short");
  begin_ = kBinaryOpening.size();
  // Every file starts with a 0 group: release 12 follows the code's single byte with the
  // record type, later releases with the code's second byte, 0.
  oneByteCodes_ = have(0, 2) && raw_[begin_ + 1] != '\0';
}

BinaryGroupDecoder::~BinaryGroupDecoder() = default;

void BinaryGroupDecoder::fail(std::size_t at, const std::string& reason) const {
  throw DxfError(path_, 0, "at byte " + std::to_string(at) + ": " + reason);
}

bool BinaryGroupDecoder::readMore() {
  if (eof_) return false;
  if (begin_ > 0) {
    std::memmove(raw_.get(), raw_.get() + begin_, end_ - begin_);
    end_ -= begin_;
    offset_ += begin_;
    begin_ = 0;
  }
  if (capacity_ - end_ < kBlockSize / 2) {
    // A long string fills the buffer: half as large again.
    const std::size_t larger = capacity_ + capacity_ / 2;
    std::unique_ptr<char[]> raw(new char[larger]);
    std::memcpy(raw.get(), raw_.get(), end_);
    raw_ = std::move(raw);
    capacity_ = larger;
  }
  ssize_t got;
  do {
    got = ::read(fd_, raw_.get() + end_, capacity_ - end_);
  } while (got < 0 && errno == EINTR);
  if (got < 0) {
    fail(offset_ + end_, std::string("cannot read the file: ") + std::strerror(errno));
  }
  if (got == 0) {
    eof_ = true;
    return false;
  }
  end_ += static_cast<std::size_t>(got);
  return true;
}

bool BinaryGroupDecoder::have(std::size_t from, std::size_t count) {
  while (end_ - begin_ < from + count) {
    if (!readMore()) return false;
  }
  return true;
}

std::size_t BinaryGroupDecoder::stringLength(std::size_t from, int code) {
  std::size_t searched = 0;  // bytes of the string known to hold no NUL
  for (;;) {
    const char* start = raw_.get() + begin_ + from;
    const std::size_t available = end_ - begin_ - from;
    if (const void* nul = std::memchr(start + searched, '\0', available - searched)) {
      return static_cast<std::size_t>(static_cast<const char*>(nul) - start);
    }
    searched = available;
    if (searched > kLongestString) {
      fail(bytesDecoded() + from, "a string of more than 1 GiB: the file is damaged");
    }
    if (!readMore()) {
      fail(bytesDecoded() + from,
           "the string of group code " + std::to_string(code) + " has no end (a NUL byte)");
    }
  }
}

std::uint64_t BinaryGroupDecoder::littleEndian(std::size_t from, std::size_t size) const {
  std::uint64_t value = 0;
  for (std::size_t i = size; i-- > 0;) {
    value = (value << 8) | static_cast<unsigned char>(raw_[begin_ + from + i]);
  }
  return value;
}

std::size_t BinaryGroupDecoder::decodeGroup(char* out, std::size_t room) {
  const std::size_t at = bytesDecoded();
  std::size_t codeSize = oneByteCodes_ ? 1 : 2;
  if (!have(0, codeSize)) fail(at, "the file ends inside a group code");
  auto code = static_cast<int>(littleEndian(0, codeSize));
  if (oneByteCodes_ && code == 255) {
    // Release 12 gives larger codes (of extended data) as 255 and two bytes.
    codeSize = 3;
    if (!have(0, codeSize)) fail(at, "the file ends inside a group code");
    code = static_cast<int>(littleEndian(1, 2));
  }
  if (code > kHighestGroupCode) fail(at, "unknown group code " + std::to_string(code));

  const BinaryValue kind = binaryValueOf(code);
  std::size_t valueSize = fixedSize(kind);  // in the file
  std::size_t textSize = 0;                 // in the text form
  char number[32];
  if (kind == BinaryValue::kText) {
    valueSize = stringLength(codeSize, code) + 1;
    const char* value = raw_.get() + begin_ + codeSize;
    textSize = valueSize - 1;
    for (std::size_t i = 0; i + 1 < valueSize; ++i) textSize += spelledWithCaret(value[i]);
  } else if (kind == BinaryValue::kChunk) {
    if (!have(codeSize, 1)) fail(at + codeSize, "the file ends before the length of a chunk");
    valueSize = 1 + static_cast<unsigned char>(raw_[begin_ + codeSize]);
    textSize = 2 * (valueSize - 1);
  }
  if (!have(codeSize, valueSize)) {
    fail(at + codeSize, "the value of group code " + std::to_string(code) +
                            " runs past the end of the file (" + std::to_string(valueSize) +
                            " bytes, " + std::to_string(end_ - begin_ - codeSize) + " left)");
  }
  if (fixedSize(kind) > 0) {
    const std::uint64_t bits = littleEndian(codeSize, valueSize);
    std::to_chars_result written{};
    char* const last = number + sizeof number;
    switch (kind) {
      case BinaryValue::kReal: {
        const auto value = std::bit_cast<double>(bits);
        if (!std::isfinite(value)) {
          fail(at + codeSize,
               "group code " + std::to_string(code) + " holds a number that is not finite");
        }
        written = std::to_chars(number, last, value);
        // Whole values keep a decimal point, as the text form writes them.
        if (std::string_view(number, written.ptr).find_first_of(".e") == std::string_view::npos) {
          *written.ptr++ = '.';
          *written.ptr++ = '0';
        }
        break;
      }
      case BinaryValue::kInt16:
        written = std::to_chars(number, last, static_cast<std::int16_t>(bits));
        break;
      case BinaryValue::kInt32:
        written = std::to_chars(number, last, static_cast<std::int32_t>(bits));
        break;
      case BinaryValue::kInt64:
        written = std::to_chars(number, last, static_cast<std::int64_t>(bits));
        break;
      default:
        written = std::to_chars(number, last, bits);
        break;
    }
    textSize = static_cast<std::size_t>(written.ptr - number);
  }

  char codeText[8];
  const auto codeEnd = std::to_chars(codeText, codeText + sizeof codeText, code).ptr;
  const auto codeLength = static_cast<std::size_t>(codeEnd - codeText);
  // Group codes stand right-aligned in three columns, as in a text file.
  const std::size_t padding = codeLength < 3 ? 3 - codeLength : 0;
  const std::size_t size = padding + codeLength + 1 + textSize + 1;
  if (size > room) {
    needed_ = size;
    return 0;
  }
  char* to = out;
  to = std::fill_n(to, padding, ' ');
  to = std::copy(codeText, codeEnd, to);
  *to++ = '\n';
  const char* value = raw_.get() + begin_ + codeSize;
  if (kind == BinaryValue::kText) {
    for (std::size_t i = 0; i + 1 < valueSize; ++i) {
      if (spelledWithCaret(value[i])) {
        *to++ = '^';
        *to++ = static_cast<char>(value[i] + '@');
      } else {
        *to++ = value[i];
      }
    }
  } else if (kind == BinaryValue::kChunk) {
    for (std::size_t i = 1; i < valueSize; ++i) {
      const auto byte = static_cast<unsigned char>(value[i]);
      *to++ = kHexDigits[byte >> 4];
      *to++ = kHexDigits[byte & 15];
    }
  } else {
    to = std::copy(number, number + textSize, to);
  }
  *to++ = '\n';
  begin_ += codeSize + valueSize;
  return size;
}

std::size_t BinaryGroupDecoder::decode(char* out, std::size_t room) {
  needed_ = 0;
  std::size_t written = 0;
  while (begin_ < end_ || readMore()) {
    const std::size_t size = decodeGroup(out + written, room - written);
    if (size == 0) {
      if (written > 0) needed_ = 0;
      break;
    }
    written += size;
  }
  return written;
}

}  // namespace host::dxf
