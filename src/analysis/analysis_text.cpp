#include "analysis/analysis_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <system_error>

namespace quorvel {

namespace {

constexpr int kSignificantDigits = 7;
constexpr int kMostDecimals = 12;

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

std::string keyPointLines(const std::vector<KeyPoint>& points) {
  std::string out;
  for (const KeyPoint& p : points) {
    out += std::string(kindWord(p.kind)) + '\t' + decimalText(p.x) + '\t' + decimalText(p.y) + '\n';
  }
  return out;
}

}  // namespace quorvel
