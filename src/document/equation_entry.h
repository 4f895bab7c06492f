#pragma once
// Equations F(x, y) = G(x, y) as list entries: the one box's text split at its "=",
// each side read as the expression box reads its text with y beside x, the reason an
// equation is refused, and the equation as a textbook prints it.
#include <cstdint>
#include <optional>
#include <string>

#include "document/list_entry.h"
#include "document/parametric_entry.h"

namespace quorvel {

// The family the panel and the command line give equations, after 极坐标方程.
inline constexpr int kEquationFamily = 17;
inline constexpr const char* kEquationFamilyName = "方程";

// How a message names the box.
inline constexpr const char* kEquationBoxName = "方程";

// An equation entry read as readEntry reads it; `fault` gets the refused side (kFirst
// the left of "=", kSecond the right) when the refusal is a fault of one side's text,
// the stop within that side.
EntryReading readEquation(const EquationCurve& curve, std::optional<CurveBoxFault>* fault);

// The text as typed, each side rewritten from textbook notation into the evaluator's
// tokens ("x²/4 + y² ＝ 1" becomes "x^2/4+y^2=1").
EquationCurve rewrittenEquation(const EquationCurve& typed);

// A new equation typed by the user, read after the rewrite; the place of a fault is
// in the whole typed text ("方程第 3 个字符：“q”").
TypedCurveReading readTypedEquation(const EquationCurve& typed);

// "x²/4 + y² = 1".
std::string printedEquation(const EquationCurve& curve);

}  // namespace quorvel

namespace quorvel {

// For inequalities, whose sides are read as an equation's: whether a side (the
// evaluator's tokens) names x or y, and the side as a textbook prints it ("x² + y²").
bool sideReadsXOrY(const std::string& side);
std::string printedEquationSide(const std::string& side);

}  // namespace quorvel
