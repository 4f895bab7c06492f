#pragma once
// The number rules of the program, in one place:
// - curve arithmetic is single precision (float); every result is rounded to single;
// - powers, logarithms, trigonometry and square roots are computed in double and
//   rounded to single;
// - conversion to a whole number rounds to the nearest, halves to even;
// - integer division and truncation go toward zero.
// Each operation reports the failure that the platform would raise (overflow,
// division by zero, invalid argument) instead of producing inf or NaN.
#include <cstdint>

#include "eval/status.h"

namespace quorvel {

// Round to the nearest whole number, halves to even (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
double roundHalfEven(double v);

// roundHalfEven into a 32-bit integer; kOverflow when it does not fit (or is NaN).
Status roundToInt32(double v, std::int32_t& out);
// The same into 16 bits.
Status roundToInt16(double v, std::int16_t& out);

// Integer division truncating toward zero (C++'s own rule, named for the reader).
constexpr std::int32_t intDiv(std::int32_t a, std::int32_t b) { return a / b; }

// Rounds a double to single; kOverflow when it leaves the single range or is NaN.
Status toSingle(double v, float& out);

// Single-precision arithmetic with the platform's failures.
Status addSingle(float a, float b, float& out);
Status subSingle(float a, float b, float& out);
Status mulSingle(float a, float b, float& out);
// 0/0 is kOverflow, x/0 is kDivisionByZero.
Status divSingle(float a, float b, float& out);

// Functions in double, rounded to single.
Status sqrtSingle(float v, float& out);       // v < 0: kInvalidArgument
Status lnSingle(float v, float& out);         // v <= 0: kInvalidArgument
Status sinSingle(float v, float& out);
Status cosSingle(float v, float& out);
Status tanSingle(float v, float& out);
// 1 / tan v in double; tan v = 0 is kDivisionByZero.
Status cotSingle(float v, float& out);
// Base-10 logarithm computed as ln v / ln 10 in double; v <= 0: kInvalidArgument.
Status lgSingle(float v, float& out);
// a ^ b computed directly in double (no negative-base rule); 0 ^ negative is
// kDivisionByZero, a negative base with a fractional exponent kInvalidArgument,
// a result outside single precision kOverflow.
Status powSingle(float a, float b, float& out);

}  // namespace quorvel
