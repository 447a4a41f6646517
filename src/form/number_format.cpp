#include "form/number_format.h"

#include <charconv>
#include <cstdlib>

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
  std::string digits = d.digits.substr(0, d.pointPosition);
  digits.resize(d.pointPosition, '0');
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
    std::string mantissa = d.digits.substr(0, 1);
    if (d.digits.size() > 1) mantissa += std::string(separator) + d.digits.substr(1);
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
  return DecimalText::of(value).roundedToSignificant(kSignificantDigits).toDouble();
}

std::string formatWithDP(double value, std::string_view DP, std::string_view separator) {
  const int places = decimalPlacesOf(DP);
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
