#pragma once
// The text forms of numbers. Each form is one function; every place that shows or
// stores a number uses one of these.
#include <cstdint>
#include <string>
#include <string_view>

#include "eval/status.h"

namespace quorvel {

// The ordinary text of a single: at most 7 significant digits, "." as the decimal
// point, a digit before the point, no leading blank, the exponent form for very
// large and very small magnitudes ("0.5", "-0.25", "6.28318", "1.414214", "1.5E+08").
// This is the evaluator's result text and the text that x is handed over as.
std::string singleText(float v);

// The list's "number text": as singleText, but without the digit before the point
// when the magnitude is below 1 (".5", "-.25", "1.5E+08", "3").
std::string numberText(float v);

// The ordinary text of a double: up to 15 significant digits, a digit before the
// point ("0.25", "2.47", "-0.5", "6000").
std::string doubleText(double v);

// A number text to single: optional blanks, an optional sign, digits with at most one
// ".", an optional exponent ("E"/"e"/"D"/"d", sign, digits), optional blanks.
// kTypeMismatch when the text is not such a number, kOverflow when its value is
// outside single precision. The text is read as a double first and then rounded to
// single, as the platform's conversion does.
Status textToSingle(std::string_view text, float& out);

// The same to double.
Status textToDouble(std::string_view text, double& out);

}  // namespace quorvel
