#include "catalogue/textbook_expression.h"

#include <cstddef>
#include <vector>

#include "catalogue/printed_number.h"
#include "eval/epc.h"
#include "eval/expression_codes.h"

namespace quorvel {

namespace {

// The tokens of the text as the evaluator splits it.
enum class Kind { kNumber, kBlank, kX, kE, kPi, kName, kOpen, kClose, kOperator, kOther };

struct Piece {
  Kind kind = Kind::kOther;
  std::size_t begin = 0;
  std::size_t end = 0;
  // A number or x the evaluator reads as a run: the argument of a function without
  // brackets, or a negative exponent.
  bool inRun = false;
  // A number, x, e or pi right after a function without brackets, which the notation
  // rewrite would read as that function's operand (and bracket, if it held a π or a
  // superscript): kept as it is.
  bool afterFunction = false;
};

constexpr bool isDigitOrPoint(char c) { return c == '.' || (c >= '0' && c <= '9'); }
constexpr bool isNameLetter(char c) { return c >= 'a' && c <= 'z' && c != 'x'; }

// A "y" that is a whole name: no name letter on either side.
bool isAloneY(std::string_view s, std::size_t i) {
  return s[i] == 'y' && (i == 0 || !isNameLetter(s[i - 1])) &&
         (i + 1 >= s.size() || !isNameLetter(s[i + 1]));
}

std::vector<Piece> piecesOf(std::string_view s) {
  std::vector<Piece> pieces;
  for (std::size_t i = 0; i < s.size();) {
    const char c = s[i];
    Piece p{Kind::kOther, i, i + 1};
    if (isDigitOrPoint(c)) {
      p.kind = Kind::kNumber;
      while (p.end < s.size() && isDigitOrPoint(s[p.end])) ++p.end;
    } else if (c == ' ') {
      p.kind = Kind::kBlank;
      while (p.end < s.size() && s[p.end] == ' ') ++p.end;
    } else if (c == 'x' || isAloneY(s, i)) {
      // y of an equation is printed as x is: y², 3y.
      p.kind = Kind::kX;
    } else if (c == 'e') {
      p.kind = Kind::kE;
    } else if (c == 'p' && i + 1 < s.size() && s[i + 1] == 'i') {
      p.kind = Kind::kPi;
      p.end = i + 2;
    } else if (isNameLetter(c)) {
      p.kind = Kind::kName;
      while (p.end < s.size() && isNameLetter(s[p.end])) ++p.end;
    } else if (c == '(') {
      p.kind = Kind::kOpen;
    } else if (c == ')') {
      p.kind = Kind::kClose;
    } else if (c == '+' || c == '-' || c == '*' || c == '/' || c == '^') {
      p.kind = Kind::kOperator;
    }
    pieces.push_back(p);
    i = p.end;
  }
  return pieces;
}

class Printer {
 public:
  explicit Printer(std::string_view text) : s_(text), p_(piecesOf(text)) { markRuns(); }

  std::string print() {
    for (std::size_t i = 0; i < p_.size();) i = piece(i);
    return out_;
  }

 private:
  std::string_view textOf(std::size_t i) const {
    return s_.substr(p_[i].begin, p_[i].end - p_[i].begin);
  }
  bool isOperator(std::size_t i, char c) const {
    return i < p_.size() && p_[i].kind == Kind::kOperator && s_[p_[i].begin] == c;
  }
  std::size_t skipBlanks(std::size_t i) const {
    while (i < p_.size() && p_[i].kind == Kind::kBlank) ++i;
    return i;
  }
  // The piece before i that is not a blank, or p_.size() when there is none.
  std::size_t before(std::size_t i) const {
    while (i > 0) {
      --i;
      if (p_[i].kind != Kind::kBlank) return i;
    }
    return p_.size();
  }
  bool isFunctionName(std::size_t i) const {
    return i < p_.size() && p_[i].kind == Kind::kName &&
           expression_codes::isFunctionCode(numsign(textOf(i)));
  }
  // The numbers and x side by side from i, as a run.
  void markRun(std::size_t i) {
    for (; i < p_.size() && (p_[i].kind == Kind::kNumber || p_[i].kind == Kind::kX); ++i) {
      p_[i].inRun = true;
    }
  }
  void markRuns() {
    for (std::size_t i = 0; i < p_.size(); ++i) {
      if (isFunctionName(i)) {
        const std::size_t next = skipBlanks(i + 1);
        if (next < p_.size() && p_[next].kind != Kind::kOpen) markRun(next);
        for (std::size_t j = next; j < p_.size() && isFactor(j); ++j) p_[j].afterFunction = true;
      } else if (isOperator(i, '^')) {
        const std::size_t sign = skipBlanks(i + 1);
        if (isOperator(sign, '-')) markRun(skipBlanks(sign + 1));
      }
    }
  }

  bool isFactor(std::size_t i) const {
    if (i >= p_.size()) return false;
    const Kind k = p_[i].kind;
    return k == Kind::kNumber || k == Kind::kX || k == Kind::kE || k == Kind::kPi;
  }
  // A function name, a closing bracket or a function's run before i: what the notation
  // rewrite would join a π or a √ to (as an operand, or with a product), or a function
  // still waiting for its value.
  bool bindsTo(std::size_t i) const {
    const std::size_t left = before(i);
    return left < p_.size() &&
           (isFunctionName(left) || p_[left].kind == Kind::kClose || p_[left].inRun);
  }

  std::size_t piece(std::size_t i) {
    const Piece& p = p_[i];
    switch (p.kind) {
      case Kind::kPi:
        if (p.afterFunction || bindsTo(i)) break;
        out_ += "π";
        return i + 1;
      case Kind::kName:
        if (textOf(i) == "sqr") return root(i);
        break;
      case Kind::kOperator:
        switch (s_[p.begin]) {
          case '-': out_ += kMinusSign; return i + 1;
          case '*': return product(i);
          case '^': return power(i);
          default: break;
        }
        break;
      default: break;
    }
    out_ += textOf(i);
    return i + 1;
  }

  // A run that reads as the product it shows: numbers of one point at most, and no
  // digits after an x (the evaluator fails such a run inside and takes 0).
  bool plainRun(std::size_t i) const {
    bool afterX = false;
    for (; i < p_.size() && p_[i].inRun; ++i) {
      if (p_[i].kind == Kind::kX) {
        afterX = true;
        continue;
      }
      const std::string_view number = textOf(i);
      if (afterX || number == "." || number.find('.') != number.rfind('.')) return false;
    }
    return true;
  }

  // After a run of sqr, what ends the function's operand for the evaluator as for the
  // notation rewrite: the end, or an operator that is no sign ("sqr x-1" is malformed).
  bool runEndsCleanly(std::size_t i) const {
    while (i < p_.size() && p_[i].inRun) ++i;
    i = skipBlanks(i);
    if (i >= p_.size() || p_[i].kind == Kind::kClose) return true;
    const char c = s_[p_[i].begin];
    return (p_[i].kind == Kind::kOperator && c != '-') || c == '#';
  }

  // sqr as √ where an operand follows (its brackets, or a run that ends cleanly) and no
  // function or bracket stands before it (which would take √ for an operand of its own).
  std::size_t root(std::size_t i) {
    const std::size_t next = skipBlanks(i + 1);
    const bool group = next < p_.size() && p_[next].kind == Kind::kOpen;
    const bool run = next < p_.size() && p_[next].inRun && plainRun(next) && runEndsCleanly(next);
    const bool operand = !bindsTo(i) && (group || run);
    if (!operand) {
      out_ += textOf(i);
      return i + 1;
    }
    out_ += "√";
    return next;
  }

  // "*" as "·", or nothing between a number and a letter (unless the number belongs to a
  // run, which the letter would join).
  std::size_t product(std::size_t i) {
    const std::size_t left = before(i);
    const std::size_t right = skipBlanks(i + 1);
    const bool numberBefore = left < p_.size() && p_[left].kind == Kind::kNumber && !p_[left].inRun;
    const bool letterAfter =
        right < p_.size() && (p_[right].kind == Kind::kX || p_[right].kind == Kind::kE ||
                              p_[right].kind == Kind::kPi || p_[right].kind == Kind::kName);
    if (numberBefore && letterAfter) {
      while (!out_.empty() && out_.back() == ' ') out_.pop_back();
      return right;
    }
    out_ += "·";
    return i + 1;
  }

  // "^" and a whole number as a superscript, where that reads back as the same power.
  std::size_t power(std::size_t i) {
    const std::size_t base = i > 0 ? i - 1 : p_.size();
    std::size_t literal = skipBlanks(i + 1);
    const bool negative = isOperator(literal, '-');
    if (negative) literal = skipBlanks(literal + 1);
    if (!raisable(base) || literal >= p_.size() || p_[literal].kind != Kind::kNumber) {
      out_ += "^";
      return i + 1;
    }
    const std::string_view digits = textOf(literal);
    for (const char c : digits) {
      if (c == '.') {
        out_ += "^";
        return i + 1;
      }
    }
    const std::size_t after = literal + 1;
    // The evaluator would go on reading (a negative exponent's run takes x and digits
    // side by side, a number takes digits after blanks), or the notation rewrite would
    // bracket a negative exponent an operand follows.
    const std::size_t next = skipBlanks(after);
    const bool runGoesOn =
        negative ? isFactor(next) : next < p_.size() && p_[next].kind == Kind::kNumber;
    if (runGoesOn) {
      out_ += "^";
      return i + 1;
    }
    out_ += superscriptDigits(std::string(negative ? "-" : "") + std::string(digits));
    return after;
  }

  // A superscript raises the operand just before it: a number, x, e, pi or a bracket
  // (with the function before it), that is no function's run and no exponent itself.
  bool raisable(std::size_t base) const {
    if (base >= p_.size() || p_[base].inRun || p_[base].afterFunction) return false;
    std::size_t start = base;
    switch (p_[base].kind) {
      case Kind::kNumber:
      case Kind::kX:
      case Kind::kE:
      case Kind::kPi: break;
      case Kind::kClose: {
        int depth = 0;
        for (std::size_t j = base + 1; j-- > 0;) {
          if (p_[j].kind == Kind::kClose) ++depth;
          if (p_[j].kind == Kind::kOpen && --depth == 0) {
            start = j;
            break;
          }
        }
        if (depth != 0) return false;
        if (start > 0 && isFunctionName(start - 1)) --start;
        break;
      }
      default: return false;
    }
    const std::size_t left = before(start);
    if (isOperator(left, '^')) return false;
    if (isOperator(left, '-') && isOperator(before(left), '^')) return false;
    return true;
  }

  std::string_view s_;
  std::vector<Piece> p_;
  std::string out_;
};

}  // namespace

std::string textbookExpression(std::string_view expression) { return Printer(expression).print(); }

}  // namespace quorvel
