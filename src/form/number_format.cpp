#include "form/number_format.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <iterator>

#include "cad/trimmed_text.h"
#include "form/decimal_text.h"

namespace form {
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

double roundedTo15Digits(double value) {
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
  const double margin = 4.0 * (std::nextafter(scaled, kExactUnits) - scaled);
  if (std::fabs(fraction - 0.5) <= margin) return {};
  const auto units = static_cast<std::uint64_t>(whole) + (fraction > 0.5 ? 1 : 0);

  char buffer[24];
  char* end = std::to_chars(buffer, buffer + sizeof buffer, units).ptr;
  std::string digits(buffer, end);
  // At least one digit before the point.
  const auto decimals = static_cast<std::size_t>(places);
  if (digits.size() <= decimals) digits.insert(0, decimals + 1 - digits.size(), '0');
  const std::size_t integerLength = digits.size() - decimals;
  std::string text = value < 0 && units != 0 ? "-" : "";
  text.append(digits, 0, integerLength);
  if (decimals > 0) {
    text += separator;
    text.append(digits, integerLength);
  }
  return text;
}

}  // namespace

std::string formatWithDP(double value, std::string_view DP, std::string_view separator) {
  const int places = decimalPlacesOf(DP);
  if (std::optional<std::string> text = formatScaled(value, places, separator)) return *text;
  const DecimalText d = DecimalText::of(value).roundedToDecimals(places);
  // A negative value that rounds to zero shows as zero, without its minus sign: "-0.000" would
  // suggest a deviation the display cannot resolve.
  std::string text = d.negative && !d.isZero() ? "-" : "";
  text += integerDigits(d);
  if (places > 0) text += std::string(separator) + fractionDigits(d, places);
  return text;
}

std::string signedDisplayForm(double value) {
  const std::string text = generalForm(value, ".", false);
  return text[0] == '-' ? text : " " + text;
}

std::string storedForm(double value, std::string_view separator) {
  return generalForm(value, separator, true);
}

std::optional<double> localeNumber(std::string_view text, std::string_view separator) {
  text = cad::trimmed(text);

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

}  // namespace form
