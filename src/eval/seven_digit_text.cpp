#include "eval/seven_digit_text.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>

#include "eval/number_text.h"

namespace quorvel {

namespace {

// 10^0..10^22: every one is exactly a double.
constexpr std::array<double, 23> kExactPowersOfTen = {
    1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
    1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
constexpr int kLargestExactPower = 22;

constexpr std::uint32_t kSmallestDigits = 1000000;   // 1.000000
constexpr std::uint32_t kDigitsOverflow = 10000000;  // 9.9999995 and up round to 10

// A scaled value closer than this to a half may round either way once the scaling's
// error (below 2^-29 for a value under 2^24) is taken into account.
constexpr double kTieMargin = 0x1p-26;

// The decimal exponents whose scaling factors 10^(6-k) and 10^(k-6), also after the
// one step up, stay within the exact powers.
constexpr int kLowestFastExponent = 6 - kLargestExactPower;       // -16
constexpr int kHighestFastExponent = 6 + kLargestExactPower - 2;  // 26

// floor(log10(2^e)) for each biased exponent of a normal single: the decimal exponent
// of its value is that or one more.
constexpr std::array<int, 256> kDecimalExponentBelow = [] {
  std::array<int, 256> table{};
  for (int biased = 1; biased < 255; ++biased) {
    const double estimate = (biased - 127) * 0.30102999566398120;
    int k = static_cast<int>(estimate);  // toward zero
    if (static_cast<double>(k) > estimate) --k;
    table[static_cast<std::size_t>(biased)] = k;
  }
  return table;
}();

// |v| as seven significant digits (1000000..9999999) times 10^(exponent - 6).
struct SevenDigits {
  bool negative = false;
  std::uint32_t digits = 0;
  int exponent = 0;
};

double scaleToSevenDigits(double magnitude, int exponent) {
  const int p = 6 - exponent;
  return p >= 0 ? magnitude * kExactPowersOfTen[static_cast<std::size_t>(p)]
                : magnitude / kExactPowersOfTen[static_cast<std::size_t>(-p)];
}

// False for zero, subnormals, magnitudes outside 1E-16..1E+27 and the rare values
// whose eighth digit is too close to a half to decide here.
bool splitSevenDigits(float v, SevenDigits& out) {
  const auto bits = std::bit_cast<std::uint32_t>(v);
  const auto biased = static_cast<std::size_t>((bits >> 23) & 0xffu);
  if (biased == 0 || biased == 255) return false;
  int exponent = kDecimalExponentBelow[biased];
  if (exponent < kLowestFastExponent || exponent > kHighestFastExponent) return false;
  const double magnitude = std::fabs(static_cast<double>(v));
  double scaled = scaleToSevenDigits(magnitude, exponent);
  if (scaled >= 1e7) {
    ++exponent;
    scaled = scaleToSevenDigits(magnitude, exponent);
  }
  const auto whole = static_cast<std::uint32_t>(scaled);  // positive: truncation is floor
  const double fraction = scaled - static_cast<double>(whole);
  if (std::fabs(fraction - 0.5) < kTieMargin) return false;
  std::uint32_t digits = whole + (fraction > 0.5 ? 1u : 0u);
  if (digits < kSmallestDigits || digits > kDigitsOverflow) return false;
  if (digits == kDigitsOverflow) {
    digits = kSmallestDigits;
    ++exponent;
  }
  out.negative = (bits >> 31) != 0;
  out.digits = digits;
  out.exponent = exponent;
  return true;
}

// digits × 10^(exponent − 6): both factors are exact doubles, so the product or
// quotient is the correctly rounded double of the decimal value.
float valueOf(const SevenDigits& d) {
  const int q = d.exponent - 6;
  const auto m = static_cast<double>(d.digits);
  const double magnitude = q >= 0 ? m * kExactPowersOfTen[static_cast<std::size_t>(q)]
                                  : m / kExactPowersOfTen[static_cast<std::size_t>(-q)];
  const auto single = static_cast<float>(magnitude);
  return d.negative ? -single : single;
}

// The same layout as singleText: plain for decimal exponents -4..6, otherwise the
// exponent form with at least two exponent digits; no trailing zeros.
std::size_t writeText(const SevenDigits& d, char* out) {
  char digits[7];
  std::uint32_t rest = d.digits;
  for (int i = 6; i >= 0; --i) {
    digits[i] = static_cast<char>('0' + rest % 10);
    rest /= 10;
  }
  int count = 7;
  while (count > 1 && digits[count - 1] == '0') --count;

  char* p = out;
  if (d.negative) *p++ = '-';
  const int k = d.exponent;
  if (k >= 7 || k < -4) {
    *p++ = digits[0];
    if (count > 1) {
      *p++ = '.';
      for (int i = 1; i < count; ++i) *p++ = digits[i];
    }
    *p++ = 'E';
    *p++ = k < 0 ? '-' : '+';
    const int magnitude = k < 0 ? -k : k;  // at most 22 here
    *p++ = static_cast<char>('0' + magnitude / 10);
    *p++ = static_cast<char>('0' + magnitude % 10);
  } else if (k < 0) {
    *p++ = '0';
    *p++ = '.';
    for (int i = 0; i < -k - 1; ++i) *p++ = '0';
    for (int i = 0; i < count; ++i) *p++ = digits[i];
  } else {
    const int whole = k + 1;
    for (int i = 0; i < whole; ++i) *p++ = i < count ? digits[i] : '0';
    if (count > whole) {
      *p++ = '.';
      for (int i = whole; i < count; ++i) *p++ = digits[i];
    }
  }
  return static_cast<std::size_t>(p - out);
}

float readBack(const std::string& text) {
  float value = 0.0f;
  textToSingle(text, value);  // a text of a finite single always reads back
  return value;
}

}  // namespace

float singleTextValue(float v) {
  if (v == 0.0f) return 0.0f;
  SevenDigits d;
  if (splitSevenDigits(v, d)) return valueOf(d);
  return readBack(singleText(v));
}

void assignSingleText(std::string& out, float v) {
  SevenDigits d;
  if (v != 0.0f && splitSevenDigits(v, d)) {
    char buffer[16];
    out.assign(buffer, writeText(d, buffer));
    return;
  }
  out = singleText(v);
}

float assignSingleTextAndValue(std::string& out, float v) {
  SevenDigits d;
  if (v != 0.0f && splitSevenDigits(v, d)) {
    char buffer[16];
    out.assign(buffer, writeText(d, buffer));
    return valueOf(d);
  }
  out = singleText(v);
  return readBack(out);
}

}  // namespace quorvel
