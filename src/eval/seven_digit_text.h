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
#include <string>

namespace quorvel {

// textToSingle(singleText(v)) for a finite v; negative zero reads back as 0.
float singleTextValue(float v);

// out = singleText(v), for a finite v.
void assignSingleText(std::string& out, float v);

// Both at once: out = singleText(v), returns textToSingle(out).
float assignSingleTextAndValue(std::string& out, float v);

}  // namespace quorvel
