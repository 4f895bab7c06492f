// The promises of the notation rewrite on random texts of evaluator tokens and textbook
// notation mixed: a text the evaluator reads is its own rewrite, a malformed text stays
// malformed, and every byte of a rewrite says which typed character it came from.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "eval/epc.h"
#include "eval/notation.h"

#ifndef QUORVEL_DIFFERENTIAL_TEXTS
#define QUORVEL_DIFFERENTIAL_TEXTS 26000
#endif

namespace quorvel {
namespace {

// What the expression box has always done to a text: ASCII letters lower-cased.
std::string lowerCased(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return text;
}

std::string randomText(std::mt19937& random) {
  static const char* const kPieces[] = {
      "x",    "2",    "0.5", ".",     " ",    "+",      "-",    "*",     "/",   "^",    "(",
      ")",    "sin",  "cos", "tg",    "sqr",  "abs",    "ln",   "lg",    "log", "e",    "pi",
      "#",    "y=",   "√",   "π",     "²",    "³",      "⁻",    "¹",     "ˣ",   "|",    "[",
      "]",    "×",    "·",   "÷",     "−",    "ｘ",     "（",   "）",    "＋",  "ｙ＝", "₂",
      "log₂", "_",    ",",   "exp",   "sqrt", "arcsin", "sgn",  "floor", "q",   "θ",    "t",
      "Ｘ",   "\xff", "1/0", "1.2.3", "X",    "E",      "sin²", "√(",    "|x|", "1/0+"};
  std::uniform_int_distribution<int> count(0, 14);
  std::uniform_int_distribution<std::size_t> piece(0, std::size(kPieces) - 1);
  std::string text;
  for (int n = count(random); n > 0; --n) text += kPieces[piece(random)];
  return text;
}

TEST(NotationProperties, TheEvaluatorsTextsAndItsFailuresStayAsTheyWere) {
  std::mt19937 random(0x1e7a7u);
  const char* const xTexts[] = {"1", "-2.5", "0"};
  for (int n = 0; n < QUORVEL_DIFFERENTIAL_TEXTS / 2; ++n) {
    const std::string typed = randomText(random);
    for (const NotationBox box : {NotationBox::kExpression, NotationBox::kValue}) {
      const RewrittenText r = rewriteNotation(typed, box);
      ASSERT_EQ(r.typedIndex.size(), r.text.size()) << typed;
      for (const std::uint32_t i : r.typedIndex) ASSERT_LT(i, r.typedLength) << typed;
      const std::string asToday = box == NotationBox::kExpression ? lowerCased(typed) : typed;
      for (const char* xText : xTexts) {
        EvalState before, after;
        Epc(before, asToday, xText);
        if (before.evalStatus == -1) continue;
        if (r.text == asToday) continue;
        // Changed although the evaluator did not stop at an undefined token: it failed
        // before it came to the changes. A fault of the text itself (values left over or
        // missing, a number that does not convert) stays; a failure of arithmetic there
        // may go, as it can come from the evaluator's misreading of what was rewritten
        // ("log x sqr|x|" is lg(0) to it: sqr takes an empty argument at the bar).
        ASSERT_NE(before.evalStatus, 0) << typed << " → " << r.text;
        Epc(after, r.text, xText);
        const bool malformed =
            before.evalStatus == -2 || before.evalStatus == 9 || before.evalStatus == 13;
        if (malformed) {
          ASSERT_NE(after.evalStatus, 0) << typed << " → " << r.text;
        }
      }
      // A place of any stop is a place of the typed text.
      EvalState s;
      const TypedPlace place = typedPlaceOf(r, typed, EpcLocated(s, r.text, "1"));
      ASSERT_LE(place.character + place.length, r.typedLength) << typed;
    }
  }
}

}  // namespace
}  // namespace quorvel
