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
bool readSlotParameters(const FormInfo& info, const std::array<std::string, 3>& texts,
                        CurveParams& c);

}  // namespace quorvel
