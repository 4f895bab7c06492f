#pragma once
// A curve's equation as a textbook prints it, for the list, the legend, the labels and
// the analysis: coefficients of 1 and terms of 0 left out, the real minus sign, powers
// as superscripts, spaces around "=", "+" and "−" ("y = x² − 4", "y = sin x",
// "x² + y² = 9", "y = 0.9 sin(1.5x)", "y = log₂ x", "y = 6/x"). A user's expression is
// shown by textbookExpression. Every text reads back through the notation rewrite as
// the same curve (the part after "y =" as an expression, an equation as its two sides
// with y as a variable). The list text (listText) stays what the list file holds.
#include <string>

#include "eval/curve_formulas.h"

namespace quorvel {

// The textbook form of the family, form and parameters (or expression) of `c`; empty
// for a family and form outside the catalogue.
std::string textbookText(const CurveParams& c);

}  // namespace quorvel
