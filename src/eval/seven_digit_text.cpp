#include "eval/seven_digit_text.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>

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

// 10^-16..10^28 as the compiler reads the literals: correctly rounded, so a single
// (itself a double) is >= 10^j exactly when it is >= that double, unless it equals a
// double that lies below 10^j, which needs a power whose double has 24 significant
// bits or fewer; none of these has (checked by the tests).
constexpr int kLowestBound = -16;
constexpr std::array<double, 45> kPowerBounds = {
    1e-16, 1e-15, 1e-14, 1e-13, 1e-12, 1e-11, 1e-10, 1e-9, 1e-8, 1e-7, 1e-6, 1e-5,
    1e-4,  1e-3,  1e-2,  1e-1,  1e0,   1e1,   1e2,   1e3,  1e4,  1e5,  1e6,  1e7,
    1e8,   1e9,   1e10,  1e11,  1e12,  1e13,  1e14,  1e15, 1e16, 1e17, 1e18, 1e19,
    1e20,  1e21,  1e22,  1e23,  1e24,  1e25,  1e26,  1e27, 1e28};

// For each biased exponent of a normal single: k = floor(log10(2^e)), so the decimal
// exponent of the value is k or k + 1, and the bound 10^(k+1) that tells them apart
// (0 outside the fast range).
struct DecimalExponentGuess {
  int exponent = 0;
  double nextPower = 0.0;
};

constexpr std::array<DecimalExponentGuess, 256> kDecimalExponentGuess = [] {
  std::array<DecimalExponentGuess, 256> table{};
  for (int biased = 1; biased < 255; ++biased) {
    const double estimate = (biased - 127) * 0.30102999566398120;
    int k = static_cast<int>(estimate);  // toward zero
    if (static_cast<double>(k) > estimate) --k;
    const int bound = k + 1 - kLowestBound;
    const double power = bound >= 0 && bound < static_cast<int>(kPowerBounds.size())
                             ? kPowerBounds[static_cast<std::size_t>(bound)]
                             : 0.0;
    table[static_cast<std::size_t>(biased)] = {k, power};
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
  const DecimalExponentGuess guess = kDecimalExponentGuess[biased];
  if (biased == 0 || biased == 255 || guess.exponent < kLowestFastExponent ||
      guess.exponent > kHighestFastExponent) {
    return false;
  }
  const double magnitude = std::fabs(static_cast<double>(v));
  // A wrong pick of the two (the bound is inexact below 1) shows as digits outside
  // 1000000..10000000 and falls back.
  const int exponent = guess.exponent + (magnitude >= guess.nextPower ? 1 : 0);
  const double scaled = scaleToSevenDigits(magnitude, exponent);
  // Adding and taking away 2^52 rounds a value below 2^52 to a whole number (halves
  // to even); an exact half is refused below anyway.
  const double rounded = (scaled + 0x1p52) - 0x1p52;
  if (std::fabs(std::fabs(scaled - rounded) - 0.5) < kTieMargin) return false;
  if (!(rounded >= kSmallestDigits && rounded <= kDigitsOverflow)) return false;
  out.negative = (bits >> 31) != 0;
  if (rounded == kDigitsOverflow) {
    out.digits = kSmallestDigits;
    out.exponent = exponent + 1;
  } else {
    out.digits = static_cast<std::uint32_t>(rounded);
    out.exponent = exponent;
  }
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

// "00" .. "99".
constexpr std::array<char, 200> kDigitPairs = [] {
  std::array<char, 200> pairs{};
  for (int i = 0; i < 100; ++i) {
    pairs[static_cast<std::size_t>(2 * i)] = static_cast<char>('0' + i / 10);
    pairs[static_cast<std::size_t>(2 * i + 1)] = static_cast<char>('0' + i % 10);
  }
  return pairs;
}();

void writePair(char* out, std::uint32_t twoDigits) {
  std::memcpy(out, &kDigitPairs[2 * static_cast<std::size_t>(twoDigits)], 2);
}

// The same layout as singleText: plain for decimal exponents -4..6, otherwise the
// exponent form with at least two exponent digits; no trailing zeros. `out` has room
// for 32 characters; the text is at most 13.
std::size_t writeText(const SevenDigits& d, char* out) {
  char digits[8];  // the seven digits, trailing zeros included, and one spare
  const std::uint32_t high = d.digits / 10000;  // 100..1000
  const std::uint32_t low = d.digits % 10000;
  digits[0] = static_cast<char>('0' + high / 100);
  writePair(digits + 1, high % 100);
  writePair(digits + 3, low / 100);
  writePair(digits + 5, low % 100);
  digits[7] = '0';
  std::size_t count = 7;
  while (count > 1 && digits[count - 1] == '0') --count;

  char* p = out;
  if (d.negative) *p++ = '-';
  const int k = d.exponent;
  if (k >= 7 || k < -4) {
    *p = digits[0];
    p[1] = '.';
    std::memcpy(p + 2, digits + 1, 6);
    p += count > 1 ? count + 1 : 1;
    *p++ = 'E';
    *p++ = k < 0 ? '-' : '+';
    writePair(p, static_cast<std::uint32_t>(k < 0 ? -k : k));  // at most 22 here
    p += 2;
  } else if (k < 0) {
    std::memcpy(p, "0.000", 5);
    p += 1 - k;  // "0." and -k - 1 zeros
    std::memcpy(p, digits, 8);
    p += count;
  } else {
    const auto whole = static_cast<std::size_t>(k) + 1;
    std::memcpy(p, digits, 8);  // the whole part, with its zeros when count < whole
    p += whole;
    if (count > whole) {
      *p = '.';
      std::memcpy(p + 1, digits + whole, 8 - whole);
      p += 1 + count - whole;
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
    char buffer[32];
    out.assign(buffer, writeText(d, buffer));
    return;
  }
  out = singleText(v);
}

float assignSingleTextAndValue(std::string& out, float v) {
  SevenDigits d;
  if (v != 0.0f && splitSevenDigits(v, d)) {
    char buffer[32];
    out.assign(buffer, writeText(d, buffer));
    return valueOf(d);
  }
  out = singleText(v);
  return readBack(out);
}

}  // namespace quorvel
