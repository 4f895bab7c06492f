#pragma once
// A user's expression (the evaluator's tokens, as stored) shown as a textbook prints it,
// nothing reordered: "*" as "·" (none between a number and a letter), a whole-number
// power as a superscript, sqr as √, pi as π, "-" as the real minus sign. What it prints
// reads back through the notation rewrite (eval/notation.h) as the same expression: a
// power stays "^" where a superscript would read otherwise (the argument of a function
// without brackets, an exponent's own power), a "*" stays where dropping it would join
// two numbers.
#include <string>
#include <string_view>

namespace quorvel {

std::string textbookExpression(std::string_view expression);

}  // namespace quorvel
