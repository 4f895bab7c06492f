#pragma once
// The typed text as the notation rewrite reads it: one unit per typed character after
// the box's own changes (ASCII forms, lower case in the expression box, the leading
// "y=" gone), the textbook tokens the units form, and which brackets and bars pair up.
// Internal to the rewrite (eval/notation.h).
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "eval/notation.h"

namespace quorvel::notation {

enum class UnitKind {
  kAscii,        // `ascii` holds it
  kRoot,         // √
  kPi,           // π
  kSuperscript,  // `ascii` holds the digit, "-" or "x" it raises
  kSubscript,    // `ascii` holds the digit
  kOther,        // anything else, kept as typed
};

struct Unit {
  UnitKind kind = UnitKind::kOther;
  char ascii = '\0';
  char32_t code = 0;
  std::string typed;        // its bytes as typed (lower-cased in the expression box)
  std::uint32_t index = 0;  // which typed character it is

  bool is(char c) const { return kind == UnitKind::kAscii && ascii == c; }
  bool isLetter() const { return kind == UnitKind::kAscii && ascii >= 'a' && ascii <= 'z'; }
  bool isDigitOrPoint() const {
    return kind == UnitKind::kAscii && (ascii == '.' || (ascii >= '0' && ascii <= '9'));
  }
  // What it stands for when copied: its ASCII form, or its bytes.
  std::string text() const { return kind == UnitKind::kAscii ? std::string(1, ascii) : typed; }
};

enum class TokenKind {
  kBlank,
  kNumber,       // digits and points
  kX,            // x
  kE,            // the constant e
  kPi,           // the name pi
  kPiSign,       // π
  kTheta,        // θ
  kVariable,     // the whole name t, n, y or theta
  kFunction,     // a name the evaluator knows as a function
  kSqrt,         // sqrt
  kExp,          // exp (where the evaluator reads no e·x·pi)
  kLogBase,      // log with a base after it: log₂, log_2
  kLogComma,     // log(base, x)
  kUnknownName,  // any other run of letters
  kOpen,         // (
  kClose,        // )
  kBar,          // |
  kFloorOpen,    // [
  kFloorClose,   // ]
  kRoot,         // √
  kSuperscript,  // a run of superscripts
  kSubscript,    // a run of subscript digits (and points)
  kOperator,     // + - * / ^
  kOther,
};

struct Token {
  TokenKind kind = TokenKind::kOther;
  std::size_t begin = 0;
  std::size_t end = 0;
};

inline constexpr std::size_t kUnpaired = static_cast<std::size_t>(-1);

class NotationText {
 public:
  NotationText(std::string_view typed, NotationBox box);

  const std::vector<Unit>& units() const { return units_; }
  const Unit& operator[](std::size_t i) const { return units_[i]; }
  // Units before it are rewritten; it and those after it are kept (the evaluator stops
  // at the first "#").
  std::size_t rewrittenEnd() const { return rewrittenEnd_; }
  std::size_t typedLength() const { return typedLength_; }

  // The token that starts at unit `at` (a place where a token may start).
  Token tokenAt(std::size_t at) const;
  // The unit that pairs with the bracket, bar or floor bracket at `at`, or kUnpaired.
  std::size_t partner(std::size_t at) const { return partner_[at]; }
  // For a "(" with a partner: the unit of the comma at its top level, or kUnpaired.
  std::size_t topLevelComma(std::size_t open) const;
  // The same text of units [begin, end) copied.
  std::string copied(std::size_t begin, std::size_t end) const;

 private:
  void pairBrackets();
  void pairBars();
  Token wordTokenAt(std::size_t at) const;

  std::vector<Unit> units_;
  std::vector<std::size_t> partner_;
  std::size_t rewrittenEnd_ = 0;
  std::size_t typedLength_ = 0;
};

// Whether a name is one the evaluator knows as a function ("sin", "tg", "arcsin" …).
bool isEvaluatorFunction(std::string_view name);

}  // namespace quorvel::notation
