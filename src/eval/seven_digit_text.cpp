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
// 10^0..10^-22 as the compiler reads the literals: correctly rounded.
constexpr std::array<double, 23> kNearestNegativePowersOfTen = {
    1e-0,  1e-1,  1e-2,  1e-3,  1e-4,  1e-5,  1e-6,  1e-7,  1e-8,  1e-9,  1e-10, 1e-11,
    1e-12, 1e-13, 1e-14, 1e-15, 1e-16, 1e-17, 1e-18, 1e-19, 1e-20, 1e-21, 1e-22};
constexpr int kLargestExactPower = 22;

constexpr std::uint32_t kSmallestDigits = 1000000;   // 1.000000
constexpr std::uint32_t kDigitsOverflow = 10000000;  // 9.9999995 and up round to 10

// A scaled value closer than this to a half may round either way once the scaling's
// error (below 2^-29 for a value under 2^24) is taken into account.
constexpr double kTieMargin = 0x1p-26;

// The decimal exponents k whose scales 10^(6-k) (multiplied) or 10^(k-6) (divided),
// for k and k + 1, and whose read-back 10^(k-6), also after one more step up, stay
// within the exact powers.
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

enum class Scaling : std::uint8_t { kNone, kMultiply, kDivide };

// For each biased exponent of a normal single: k = floor(log10(2^e)), so the decimal
// exponent of the value is k or k + 1; the bound 10^(k+1) that tells them apart; the
// exact scales that bring each case to seven whole digits.
struct Binade {
  int exponent = 0;
  Scaling scaling = Scaling::kNone;  // kNone: outside the fast range
  double nextPower = 0.0;
  double lowScale = 0.0;   // for k
  double highScale = 0.0;  // for k + 1
};

constexpr std::array<Binade, 256> kBinades = [] {
  std::array<Binade, 256> table{};
  for (int biased = 1; biased < 255; ++biased) {
    const double estimate = (biased - 127) * 0.30102999566398120;
    int k = static_cast<int>(estimate);  // toward zero
    if (static_cast<double>(k) > estimate) --k;
    if (k < kLowestFastExponent || k > kHighestFastExponent) continue;
    Binade& b = table[static_cast<std::size_t>(biased)];
    b.exponent = k;
    b.nextPower = kPowerBounds[static_cast<std::size_t>(k + 1 - kLowestBound)];
    // k + 1 <= 6: both scales are multipliers; k >= 6: both are divisors.
    b.scaling = k + 1 <= 6 ? Scaling::kMultiply : Scaling::kDivide;
    const int lowPower = b.scaling == Scaling::kMultiply ? 6 - k : k - 6;
    const int highPower = b.scaling == Scaling::kMultiply ? 5 - k : k - 5;
    b.lowScale = kExactPowersOfTen[static_cast<std::size_t>(lowPower)];
    b.highScale = kExactPowersOfTen[static_cast<std::size_t>(highPower)];
  }
  return table;
}();

// |v| as seven significant digits (1000000..9999999) times 10^(exponent - 6).
struct SevenDigits {
  bool negative = false;
  std::uint32_t digits = 0;
  int exponent = 0;
};

// False for zero, subnormals, magnitudes outside 1E-16..1E+27 and the rare values
// whose eighth digit is too close to a half to decide here.
bool splitSevenDigits(float v, SevenDigits& out) {
  const auto bits = std::bit_cast<std::uint32_t>(v);
  const Binade& binade = kBinades[(bits >> 23) & 0xffu];
  if (binade.scaling == Scaling::kNone) return false;
  const double magnitude = std::fabs(static_cast<double>(v));
  const bool high = magnitude >= binade.nextPower;
  const double scale = high ? binade.highScale : binade.lowScale;
  // One correctly rounded operation on exact operands.
  const double scaled =
      binade.scaling == Scaling::kMultiply ? magnitude * scale : magnitude / scale;
  // Adding and taking away 2^52 rounds a value below 2^52 to a whole number (halves
  // to even); an exact half is refused below anyway.
  const double rounded = (scaled + 0x1p52) - 0x1p52;
  if (std::fabs(std::fabs(scaled - rounded) - 0.5) < kTieMargin) return false;
  if (!(rounded >= kSmallestDigits && rounded <= kDigitsOverflow)) return false;
  out.negative = (bits >> 31) != 0;
  const int exponent = binade.exponent + (high ? 1 : 0);
  if (rounded == kDigitsOverflow) {
    out.digits = kSmallestDigits;
    out.exponent = exponent + 1;
  } else {
    out.digits = static_cast<std::uint32_t>(rounded);
    out.exponent = exponent;
  }
  return true;
}

// The text digits × 10^(exponent − 6) read back: the correctly rounded double of that
// decimal value, rounded to single. With q = exponent - 6 >= 0 that double is one
// multiplication of exact operands. For q < 0 it is digits / 10^-q; the product with
// the nearest double of 10^q instead is within 2 units in the last place of the
// quotient, so both round to the same single unless they lie within a few units of a
// halfway point between two singles, where the quotient is taken.
float valueOf(const SevenDigits& d) {
  const int q = d.exponent - 6;
  const auto m = static_cast<double>(d.digits);
  double magnitude = 0.0;
  if (q >= 0) {
    magnitude = m * kExactPowersOfTen[static_cast<std::size_t>(q)];
  } else {
    magnitude = m * kNearestNegativePowersOfTen[static_cast<std::size_t>(-q)];
    // The 29 bits of the double below a single's precision; a halfway point has
    // exactly the top one of them set.
    constexpr std::uint64_t kBelowSingle = (std::uint64_t{1} << 29) - 1;
    constexpr std::uint64_t kHalfway = std::uint64_t{1} << 28;
    constexpr std::uint64_t kGuard = 8;
    const std::uint64_t below = std::bit_cast<std::uint64_t>(magnitude) & kBelowSingle;
    if (below - (kHalfway - kGuard) <= 2 * kGuard) {
      magnitude = m / kExactPowersOfTen[static_cast<std::size_t>(-q)];
    }
  }
  const auto single = static_cast<float>(magnitude);
  return d.negative ? -single : single;
}

// "00".."99" as two characters in one number, the tens in the low byte.
constexpr std::array<std::uint16_t, 100> kDigitPairs = [] {
  std::array<std::uint16_t, 100> pairs{};
  for (int i = 0; i < 100; ++i) {
    pairs[static_cast<std::size_t>(i)] =
        static_cast<std::uint16_t>(('0' + i / 10) | (('0' + i % 10) << 8));
  }
  return pairs;
}();

// The seven digits (1000000..9999999) as characters in one word, the first digit in
// the low byte, a '0' in the spare top byte. Built in a register: no narrow stores
// read back wide, no chain of seven divisions.
std::uint64_t digitWord(std::uint32_t digits) {
  const std::uint32_t high = digits / 10000;  // 100..999
  const std::uint32_t low = digits % 10000;
  return static_cast<std::uint64_t>('0' + high / 100) |
         static_cast<std::uint64_t>(kDigitPairs[high % 100]) << 8 |
         static_cast<std::uint64_t>(kDigitPairs[low / 100]) << 24 |
         static_cast<std::uint64_t>(kDigitPairs[low % 100]) << 40 | std::uint64_t{'0'} << 56;
}

void storeWord(char* at, std::uint64_t word) { std::memcpy(at, &word, sizeof word); }

// Significant digits without trailing zeros (the first digit is never 0).
std::size_t significantDigits(std::uint64_t word) {
  const std::uint64_t nonZero = word ^ 0x3030303030303030u;  // a zero byte for each '0'
  return 8 - static_cast<std::size_t>(std::countl_zero(nonZero)) / 8;
}

// The same layout as singleText: plain for decimal exponents -4..6, otherwise the
// exponent form with at least two exponent digits; no trailing zeros. Laid out in a
// local buffer with whole-word stores (later ones overwrite the spare bytes of
// earlier ones), then copied into the string byte by byte, so no wide load ever reads
// narrow stores.
void writeText(const SevenDigits& d, std::string& out) {
  char buffer[40];
  const std::uint64_t word = digitWord(d.digits);
  const std::size_t count = significantDigits(word);
  const int k = d.exponent;
  std::size_t at = 0;
  buffer[0] = '-';
  at += d.negative ? 1 : 0;
  std::size_t length = 0;
  if (k >= 7 || k < -4) {
    storeWord(buffer + at + 1, word);  // then "d." over its first byte
    buffer[at] = buffer[at + 1];
    buffer[at + 1] = '.';
    at += count > 1 ? count + 1 : 1;
    const auto magnitude = static_cast<std::size_t>(k < 0 ? -k : k);  // at most 28 here
    const std::uint32_t tail = static_cast<std::uint32_t>('E') |
                               static_cast<std::uint32_t>(k < 0 ? '-' : '+') << 8 |
                               static_cast<std::uint32_t>(kDigitPairs[magnitude]) << 16;
    std::memcpy(buffer + at, &tail, sizeof tail);
    length = at + 4;
  } else if (k < 0) {
    storeWord(buffer + at, 0x3030303030302e30u);  // "0.000000"
    at += static_cast<std::size_t>(1 - k);        // "0." and -k - 1 zeros
    storeWord(buffer + at, word);
    length = at + count;
  } else {
    const auto whole = static_cast<std::size_t>(k) + 1;
    storeWord(buffer + at, word);  // the whole part, its zeros included
    if (count > whole) {
      buffer[at + whole] = '.';
      storeWord(buffer + at + whole + 1, word >> (8 * whole));
      length = at + count + 1;
    } else {
      length = at + whole;
    }
  }
  out.resize(length);
  char* text = out.data();
  for (std::size_t i = 0; i < length; ++i) text[i] = buffer[i];
}

// The bits of the smallest single at or above each binade's bound; the largest bits
// (never reached) where the inline path does not apply.
constexpr std::array<std::uint32_t, 256> decadeBounds() {
  std::array<std::uint32_t, 256> bounds{};
  for (std::size_t biased = 0; biased < bounds.size(); ++biased) {
    bounds[biased] = 0xffffffffu;
    const double bound = kBinades[biased].nextPower;
    if (kBinades[biased].scaling != Scaling::kMultiply) continue;
    const auto nearest = static_cast<float>(bound);
    const auto bits = std::bit_cast<std::uint32_t>(nearest);
    bounds[biased] = static_cast<double>(nearest) < bound ? bits + 1 : bits;
  }
  return bounds;
}

constexpr std::array<seven_digit_detail::ReadBackScales, 512> readBackScales() {
  std::array<seven_digit_detail::ReadBackScales, 512> scales{};
  for (std::size_t biased = 0; biased < 256; ++biased) {
    const Binade& b = kBinades[biased];
    if (b.scaling != Scaling::kMultiply) continue;
    // 10^(k-6) and 10^(k-5), both at most 10^0 here.
    const auto low = static_cast<std::size_t>(6 - b.exponent);
    scales[2 * biased] = {b.lowScale, kNearestNegativePowersOfTen[low]};
    scales[2 * biased + 1] = {b.highScale, kNearestNegativePowersOfTen[low - 1]};
  }
  return scales;
}

float readBack(const std::string& text) {
  float value = 0.0f;
  textToSingle(text, value);  // a text of a finite single always reads back
  return value;
}

}  // namespace

namespace seven_digit_detail {

constexpr std::array<std::uint32_t, 256> kDecadeBounds = decadeBounds();
constexpr std::array<ReadBackScales, 512> kReadBackScales = readBackScales();

float singleTextValueGeneral(float v) {
  if (v == 0.0f) return 0.0f;
  SevenDigits d;
  if (splitSevenDigits(v, d)) return valueOf(d);
  return readBack(singleText(v));
}

}  // namespace seven_digit_detail

void assignSingleText(std::string& out, float v) {
  SevenDigits d;
  if (v != 0.0f && splitSevenDigits(v, d)) {
    writeText(d, out);
    return;
  }
  out = singleText(v);
}

float assignSingleTextAndValue(std::string& out, float v) {
  SevenDigits d;
  if (v != 0.0f && splitSevenDigits(v, d)) {
    writeText(d, out);
    return valueOf(d);
  }
  out = singleText(v);
  return readBack(out);
}

}  // namespace quorvel
