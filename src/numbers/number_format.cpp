#include "numbers/number_format.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <iterator>
#include <utility>

#include "numbers/decimal_text.h"
#include "numbers/trimmed_text.h"

namespace numbers {
namespace {

constexpr int kSignificantDigits = 15;

int decimalPlacesOf(std::string_view DP) {
  const std::size_t point = DP.find('.');
  return point == std::string_view::npos ? 0 : static_cast<int>(DP.size() - point - 1);
}

// The digits of `d` before and after its point, "0" standing for an empty integer part.
std::string integerDigits(const DecimalText& d) {
  if (d.pointPosition <= 0) return "0";
  std::string digits(d.digits.view().substr(0, static_cast<std::size_t>(d.pointPosition)));
  digits.resize(static_cast<std::size_t>(d.pointPosition), '0');
  return digits;
}

std::string fractionDigits(const DecimalText& d, int places) {
  std::string digits;
  for (int i = 0; i < places; ++i) {
    const int index = d.pointPosition + i;
    digits += index >= 0 && index < static_cast<int>(d.digits.size()) ? d.digits[index] : '0';
  }
  return digits;
}

// The general form shared by the displayed and the stored text height.
std::string generalForm(double value, std::string_view separator, bool zeroBeforePoint) {
  const DecimalText d = DecimalText::of(value).roundedToSignificant(kSignificantDigits);
  if (d.isZero()) return "0";
  const std::string sign = d.negative ? "-" : "";
  const int exponent = d.pointPosition - 1;
  if (exponent < -4 || exponent >= kSignificantDigits) {
    std::string mantissa(d.digits.view().substr(0, 1));
    if (d.digits.size() > 1) {
      mantissa += separator;
      mantissa += d.digits.view().substr(1);
    }
    const int magnitude = std::abs(exponent);
    return sign + mantissa + (exponent < 0 ? "E-" : "E+") + (magnitude < 10 ? "0" : "") +
           std::to_string(magnitude);
  }
  const int decimals = std::max(0, static_cast<int>(d.digits.size()) - d.pointPosition);
  std::string text = sign;
  if (d.pointPosition > 0 || zeroBeforePoint) text += integerDigits(d);
  if (decimals > 0) text += std::string(separator) + fractionDigits(d, decimals);
  return text;
}

}  // namespace

std::string numberFormatFor(std::optional<long> precision) {
  const long places = precision.value_or(0);
  if (places <= 0) return "###0";
  return "###0." + std::string(places, '0');
}

namespace {

constexpr double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                   1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                   1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};  // all exact

// roundedTo15Digits by binary arithmetic, where it gives the same value. The value scaled to 15
// digits before the point differs from its shortest decimal, scaled alike, by less than half a
// unit of the value's last place, scaled, and half a unit of the product's last place; away
// from the halfway point by more than that both round the same way. The rounded digits and the
// power of ten are exact, so their quotient is the double nearest the rounded decimal. Nothing
// when the value is too near halfway or its scale is not exact.
std::optional<double> roundedByScaling(double value) {
  const double magnitude = std::fabs(value);
  if (!(magnitude >= 1e-7 && magnitude < 1e14)) return {};
  // The decimal exponent from the binary one may be one too small: the scaled value is checked.
  constexpr double kLog10Of2 = 0.30102999566398120;
  const int binaryExponent = std::ilogb(magnitude);
  const int exponent = static_cast<int>(std::floor(binaryExponent * kLog10Of2));
  int power = kSignificantDigits - 1 - exponent;
  double scaled = magnitude * kPowersOfTen[power];
  if (scaled >= 1e15 && power > 0) scaled = magnitude * kPowersOfTen[--power];
  if (scaled < 1e14 && power < 22) scaled = magnitude * kPowersOfTen[++power];
  if (scaled < 1e14 || scaled >= 1e15) return {};
  const double whole = std::floor(scaled);
  const double fraction = scaled - whole;
  const double apart =
      std::ldexp(0.5, binaryExponent - 52) * kPowersOfTen[power] + scaled * 0x1p-53;
  if (std::fabs(fraction - 0.5) <= 1.25 * apart) return {};
  const double digits = fraction > 0.5 ? whole + 1 : whole;
  return std::copysign(digits / kPowersOfTen[power], value);
}

}  // namespace

double roundedTo15Digits(double value) {
  if (const std::optional<double> rounded = roundedByScaling(value)) return *rounded;
  const DecimalText d = DecimalText::of(value);
  // The shortest form reads back as the value itself: there is nothing to round.
  if (d.digits.size() <= kSignificantDigits) return d.isZero() ? 0.0 : value;
  return d.roundedToSignificant(kSignificantDigits).toDouble();
}

namespace {

// formatWithDP by binary arithmetic, where it gives the same digits: the value scaled to whole
// units of the last place differs from its shortest decimal, scaled alike, by less than two
// units in its last place, so away from the halfway point both round the same way. Nothing when
// the value is too near halfway, or too large for whole units to be exact.
std::optional<std::string> formatScaled(double value, int places, std::string_view separator) {
  constexpr double kPowers[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8};
  constexpr double kExactUnits = 0x1p50;
  if (places >= static_cast<int>(std::size(kPowers)) || !std::isfinite(value)) return {};
  const double scaled = std::fabs(value) * kPowers[places];
  if (scaled >= kExactUnits) return {};
  const double whole = std::floor(scaled);
  const double fraction = scaled - whole;
  // Four units in the last place at least.
  if (std::fabs(fraction - 0.5) <= scaled * 0x1p-50) return {};
  const auto units = static_cast<std::uint64_t>(whole) + (fraction > 0.5 ? 1 : 0);

  char digits[24];
  const auto length =
      static_cast<std::size_t>(std::to_chars(digits, digits + sizeof digits, units).ptr - digits);
  const auto decimals = static_cast<std::size_t>(places);
  std::string text;
  text.reserve(1 + length + decimals + separator.size() + 1);
  if (value < 0 && units != 0) text += '-';
  if (length > decimals) {
    text.append(digits, length - decimals);
    if (decimals > 0) {
      text += separator;
      text.append(digits + length - decimals, decimals);
    }
  } else {
    // Less than one: a zero before the point, and zeros after it up to the digits.
    text += '0';
    text += separator;
    text.append(decimals - length, '0');
    text.append(digits, length);
  }
  return text;
}

}  // namespace

std::string formatWithDP(double value, std::string_view DP, std::string_view separator) {
  const int places = decimalPlacesOf(DP);
  if (std::optional<std::string> text = formatScaled(value, places, separator)) {
    return std::move(*text);
  }
  const DecimalText d = DecimalText::of(value).roundedToDecimals(places);
  // A negative value that rounds to zero shows as zero, without its minus sign: "-0.000" would
  // suggest a deviation the display cannot resolve.
  std::string text = d.negative && !d.isZero() ? "-" : "";
  text += integerDigits(d);
  if (places > 0) text += std::string(separator) + fractionDigits(d, places);
  return text;
}

double roundedWithDP(double value, std::string_view DP) {
  const DecimalText d = DecimalText::of(value).roundedToDecimals(decimalPlacesOf(DP));
  return d.isZero() ? 0.0 : d.toDouble();
}

std::string signedDisplayForm(double value) {
  const std::string text = generalForm(value, ".", false);
  return text[0] == '-' ? text : " " + text;
}

std::string storedForm(double value, std::string_view separator) {
  return generalForm(value, separator, true);
}

std::optional<double> localeNumber(std::string_view text, std::string_view separator) {
  text = trimmed(text);

  std::string plain;  // the number with a point as separator, for from_chars
  std::size_t i = 0;
  const auto takeDigits = [&] {
    std::size_t count = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') plain += text[i++], ++count;
    return count;
  };
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    if (text[i] == '-') plain += '-';
    ++i;
  }
  std::size_t digits = takeDigits();
  if (!separator.empty() && text.substr(i, separator.size()) == separator) {
    i += separator.size();
    plain += '.';
    digits += takeDigits();
  }
  if (digits == 0) return std::nullopt;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    plain += 'e';
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) plain += text[i++];
    if (takeDigits() == 0) return std::nullopt;
  }
  if (i != text.size()) return std::nullopt;

  double value = 0.0;
  const auto result = std::from_chars(plain.data(), plain.data() + plain.size(), value);
  if (result.ec != std::errc() || result.ptr != plain.data() + plain.size()) return std::nullopt;
  return value;
}

}  // namespace numbers
