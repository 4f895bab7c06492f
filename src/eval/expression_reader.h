#pragma once
// What the evaluator and the compiler share of reading a text: the text still to be
// read, the character classes of the scan, its states and the outcome of one step.
// Both read through this one reader so they split a text into the same tokens.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "eval/variables.h"

namespace quorvel::expression_scan {

enum class ScanState {
  kNothingRead = 0,     // nothing read yet
  kOperand = 1,         // a number, "x", "pi" or "e" was just read
  kReduced = 2,         // an operator was applied or a bracket closed
  kOperatorPushed = 3,  // an operator was just pushed
};

// Whether the scan goes on after a step.
enum class Flow { kContinue, kFinished };

constexpr bool isLowerCaseLetter(char c) { return c >= 'a' && c <= 'z'; }
// A letter that continues a name: any lower-case letter but "x".
constexpr bool isNameLetter(char c) { return isLowerCaseLetter(c) && c != 'x'; }
constexpr bool isDigitOrPoint(char c) { return c == '.' || (c >= '0' && c <= '9'); }
// A sub-expression read without brackets is a run of these (and of whole names of the
// accepted variables).
constexpr bool isArgumentCharacter(char c) { return c == 'x' || isDigitOrPoint(c); }

// The text still to be read: whatever was put back in front of it, then the rest of
// the text. Reading never copies the text, which must outlive the reader. It keeps
// the offset in the text of every character it hands out, so a scan can say where
// it stopped; what is put back is always text read just before, at a known offset.
class ExpressionReader {
 public:
  explicit ExpressionReader(std::string_view text) : text_(text) {}

  bool empty() const { return putBack_.empty() && position_ >= text_.size(); }
  // The next character, or '\0' when nothing is left.
  char peek() const { return peekAt(0); }
  // The character `ahead` places after the next one, or '\0'.
  char peekAt(std::size_t ahead) const {
    if (ahead < putBack_.size()) return putBack_[ahead];
    const std::size_t at = position_ + (ahead - putBack_.size());
    return at < text_.size() ? text_[at] : '\0';
  }
  // The offset in the text of the next character.
  std::size_t offset() const { return putBack_.empty() ? position_ : putBackOffset_; }
  // Only when something is left.
  char take() {
    if (!putBack_.empty()) {
      const char c = putBack_.front();
      putBack_.erase(0, 1);
      ++putBackOffset_;
      return c;
    }
    return text_[position_++];
  }
  // `token` was read from the text at `offset` and is read again next.
  void putBack(std::string_view token, std::size_t offset) {
    putBack_.insert(0, token);
    putBackOffset_ = offset;
  }
  void skip(std::size_t count) {
    for (; count > 0 && !empty(); --count) take();
  }

  void skipBlanks();
  // The longest run of ".", digits, "x" and whole names of the accepted variables: the
  // text of a sub-expression.
  std::string takeArgumentRun(VariableSet accepted);
  // The rest of a function name: the name letters that follow, up to an "x".
  void appendNameLetters(std::string& name);
  // The name letters that follow, left in place.
  std::string peekNameLetters() const;
  // The accepted variable whose whole name begins with `first` (just read) and goes on
  // in the text still to be read.
  std::optional<VariableName> variableAfter(char first, VariableSet accepted) const;

 private:
  std::string putBack_;
  std::size_t putBackOffset_ = 0;
  std::string_view text_;
  std::size_t position_ = 0;
};

}  // namespace quorvel::expression_scan
