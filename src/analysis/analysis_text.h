#pragma once
// The texts of the analysis: the names of the kinds of key points, and the number
// forms of its tables (four decimals in the window, seven significant digits in what
// is copied or written for other programs).
#include <string>
#include <vector>

#include "analysis/key_points.h"

namespace quorvel {

// "zero", "max", "min", "y-intercept", "intersection", "value": the command line's words.
const char* kindWord(KeyKind kind);
// "零点", "极大值", "极小值", "与ｙ轴交点", "交点", "ｙ＝ｃ": the window's.
const char* kindCaption(KeyKind kind);

// v with `decimals` digits after the point, "." as the decimal point, never "-0".
std::string fixedText(double v, int decimals);
// v as plain decimal text with seven significant digits (at most twelve decimals),
// trailing zeros dropped: "2", "-0.5", "3.141593", "1234568", "0.00001".
std::string decimalText(double v);

// v as a textbook writes a coefficient: rounded to six significant digits, then the
// shortest decimal that reads back as that rounded value ("2", "0.5", "1.25",
// "2.71828", "1234570", "0.000001"), with the minus sign U+2212 ("−0.5"); beyond
// that range of sizes in exponent form ("1.5e−7", "2.5e+20"). Never "−0".
std::string textbookNumber(double v);

// The key points as lines "KIND<TAB>X<TAB>Y" with the command line's words and
// decimal texts.
std::string keyPointLines(const std::vector<KeyPoint>& points);

}  // namespace quorvel
