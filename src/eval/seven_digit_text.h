#pragma once
// The evaluator hands every number over as its text of seven significant digits
// (singleText) and reads it back (textToSingle): x on its way in, the result of a
// sub-expression, the result on its way out. These functions give exactly the same
// texts and numbers without the general formatter and parser for the common
// magnitudes, and fall back to them for the rest:
// - the value is scaled by an exact power of ten (10^0..10^22) in double, which
//   rounds once, so the scaled value is within 2^-29 of the true one; unless it lies
//   that close to a half, rounding it gives the true seven digits;
// - the seven digits times an exact power of ten is one correctly rounded double
//   operation, which is what a correctly rounding text reader gives; the double is
//   then rounded to single as textToSingle does. Where that operation is a division,
//   a product with the nearest double of the inverse power stands in for it unless it
//   lies within a few units in the last place of a halfway point between singles.
// Every single was checked against singleText and textToSingle (see the disabled
// test SevenDigitText.DISABLED_EverySingle).
//
// The read-back alone (singleTextValue) runs twice for every plotted point of a user
// curve, so its common case (magnitudes 1E-16..1E+06) is inline: a table look-up, a
// predicted branch on the decimal exponent and a rarely taken one to the general path.
// The inline path was checked against the general one for every single it takes.
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <string>

namespace quorvel {

namespace seven_digit_detail {

// For each biased exponent of a single whose decimal exponent k (or k + 1) is below 6:
// the bound 10^(k+1) between the two as the bits of the smallest single at or above it
// (kDecadeBounds, all ones where the inline path does not apply), and at [2 * biased]
// for k and [2 * biased + 1] for k + 1 the exact scale 10^(6-k) (10^(5-k)) that brings
// the value to seven whole digits and the nearest double of 10^(k-6) (10^(k-5)) that
// takes the digits back. Zero scales outside that range.
struct ReadBackScales {
  double toDigits = 0.0;
  double fromDigits = 0.0;
};
extern const std::array<std::uint32_t, 256> kDecadeBounds;
extern const std::array<ReadBackScales, 512> kReadBackScales;

// The general read-back, for what the inline path leaves.
float singleTextValueGeneral(float v);

// The read-back at the given scales: the same steps as the general path (see above),
// on the signed value: scale by an exact power of ten, round to a whole number, take
// it back with the nearest double of the inverse power. Near a half when rounding to
// seven digits, near a halfway point between two singles when taking back, or outside
// the range (zero scales), the general path decides.
inline float readBackAt(float v, const ReadBackScales& scales) {
  const double scaled = static_cast<double>(v) * scales.toDigits;
  // Adding and taking away 1.5 * 2^52 rounds a value of magnitude below 2^51 to a
  // whole number, halves to even, either sign.
  const double digits = (scaled + 0x1.8p52) - 0x1.8p52;
  const double value = digits * scales.fromDigits;
  // The 29 bits of the double below a single's precision; a halfway point between two
  // singles has exactly the top one of them set.
  constexpr std::uint64_t kBelowSingle = (std::uint64_t{1} << 29) - 1;
  constexpr std::uint64_t kNearHalfway = (std::uint64_t{1} << 28) - 8;
  const std::uint64_t below = std::bit_cast<std::uint64_t>(value) & kBelowSingle;
  const bool nearHalfway = below - kNearHalfway <= 16;
  const bool nearTie = std::fabs(std::fabs(scaled - digits) - 0.5) < 0x1p-26;
  const bool outside = !(std::fabs(digits) >= 1000000.0);  // zero scales, NaN, infinity
  if (nearHalfway | nearTie | outside) return singleTextValueGeneral(v);
  return static_cast<float>(value);
}

}  // namespace seven_digit_detail

// textToSingle(singleText(v)) for a finite v; negative zero reads back as 0.
// The decimal exponent (k or k + 1 in a binade) is a branch, not a select: along a
// curve it changes seldom, so it is predicted and the scale is loaded at once instead
// of after the comparison.
inline float singleTextValue(float v) {
  using seven_digit_detail::kDecadeBounds;
  using seven_digit_detail::kReadBackScales;
  using seven_digit_detail::readBackAt;
  const std::uint32_t magnitudeBits = std::bit_cast<std::uint32_t>(v) & 0x7fffffffu;
  const std::uint32_t biased = magnitudeBits >> 23;
  if (magnitudeBits >= kDecadeBounds[biased]) return readBackAt(v, kReadBackScales[2 * biased + 1]);
  return readBackAt(v, kReadBackScales[2 * biased]);
}

// out = singleText(v), for a finite v.
void assignSingleText(std::string& out, float v);

// Both at once: out = singleText(v), returns textToSingle(out).
float assignSingleTextAndValue(std::string& out, float v);

}  // namespace quorvel
