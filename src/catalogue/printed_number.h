#pragma once
// Numbers as a printed formula shows them: the evaluator's seven significant digits
// with a digit before the point, the real minus sign, and a power of ten instead of the
// exponent form (1.5×10⁸, −2×10⁻⁵).
#include <string>
#include <string_view>

namespace quorvel {

inline constexpr std::string_view kMinusSign = "\u2212";  // −

std::string printedNumber(float value);
// Whether the printed number is a product with a power of ten, which a division or a
// power must bracket.
bool isPowerOfTenForm(std::string_view printed);

// The digits and the minus of a text raised or lowered ("-12" → "⁻¹²", "10" → "₁₀");
// other characters as they are.
std::string superscriptDigits(std::string_view text);
std::string subscriptDigits(std::string_view text);

}  // namespace quorvel
