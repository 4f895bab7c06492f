#pragma once
// Textbook notation into the evaluator's own tokens. A teacher types √x, |x − 1|, 2π,
// x², sin²x, arcsin x, log₂x or y = x^2; the evaluator reads sqr, abs, pi, ^ and the
// rest. The rewrite is done once, on the typed text, and the rewritten text is what
// is evaluated and stored.
//
// What it changes, and only that:
// - √x, √(…), sqrt(…) → sqr(…); |…| → abs(…), nested as a textbook reads the bars;
//   […] → floor(…); π → pi; superscripts x² x³ x⁻¹ 2ˣ → ^; log₂x, log_2(x) and
//   log(2, x) → ln(x)/ln(2); exp(…) → e^(…); × · ÷ − and the full-width forms → ASCII;
//   in the expression box a leading y= is dropped;
// - brackets where the evaluator needs them and a textbook does not: a rewritten
//   function's operand (√π → sqr(pi), sin π → sin(pi), √x² → sqr(x^2)), sin²x →
//   (sin(x))^2, 2^x² → 2^(x^2); a "*" after a bracket it made where the evaluator
//   would not multiply (|x|x → abs(x)*x).
// Names are rewritten only as whole names where the evaluator does not read them
// (expi stays e·x·π). Everything after a "#" is left as typed (the evaluator stops
// there). A text made of the evaluator's tokens only comes back unchanged (in the
// expression box lower-cased, as always), so wherever Epc reads a text to a value the
// text is its own rewrite. Where Epc gives another status than -1 and the text still
// changes, Epc failed before it came to the changes: a text it finds malformed stays
// malformed; a failure of arithmetic there may go, because it came from misreading
// what the rewrite changes ("log x sqr|x|" fails as lg(0), sqr taking an empty argument
// at the bar, where lg x · √|x| was meant).
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "eval/epc.h"

namespace quorvel {

// Which box the text was typed in.
enum class NotationBox {
  kExpression,  // the expression box: lower-cased, a leading "y=" dropped
  kValue,       // a parameter or range box: upper case kept ("1.5E+08" has an exponent)
};

// The rewritten text, and for each of its bytes the character of the typed text it came
// from (counted in characters, from 0), so a place in it can be shown in the typed text.
struct RewrittenText {
  std::string text;
  std::vector<std::uint32_t> typedIndex;  // one per byte of `text`
  std::size_t typedLength = 0;            // characters in the typed text
};

RewrittenText rewriteNotation(std::string_view typed, NotationBox box);

// A place in the typed text: the first character (from 0) and how many, and those
// characters as typed. At the end of the text: `character` is the text's length,
// `length` 0 and `text` empty.
struct TypedPlace {
  std::size_t character = 0;
  std::size_t length = 0;
  std::string text;

  bool atEnd() const { return length == 0; }
};

// Where the evaluation of `rewritten` stopped (EpcLocated), in the text as typed.
TypedPlace typedPlaceOf(const RewrittenText& rewritten, std::string_view typed, EvalStop stop);

}  // namespace quorvel
