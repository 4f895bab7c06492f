#pragma once
// The rewritten text as the notation rewrite builds it, with the typed character every
// byte came from and what the rewrite must remember of its last pieces: where the last
// operand starts (a superscript raises it), whether the text ends in a bracket or an
// exponent the rewrite made (a "*" may be due before the next operand), whether it ends
// in a name (a name written after it would run on). Internal to eval/notation.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quorvel::notation {

// What the rewrite made at the end of the text, which the evaluator would not multiply
// by an operand that follows.
enum class MadeEnd {
  kNone,
  kBracket,  // ")": no product before a number, x, e, pi or a variable
  kNumber,   // an exponent's digits or x: a number after it would join them
};

inline constexpr std::size_t kNowhere = static_cast<std::size_t>(-1);

class Output {
 public:
  void add(std::string_view s, std::uint32_t origin) {
    text_ += s;
    origins_.insert(origins_.end(), s.size(), origin);
  }
  void insert(std::size_t at, char c, std::uint32_t origin) {
    text_.insert(text_.begin() + static_cast<std::ptrdiff_t>(at), c);
    origins_.insert(origins_.begin() + static_cast<std::ptrdiff_t>(at), origin);
  }
  void append(const Output& other) {
    text_ += other.text_;
    origins_.insert(origins_.end(), other.origins_.begin(), other.origins_.end());
  }

  const std::string& text() const { return text_; }
  const std::vector<std::uint32_t>& origins() const { return origins_; }
  std::size_t size() const { return text_.size(); }

  // The last character before `before` that is not a blank, or kNowhere.
  std::size_t lastNonBlank(std::size_t before) const {
    while (before > 0) {
      --before;
      if (text_[before] != ' ') return before;
    }
    return kNowhere;
  }
  char at(std::size_t i) const { return i < text_.size() ? text_[i] : '\0'; }

  // An operand that has just ended, from `start` to the end of the text.
  void endOperand(std::size_t start) {
    operandStart_ = start;
    operandEnd_ = size();
  }
  // Where the operand that ends the text starts, or kNowhere when none does.
  std::size_t operandStart() const { return operandEnd_ == size() ? operandStart_ : kNowhere; }

  void endMade(MadeEnd made) {
    made_ = made;
    madeEnd_ = size();
  }
  // What the rewrite made at the end of the text, blanks after it aside.
  MadeEnd madeEnd() const {
    if (made_ == MadeEnd::kNone || madeEnd_ > size()) return MadeEnd::kNone;
    for (std::size_t i = madeEnd_; i < size(); ++i) {
      if (text_[i] != ' ') return MadeEnd::kNone;
    }
    return made_;
  }

  void endName() { nameEnd_ = size(); }
  bool endsInName() const { return nameEnd_ == size(); }

  // Brackets opened and not closed yet: where the operand each one closes begins.
  std::vector<std::size_t> opens;
  // Where the operand begins that the next "(" belongs to (a function's name), or kNowhere.
  std::size_t callStart = kNowhere;

 private:
  std::string text_;
  std::vector<std::uint32_t> origins_;
  std::size_t operandStart_ = kNowhere;
  std::size_t operandEnd_ = kNowhere;
  MadeEnd made_ = MadeEnd::kNone;
  std::size_t madeEnd_ = kNowhere;
  std::size_t nameEnd_ = kNowhere;
};

}  // namespace quorvel::notation
