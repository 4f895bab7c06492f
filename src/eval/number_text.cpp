#include "eval/number_text.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <system_error>

#include "eval/single_math.h"

namespace quorvel {

namespace {

constexpr int kSingleDigits = 7;
constexpr int kSingleExponentLimit = 7;
constexpr int kDoubleDigits = 15;
constexpr int kDoubleExponentLimit = 15;
constexpr int kSmallestPlainExponent = -4;

// The digits of a value rounded to `digits` significant digits, and the decimal
// exponent of the first of them (after the rounding, so 9.9999999 gives "1", 1).
struct DecimalDigits {
  bool negative = false;
  std::string digits;  // no trailing zeros, at least one digit
  int exponent = 0;
};

DecimalDigits roundToDigits(double v, int digits) {
  // The exponent form of to_chars rounds the exact binary value correctly and,
  // unlike printf, never looks at the locale.
  char buf[64];
  const auto res =
      std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, digits - 1);
  const std::string_view text(buf, static_cast<std::size_t>(res.ptr - buf));
  DecimalDigits d;
  std::size_t i = 0;
  if (text[i] == '-') {
    d.negative = true;
    ++i;
  }
  for (; i < text.size() && text[i] != 'e'; ++i) {
    if (text[i] != '.') d.digits += text[i];
  }
  ++i;  // 'e'
  const bool negativeExponent = text[i] == '-';
  ++i;  // the exponent's sign is always written
  int magnitude = 0;
  std::from_chars(text.data() + i, text.data() + text.size(), magnitude);
  d.exponent = negativeExponent ? -magnitude : magnitude;
  while (d.digits.size() > 1 && d.digits.back() == '0') d.digits.pop_back();
  return d;
}

std::string exponentForm(const DecimalDigits& d) {
  std::string out = d.negative ? "-" : "";
  out += d.digits[0];
  if (d.digits.size() > 1) {
    out += '.';
    out.append(d.digits, 1);
  }
  out += 'E';
  out += d.exponent < 0 ? '-' : '+';
  const int magnitude = d.exponent < 0 ? -d.exponent : d.exponent;
  if (magnitude < 10) out += '0';
  char buf[8];
  const auto res = std::to_chars(buf, buf + sizeof buf, magnitude);
  out.append(buf, res.ptr);
  return out;
}

std::string plainForm(const DecimalDigits& d) {
  std::string out = d.negative ? "-" : "";
  if (d.exponent < 0) {
    out += "0.";
    out.append(static_cast<std::size_t>(-d.exponent - 1), '0');
    out += d.digits;
    return out;
  }
  const auto wholeDigits = static_cast<std::size_t>(d.exponent) + 1;
  if (d.digits.size() <= wholeDigits) {
    out += d.digits;
    out.append(wholeDigits - d.digits.size(), '0');
  } else {
    out.append(d.digits, 0, wholeDigits);
    out += '.';
    out.append(d.digits, wholeDigits);
  }
  return out;
}

std::string generalText(double v, int digits, int exponentLimit) {
  if (v == 0.0) return "0";  // negative zero too
  // The evaluator and the formulas never produce these; written for completeness.
  if (std::isnan(v)) return "NaN";
  if (std::isinf(v)) return v < 0 ? "-Infinity" : "Infinity";
  const DecimalDigits d = roundToDigits(v, digits);
  if (d.exponent >= exponentLimit || d.exponent < kSmallestPlainExponent) {
    return exponentForm(d);
  }
  return plainForm(d);
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Exponents beyond this many digits are out of range whatever the mantissa.
constexpr std::size_t kMaxExponentDigits = 9;

}  // namespace

std::string singleText(float v) {
  return generalText(static_cast<double>(v), kSingleDigits, kSingleExponentLimit);
}

std::string numberText(float v) {
  std::string text = singleText(v);
  // Only the plain form of a magnitude below 1 starts with "0." or "-0.".
  const std::size_t zero = text[0] == '-' ? 1 : 0;
  if (text.size() > zero + 1 && text[zero] == '0' && text[zero + 1] == '.') {
    text.erase(zero, 1);
  }
  return text;
}

std::string numberText(std::int32_t v) {
  char buf[16];
  const auto res = std::to_chars(buf, buf + sizeof buf, v);
  return std::string(buf, res.ptr);
}

std::string doubleText(double v) { return generalText(v, kDoubleDigits, kDoubleExponentLimit); }

Status textToDouble(std::string_view text, double& out) {
  std::size_t i = 0;
  const std::size_t n = text.size();
  while (i < n && text[i] == ' ') ++i;

  // Rebuilt in the form from_chars reads: [-]digits[.digits][e[-]digits].
  std::string normal;
  if (i < n && (text[i] == '+' || text[i] == '-')) {
    if (text[i] == '-') normal += '-';
    ++i;
  }
  std::size_t wholeDigits = 0, fractionDigits = 0;
  std::size_t leadingZeros = 0;  // zeros before the first significant digit
  bool significantSeen = false;
  std::string whole, fraction;
  for (; i < n && isDigit(text[i]); ++i) {
    whole += text[i];
    ++wholeDigits;
    if (!significantSeen && text[i] == '0')
      ++leadingZeros;
    else
      significantSeen = true;
  }
  const std::size_t significantWholeDigits = wholeDigits - leadingZeros;
  std::size_t zerosAfterPoint = 0;
  if (i < n && text[i] == '.') {
    ++i;
    for (; i < n && isDigit(text[i]); ++i) {
      fraction += text[i];
      ++fractionDigits;
      if (!significantSeen && text[i] == '0')
        ++zerosAfterPoint;
      else
        significantSeen = true;
    }
  }
  if (wholeDigits + fractionDigits == 0) return kTypeMismatch;
  normal += whole.empty() ? "0" : whole;
  if (!fraction.empty()) normal += "." + fraction;

  std::int64_t exponent = 0;
  if (i < n && (text[i] == 'E' || text[i] == 'e' || text[i] == 'D' || text[i] == 'd')) {
    ++i;
    bool negativeExponent = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
      negativeExponent = text[i] == '-';
      ++i;
    }
    std::string digits;
    std::size_t count = 0;
    for (; i < n && isDigit(text[i]); ++i, ++count) {
      if (digits.empty() && text[i] == '0') continue;
      digits += text[i];
    }
    if (count == 0) return kTypeMismatch;
    if (digits.size() > kMaxExponentDigits) digits.assign(kMaxExponentDigits, '9');
    if (!digits.empty()) {
      std::from_chars(digits.data(), digits.data() + digits.size(), exponent);
      normal += negativeExponent ? "e-" : "e";
      normal += digits;
      if (negativeExponent) exponent = -exponent;
    }
  }
  while (i < n && text[i] == ' ') ++i;
  if (i != n) return kTypeMismatch;

  double value = 0.0;
  const auto res = std::from_chars(normal.data(), normal.data() + normal.size(), value,
                                   std::chars_format::general);
  if (res.ec == std::errc::result_out_of_range) {
    // Out of range either way: the decimal exponent of the first significant digit
    // tells a value too large from one too small (which reads as zero).
    const auto firstDigitExponent =
        significantWholeDigits > 0
            ? exponent + static_cast<std::int64_t>(significantWholeDigits) - 1
            : exponent - static_cast<std::int64_t>(zerosAfterPoint) - 1;
    if (firstDigitExponent >= 0) return kOverflow;
    out = normal[0] == '-' ? -0.0 : 0.0;
    return kOk;
  }
  if (res.ec != std::errc() || res.ptr != normal.data() + normal.size()) return kTypeMismatch;
  out = value;
  return kOk;
}

Status textToSingle(std::string_view text, float& out) {
  double value = 0.0;
  const Status s = textToDouble(text, value);
  if (s != kOk) return s;
  return toSingle(value, out);
}

}  // namespace quorvel
