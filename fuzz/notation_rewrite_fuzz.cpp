// Fuzz target of the notation rewrite. Input: a typed text. For the expression box and
// a value box it checks the rewrite's promises and aborts on a breach:
// - every byte of the rewrite names a typed character, and the place of any stop lies
//   in the typed text;
// - wherever Epc reads the text as the box always handed it over (lower-cased in the
//   expression box) to a value, the rewrite is that text; where Epc finds it malformed
//   (values left over or missing, a number that does not convert) before it reaches the
//   changes, the rewrite is malformed too. (A failure of arithmetic before the changes
//   may go: "log x sqr|x|" fails as lg(0) because the evaluator gives sqr an empty
//   argument at the bar, while lg x · √|x| is what was meant.)
// - a rewrite rewritten again (in a value box) is the same text;
// - where the text evaluates and reads as it looks (see readsAsItLooks), its textbook
//   form (textbookExpression) reads back through the rewrite as the same value.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>
#include <string_view>

#include "catalogue/entry_text.h"
#include "catalogue/textbook_expression.h"
#include "eval/epc.h"
#include "eval/expression_reader.h"
#include "eval/notation.h"
#include "eval/number_text.h"

namespace {

// Control characters (a NUL among them) written as escapes.
std::string readable(const std::string& text) {
  std::string out;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\x%02x", byte);
      out += escape;
    } else {
      out += c;
    }
  }
  return out;
}

[[noreturn]] void breach(const char* what, const std::string& typed, const std::string& got) {
  std::fprintf(stderr, "%s: '%s' -> '%s'\n", what, readable(typed).c_str(), readable(got).c_str());
  std::abort();
}

const char* const kXTexts[] = {"1", "-2.5", "0"};

void checkBox(const std::string& typed, quorvel::NotationBox box) {
  using namespace quorvel;
  const RewrittenText r = rewriteNotation(typed, box);
  if (r.typedIndex.size() != r.text.size()) breach("map size", typed, r.text);
  for (const std::uint32_t i : r.typedIndex) {
    if (i >= r.typedLength) breach("map index", typed, r.text);
  }
  const std::string asToday = box == NotationBox::kExpression ? asciiLower(typed) : typed;
  for (const char* xText : kXTexts) {
    EvalState before, after;
    Epc(before, asToday, xText);
    if (before.evalStatus == kUndefinedToken || r.text == asToday) continue;
    if (before.evalStatus == kOk) breach("a text the evaluator reads was changed", typed, r.text);
    // A fault of the text itself (values left over or missing, a number that does not
    // convert) is still there after the rewrite.
    const bool malformed = before.evalStatus == kMalformed ||
                           before.evalStatus == kStackExhausted ||
                           before.evalStatus == kTypeMismatch;
    Epc(after, r.text, xText);
    if (malformed && after.evalStatus == kOk) breach("a malformed text now reads", typed, r.text);
  }
  EvalState s;
  const TypedPlace place = typedPlaceOf(r, typed, EpcLocated(s, r.text, "1"));
  if (place.character + place.length > r.typedLength) breach("place", typed, r.text);

  if (box == NotationBox::kValue && rewriteNotation(r.text, box).text != r.text) {
    breach("rewritten twice differs", typed, r.text);
  }
}

bool isBinaryOperator(char c) { return c == '+' || c == '*' || c == '/' || c == '^'; }

// A text the evaluator reads as it looks: every function without brackets ends its run at
// an operator (not "sqr x-1", "sin x cos x", where a function takes another's value),
// no value follows a closing bracket and no operator lacks a value ("(x+1)pi/" reads as
// (x+1)/pi), and every number fits single precision (a function's unbracketed argument
// beyond it reads as 0). Only such texts have a textbook form that can say what they
// compute.
bool readsAsItLooks(const std::string& s) {
  using quorvel::expression_scan::isNameLetter;
  for (std::size_t i = 0; i < s.size();) {
    if (!(s[i] >= '0' && s[i] <= '9') && s[i] != '.') {
      ++i;
      continue;
    }
    const std::size_t start = i;
    while (i < s.size() && ((s[i] >= '0' && s[i] <= '9') || s[i] == '.')) ++i;
    const double number = std::strtod(s.substr(start, i - start).c_str(), nullptr);
    if (!(number <= std::numeric_limits<float>::max())) return false;
  }
  const auto nextNonBlank = [&](std::size_t i) {
    while (i < s.size() && s[i] == ' ') ++i;
    return i < s.size() ? s[i] : '#';
  };
  char previous = '(';  // what came before, blanks aside: an operator or a bracket
  for (std::size_t i = 0; i < s.size() && s[i] != '#';) {
    const char c = s[i];
    if (c == ' ') {
      ++i;
      continue;
    }
    if (isNameLetter(c) && !(c == 'e') && !(c == 'p' && i + 1 < s.size() && s[i + 1] == 'i')) {
      std::size_t end = i;
      while (end < s.size() && isNameLetter(s[end])) ++end;
      std::size_t after = end;
      while (after < s.size() && s[after] == ' ') ++after;
      if (after < s.size() && s[after] != '(') {
        while (after < s.size() &&
               (s[after] == 'x' || s[after] == '.' || (s[after] >= '0' && s[after] <= '9'))) {
          ++after;
        }
        const char next = nextNonBlank(after);
        if (!(isBinaryOperator(next) || next == ')' || next == '#')) return false;
      }
      previous = 'a';
      i = end;
      continue;
    }
    if (c == ')') {
      const char next = nextNonBlank(i + 1);
      if (next == 'x' || next == 'e' || next == 'p' || next == '.' ||
          (next >= '0' && next <= '9')) {
        return false;
      }
    }
    const bool binary = isBinaryOperator(c) || (c == '-' && previous != '(' &&
                                                !isBinaryOperator(previous) && previous != '-');
    if (binary || c == '-') {
      // A minus as a sign wants a value after it as much as an operator does.
      const char next = nextNonBlank(i + 1);
      if (next == '#' || next == ')' || isBinaryOperator(next)) return false;
    }
    if (binary && (previous == '(' || isBinaryOperator(previous))) return false;
    previous = c;
    ++i;
  }
  return true;
}

// The textbook form of a text that evaluates, and reads as it looks, reads back as the
// same value.
void checkTextbookForm(const std::string& typed) {
  using namespace quorvel;
  const std::string stored = rewriteNotation(typed, NotationBox::kExpression).text;
  if (!readsAsItLooks(stored)) return;
  const std::string printed = textbookExpression(stored);
  const std::string back = rewriteNotation(printed, NotationBox::kExpression).text;
  for (const char* xText : kXTexts) {
    EvalState want, got;
    Epc(want, stored, xText);
    if (want.evalStatus != kOk) return;
    Epc(got, back, xText);
    float a = 0.0f, b = 0.0f;
    if (got.evalStatus != kOk || textToSingle(want.evalResult.text(), a) != kOk ||
        textToSingle(got.evalResult.text(), b) != kOk ||
        !(std::fabs(a - b) <= 1e-5f * (1.0f + std::fabs(a)))) {
      breach("textbook form reads back otherwise", stored, printed + " -> " + back);
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string typed(reinterpret_cast<const char*>(data), size);
  checkBox(typed, quorvel::NotationBox::kExpression);
  checkBox(typed, quorvel::NotationBox::kValue);
  checkTextbookForm(typed);
  return 0;
}
