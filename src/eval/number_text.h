#pragma once
// The text forms of numbers. Each form is one function; every place that shows or
// stores a number uses one of these. They never depend on the C locale (the window
// toolkit sets it from the environment), so "." is always the decimal point.
//
// Switch-over between plain and exponent form, decided on the decimal exponent of
// the value after it has been rounded to the shown number of significant digits:
// - singles (7 digits): exponent >= 7 or < -4 is written with an exponent, so
//   9999999 is "9999999" but 1E+07 is "1E+07", and 0.0001 is "0.0001" but 0.00001
//   is "1E-05"; a single just below 0.0001 that rounds up to it is "0.0001";
// - doubles (15 digits): exponent >= 15 or < -4, so 999999999999999 is plain and
//   1E+15 is "1E+15".
// The exponent form is the significant digits without trailing zeros, "E", the
// exponent's sign and at least two exponent digits ("1.5E+08", "1E-05", "1E+100").
// Zero, negative zero included, is "0".
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
// A whole number (such as h of the vertex form) is written as its digits ("3", "-2").
std::string numberText(std::int32_t v);

// The ordinary text of a double: up to 15 significant digits, a digit before the
// point ("0.25", "2.47", "-0.5", "6000").
std::string doubleText(double v);

// A number text to single: optional blanks, an optional sign, digits with at most one
// ".", an optional exponent ("E"/"e"/"D"/"d", sign, digits), optional blanks.
// kTypeMismatch when the text is not such a number, kOverflow when its value is
// outside single precision. The text is read as a double first and then rounded to
// single, as the platform's conversion does. Magnitudes too small for a double read
// as zero.
Status textToSingle(std::string_view text, float& out);

// The same to double.
Status textToDouble(std::string_view text, double& out);

}  // namespace quorvel
