#include "analysis/analysis_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string_view>
#include <system_error>

namespace quorvel {

namespace {

constexpr int kSignificantDigits = 7;
constexpr int kMostDecimals = 12;
// A textbook coefficient: six significant digits, plain decimals for the sizes from
// 10^kPlainLowest up to below 10^kPlainHighest.
constexpr int kTextbookDigits = 6;
constexpr int kPlainLowest = -6;
constexpr int kPlainHighest = 15;
constexpr const char* kMinusSign = "\u2212";

}  // namespace

const char* kindWord(KeyKind kind) {
  switch (kind) {
    case KeyKind::Zero: return "zero";
    case KeyKind::Maximum: return "max";
    case KeyKind::Minimum: return "min";
    case KeyKind::YIntercept: return "y-intercept";
    case KeyKind::Intersection: return "intersection";
    case KeyKind::Value: return "value";
  }
  return "";
}

const char* kindCaption(KeyKind kind) {
  switch (kind) {
    case KeyKind::Zero: return "零点";
    case KeyKind::Maximum: return "极大值";
    case KeyKind::Minimum: return "极小值";
    case KeyKind::YIntercept: return "与ｙ轴交点";
    case KeyKind::Intersection: return "交点";
    case KeyKind::Value: return "ｙ＝ｃ";
  }
  return "";
}

std::string fixedText(double v, int decimals) {
  // to_chars rounds the binary value correctly and ignores the locale, which the
  // window toolkit sets from the environment.
  char buffer[400];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::fixed,
                                    std::clamp(decimals, 0, 30));
  if (result.ec != std::errc()) return "0";
  std::string text(buffer, result.ptr);
  // A value that rounds to zero is "0.0000", not "-0.0000".
  if (text.front() == '-' && text.find_first_of("123456789") == std::string::npos) {
    text.erase(0, 1);
  }
  return text;
}

std::string decimalText(double v) {
  if (!std::isfinite(v)) return v > 0 ? "inf" : v < 0 ? "-inf" : "nan";
  int decimals = kMostDecimals;
  if (v != 0) {
    const int exponent = static_cast<int>(std::floor(std::log10(std::fabs(v))));
    decimals = std::clamp(kSignificantDigits - 1 - exponent, 0, kMostDecimals);
  }
  std::string text = fixedText(v, decimals);
  if (text.find('.') != std::string::npos) {
    while (text.back() == '0') text.pop_back();
    if (text.back() == '.') text.pop_back();
  }
  return text == "-0" ? "0" : text;
}

std::string textbookNumber(double v) {
  if (!std::isfinite(v)) return std::isnan(v) ? "nan" : v > 0 ? "\u221e" : "\u2212\u221e";
  // Rounded to six significant digits through the decimal text, so the value read back
  // is the double nearest that decimal.
  char buffer[64];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::scientific,
                              kTextbookDigits - 1);
  double rounded = 0;
  std::from_chars(buffer, result.ptr, rounded);
  if (rounded == 0) return "0";
  const std::string_view digits(buffer, static_cast<std::size_t>(result.ptr - buffer));
  int exponent = 0;
  const std::size_t e = digits.find('e');
  std::from_chars(digits.data() + e + (digits[e + 1] == '+' ? 2 : 1), digits.data() + digits.size(),
                  exponent);
  const bool plain = kPlainLowest <= exponent && exponent < kPlainHighest;
  result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(rounded),
                         plain ? std::chars_format::fixed : std::chars_format::scientific);
  std::string text(buffer, result.ptr);
  if (!plain) {
    // "1.5e-07" as "1.5e−7": no padding zero, the real minus sign.
    const std::size_t at = text.find('e');
    std::string mantissa = text.substr(0, at);
    const bool negativeExponent = text[at + 1] == '-';
    std::string power = text.substr(at + 2);
    power.erase(0, std::min(power.find_first_not_of('0'), power.size() - 1));
    text = mantissa + "e" + (negativeExponent ? kMinusSign : "+") + power;
  }
  return rounded < 0 ? kMinusSign + text : text;
}

std::string keyPointLines(const std::vector<KeyPoint>& points) {
  std::string out;
  for (const KeyPoint& p : points) {
    out += std::string(kindWord(p.kind)) + '\t' + decimalText(p.x) + '\t' + decimalText(p.y) + '\n';
  }
  return out;
}

}  // namespace quorvel
