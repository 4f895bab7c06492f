#pragma once
// Linear inequalities in x and y as a textbook writes them, read and written:
// "x + y ≤ 4", "2x − y >= −1", "y > 1/2x + 3", "x/2 + 0.5y < 1", "0 ≤ x ≤ 3" (two at
// once). Coefficients are exact: integers, decimals and fractions.
#include <string>
#include <string_view>
#include <vector>

#include "analysis/linear_program.h"

namespace quorvel {

// The inequalities of one text: one, or two for a chain "a ≤ x ≤ b". The signs <, ≤
// (<=, ≦), >, ≥ (>=, ≧); each side a sum of terms k, kx, ky, x/k with k a decimal or a
// fraction; full-width forms and the minus sign U+2212 are read as ASCII. Empty with
// the reason in `reason` for anything else.
std::vector<LinearConstraint> parseLinearInequality(std::string_view text, std::string& reason);

// "<", "≤", ">", "≥".
const char* relationText(LinearRelation relation);

// "x + y ≤ 4", "2x − y ≥ −1", "1/2x − 3y < 0", "0 ≤ 5" with the coefficients in lowest
// terms and the minus sign U+2212.
std::string constraintText(const LinearConstraint& constraint);

}  // namespace quorvel
