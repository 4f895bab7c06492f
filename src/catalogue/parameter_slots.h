#pragma once
// The parameter boxes' texts into the parameters their slots name.
#include <array>
#include <string>

#include "catalogue/families.h"
#include "eval/curve_formulas.h"

namespace quorvel {

// Box i's text goes to the parameter of the form's slot i: a single, or for h a
// whole number rounded half to even. False when a text is not a number or h does
// not fit 32 bits; the parameters read before it keep their new values.
// The power function's α is read by readExponent.
bool readSlotParameters(const FormInfo& info, const std::array<std::string, 3>& texts,
                        CurveParams& c);
// Box 4's text into the parameter of the form's fourth slot; true when the form has none.
bool readFourthParameter(const FormInfo& info, const std::string& text, CurveParams& c);

// The power function's exponent as typed (after the notation's rewrite): a whole number,
// a fraction p/q of whole numbers, each with an optional sign, or a decimal. A fraction
// is reduced; a decimal with a whole value counts as that whole number, any other as a
// real exponent (denominator 0). False for any other text or a denominator of 0.
bool readExponent(const std::string& text, CurveParams& c);

}  // namespace quorvel
