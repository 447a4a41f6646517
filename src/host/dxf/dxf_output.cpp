#include "host/dxf/dxf_output.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <limits>
#include <utility>

#include "host/dxf/binary_form.h"
#include "host/dxf/numbers.h"

namespace host::dxf {
namespace {

constexpr std::size_t kFlushSize = 1 << 20;
// Chunks of binary data longer than a length byte can give are split into groups of the
// size text files use.
constexpr std::size_t kLongestChunk = 255;
constexpr std::size_t kSplitChunk = 127;

void appendLittleEndian(std::string& buffer, std::uint64_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) buffer += static_cast<char>((value >> (8 * i)) & 0xFF);
}

std::int64_t wholeValue(std::string_view text, std::int64_t lowest, std::int64_t highest) {
  std::int64_t value = 0;
  if (!parseWhole(text, value)) {
    double real = 0.0;
    if (parseReal(text, real)) value = static_cast<std::int64_t>(std::clamp(real, -9e18, 9e18));
  }
  return std::clamp(value, lowest, highest);
}

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return 0;
}

}  // namespace

DxfOutput::DxfOutput(Sink sink, FileForm form) : sink_(std::move(sink)), form_(form) {
  buffer_.reserve(kFlushSize + 4096);
  if (form_ == FileForm::kBinary) buffer_.append(kBinaryOpening);
}

void DxfOutput::code(int code) {
  char digits[16];
  const auto [end, error] = std::to_chars(digits, digits + sizeof digits, code);
  const std::size_t length = static_cast<std::size_t>(end - digits);
  // Group codes stand right-aligned in three columns, as every reader expects.
  if (length < 3) buffer_.append(3 - length, ' ');
  buffer_.append(digits, length);
  buffer_ += '\n';
}

void DxfOutput::maybeFlush() {
  if (buffer_.size() >= kFlushSize) flush();
}

void DxfOutput::group(int code, std::string_view value) {
  if (form_ == FileForm::kBinary) {
    binaryGroup(code, value);
  } else {
    this->code(code);
    buffer_.append(value);
    buffer_ += '\n';
  }
  maybeFlush();
}

void DxfOutput::binaryGroup(int code, std::string_view value) {
  if (code == 999) return;  // the binary form has no comments
  const BinaryValue kind = binaryValueOf(code);
  if (kind == BinaryValue::kChunk) {
    std::string bytes;
    for (std::size_t i = 0; i + 1 < value.size(); i += 2) {
      bytes += static_cast<char>(hexDigit(value[i]) * 16 + hexDigit(value[i + 1]));
    }
    const std::size_t piece = bytes.size() > kLongestChunk ? kSplitChunk : kLongestChunk;
    for (std::size_t at = 0; at < bytes.size() || at == 0; at += piece) {
      const std::string_view chunk = std::string_view(bytes).substr(at, piece);
      appendLittleEndian(buffer_, static_cast<std::uint64_t>(code), 2);
      buffer_ += static_cast<char>(chunk.size());
      buffer_.append(chunk);
    }
    return;
  }
  appendLittleEndian(buffer_, static_cast<std::uint64_t>(code), 2);
  switch (kind) {
    case BinaryValue::kReal: {
      double real = 0.0;
      parseReal(value, real);
      appendLittleEndian(buffer_, std::bit_cast<std::uint64_t>(real), 8);
      break;
    }
    case BinaryValue::kInt16:
      appendLittleEndian(buffer_, static_cast<std::uint64_t>(wholeValue(value, -32768, 32767)), 2);
      break;
    case BinaryValue::kInt32:
      appendLittleEndian(
          buffer_, static_cast<std::uint64_t>(wholeValue(value, -2147483648LL, 4294967295LL)), 4);
      break;
    case BinaryValue::kInt64:
      appendLittleEndian(
          buffer_,
          static_cast<std::uint64_t>(wholeValue(value, std::numeric_limits<std::int64_t>::min(),
                                                std::numeric_limits<std::int64_t>::max())),
          8);
      break;
    case BinaryValue::kByte:
      buffer_ += static_cast<char>(wholeValue(value, 0, 255));
      break;
    default:
      for (std::size_t i = 0; i < value.size(); ++i) {
        // ^J and ^M spell the line breaks a text file cannot hold in a value.
        if (value[i] == '^' && i + 1 < value.size() &&
            (value[i + 1] == 'J' || value[i + 1] == 'M')) {
          buffer_ += value[++i] == 'J' ? '\n' : '\r';
        } else {
          buffer_ += value[i] == '\0' ? ' ' : value[i];
        }
      }
      buffer_ += '\0';
      break;
  }
}

void DxfOutput::text(int code, std::string_view value) {
  group(code, value);
}

void DxfOutput::real(int code, double value) {
  char digits[32];
  auto [end, error] = std::to_chars(digits, digits + sizeof digits - 2, value);
  // Whole values get a decimal point so that no reader takes them for integers.
  if (std::string_view(digits, end).find_first_of(".e") == std::string_view::npos) {
    *end++ = '.';
    *end++ = '0';
  }
  group(code, std::string_view(digits, end));
}

void DxfOutput::whole(int code, std::int64_t value) {
  char digits[24];
  const auto [end, error] = std::to_chars(digits, digits + sizeof digits, value);
  group(code, std::string_view(digits, end));
}

void DxfOutput::handle(int code, std::uint64_t handle) {
  char digits[24];
  const auto [end, error] = std::to_chars(digits, digits + sizeof digits, handle, 16);
  for (char* c = digits; c < end; ++c) {
    if (*c >= 'a' && *c <= 'f') *c = static_cast<char>(*c - 'a' + 'A');
  }
  group(code, std::string_view(digits, end));
}

void DxfOutput::point(int code, const Eigen::Vector3d& point) {
  real(code, point.x());
  real(code + 10, point.y());
  real(code + 20, point.z());
}

void DxfOutput::flush() {
  if (buffer_.empty()) return;
  sink_(buffer_);
  buffer_.clear();
}

}  // namespace host::dxf
