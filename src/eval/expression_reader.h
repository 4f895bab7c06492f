#pragma once
// What the evaluator and the compiler share of reading a text: the text still to be
// read, the character classes of the scan, its states and the outcome of one step.
// Both read through this one reader so they split a text into the same tokens.
#include <cstddef>
#include <string>
#include <string_view>

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
constexpr bool isDigitOrPoint(char c) { return c == '.' || (c >= '0' && c <= '9'); }
// A sub-expression read without brackets is a run of these.
constexpr bool isArgumentCharacter(char c) { return c == 'x' || isDigitOrPoint(c); }

// The text still to be read: whatever was put back in front of it, then the rest of
// the text. Reading never copies the text, which must outlive the reader.
class ExpressionReader {
 public:
  explicit ExpressionReader(std::string_view text) : text_(text) {}

  bool empty() const { return putBack_.empty() && position_ >= text_.size(); }
  // The next character, or '\0' when nothing is left.
  char peek() const {
    if (!putBack_.empty()) return putBack_.front();
    return position_ < text_.size() ? text_[position_] : '\0';
  }
  // Only when something is left.
  char take() {
    if (!putBack_.empty()) {
      const char c = putBack_.front();
      putBack_.erase(0, 1);
      return c;
    }
    return text_[position_++];
  }
  void putBack(std::string_view token) { putBack_.insert(0, token); }

  void skipBlanks();
  // The longest run of ".", digits and "x": the text of a sub-expression.
  std::string takeArgumentRun();
  // The rest of a function name: the lower-case letters that follow, up to an "x".
  void appendNameLetters(std::string& name);

 private:
  std::string putBack_;
  std::string_view text_;
  std::size_t position_ = 0;
};

}  // namespace quorvel::expression_scan
