#include "host/dxf/dxf_output.h"

#include <charconv>
#include <utility>

namespace host::dxf {
namespace {

constexpr std::size_t kFlushSize = 1 << 20;

}  // namespace

DxfOutput::DxfOutput(Sink sink) : sink_(std::move(sink)) {
  buffer_.reserve(kFlushSize + 4096);
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

void DxfOutput::text(int code, std::string_view value) {
  this->code(code);
  buffer_.append(value);
  buffer_ += '\n';
  maybeFlush();
}

void DxfOutput::real(int code, double value) {
  this->code(code);
  char digits[32];
  const auto [end, error] = std::to_chars(digits, digits + sizeof digits, value);
  const std::string_view written(digits, static_cast<std::size_t>(end - digits));
  buffer_.append(written);
  // Whole values get a decimal point so that no reader takes them for integers.
  if (written.find_first_of(".e") == std::string_view::npos) buffer_ += ".0";
  buffer_ += '\n';
  maybeFlush();
}

void DxfOutput::whole(int code, std::int64_t value) {
  this->code(code);
  char digits[24];
  const auto [end, error] = std::to_chars(digits, digits + sizeof digits, value);
  buffer_.append(digits, static_cast<std::size_t>(end - digits));
  buffer_ += '\n';
  maybeFlush();
}

void DxfOutput::handle(int code, std::uint64_t handle) {
  this->code(code);
  char digits[24];
  const auto [end, error] = std::to_chars(digits, digits + sizeof digits, handle, 16);
  for (char* c = digits; c < end; ++c) {
    if (*c >= 'a' && *c <= 'f') *c = static_cast<char>(*c - 'a' + 'A');
  }
  buffer_.append(digits, static_cast<std::size_t>(end - digits));
  buffer_ += '\n';
  maybeFlush();
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
