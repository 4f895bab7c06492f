#pragma once
// The texts of the forms the list file has no number for: 幂函数 (y = x^α) and the
// forms appended to the sine, cosine, tangent, ellipse and hyperbola families. The list
// text follows the list's own style ('y=x^(1/3)', 'y^2/9+x^2/4=1'); the printed text a
// textbook's ('y = x^(1/3)', 'y²/9 + x²/4 = 1', 'y = 2 sin(x + 1.047198) + 1').
#include <optional>
#include <string>

#include "eval/curve_formulas.h"

namespace quorvel {

// Whether the family and form is one of the catalogue's forms beyond the list file.
bool isAppendedForm(int family, int form);

// The list text of such a form; nullopt when a square it needs leaves single precision.
std::optional<std::string> appendedListText(const CurveParams& c);
// The textbook text of such a form.
std::string appendedTextbookText(const CurveParams& c);

// The exponent as the list keeps it and the panel's box shows it: "1/3", "-1", "0.4".
std::string exponentText(const CurveParams& c);

}  // namespace quorvel
