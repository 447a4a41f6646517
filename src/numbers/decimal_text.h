#pragma once

#include <array>
#include <cstdint>
#include <string_view>

// A double written out as its shortest exact decimal, so that rounding happens on the digits a
// user reads and not on the binary value: 0.0005 rounds to 0.001 at three decimals, although the
// double nearest 0.0005 lies just below it.
namespace numbers {

// The significant digits of a DecimalText, kept in place: a survey check formats millions of
// numbers, and a heap allocation per number would cost more than the rest of the work.
class Digits {
 public:
  // The shortest form of a double has at most 17 digits; rounding may carry one more in front.
  static constexpr std::size_t kCapacity = 18;

  std::size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }
  char operator[](std::size_t index) const { return chars_[index]; }
  char& operator[](std::size_t index) { return chars_[index]; }
  char back() const { return chars_[size_ - 1]; }
  void pop_back() { --size_; }
  void push_back(char digit) { chars_[size_++] = digit; }
  void shrink(std::size_t size) { size_ = static_cast<std::uint8_t>(size); }
  void push_front(char digit);
  std::string_view view() const { return {chars_.data(), size_}; }

 private:
  std::array<char, kCapacity> chars_{};
  std::uint8_t size_ = 0;
};

struct DecimalText {
  bool negative = false;
  // Significant digits without leading or trailing zeros; empty for zero.
  Digits digits;
  // Where the decimal point stands: the value is 0.<digits> times 10 to this power.
  int pointPosition = 0;

  // Fails with Overflow for infinities and NaN.
  static DecimalText of(double value);

  bool isZero() const { return digits.empty(); }
  // Rounds half away from zero to `places` decimals (places >= 0).
  DecimalText roundedToDecimals(int places) const;
  // Rounds half away from zero to `count` significant digits (count >= 1).
  DecimalText roundedToSignificant(int count) const;
  double toDouble() const;
};

}  // namespace numbers
