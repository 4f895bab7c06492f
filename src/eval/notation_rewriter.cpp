// The notation rewrite: one pass over the textbook tokens of a typed text, copying what
// the evaluator reads as it is and writing the rest in the evaluator's tokens.
#include <algorithm>
#include <string>

#include "eval/notation.h"
#include "eval/notation_output.h"
#include "eval/notation_text.h"
#include "eval/typed_characters.h"

namespace quorvel {

namespace {

using namespace notation;

// Operands inside operands (√√√x, sin sin …) are rewritten up to this depth; a text
// that goes deeper is kept as typed, whole, so that it reads the same however often it
// is rewritten. No formula comes near it; it bounds the work on any text.
constexpr int kMaxDepth = 40;

// The units an operand of a function takes: a bracketed group, or a product of factors
// written side by side (numbers, x, e, π, variables, |…| and […], each with its
// superscript), or a function applied to its own operand.
struct Operand {
  std::size_t begin = kNowhere;
  std::size_t end = kNowhere;
  bool group = false;  // "(" … ")": the function's own brackets

  bool found() const { return begin != kNowhere; }
};

bool isFactor(TokenKind k) {
  switch (k) {
    case TokenKind::kNumber:
    case TokenKind::kX:
    case TokenKind::kE:
    case TokenKind::kPi:
    case TokenKind::kPiSign:
    case TokenKind::kTheta:
    case TokenKind::kVariable: return true;
    default: return false;
  }
}

bool isDigits(std::string_view s) {
  return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

class Rewriter {
 public:
  explicit Rewriter(const NotationText& text) : t_(text) {}

  // Units [begin, end) onto `out`.
  void span(std::size_t begin, std::size_t end, Output& out, int depth) const {
    if (depth > kMaxDepth) {
      tooDeep_ = true;
      copy(begin, end, out);
      return;
    }
    for (std::size_t at = begin; at < end;) at = step(at, end, out, depth);
  }

  bool tooDeep() const { return tooDeep_; }
  void copy(std::size_t begin, std::size_t end, Output& out) const {
    for (std::size_t i = begin; i < end; ++i) out.add(t_[i].text(), t_[i].index);
  }

  Output spanAlone(std::size_t begin, std::size_t end, int depth) const {
    Output out;
    span(begin, end, out, depth);
    return out;
  }

 private:
  Token tokenAt(std::size_t at, std::size_t end) const {
    Token tok = t_.tokenAt(at);
    tok.end = std::min(tok.end, end);
    return tok;
  }
  std::uint32_t origin(std::size_t at) const { return t_[at].index; }
  std::size_t skipBlanks(std::size_t at, std::size_t end) const {
    while (at < end && t_[at].is(' ')) ++at;
    return at;
  }
  // An opening bar or floor bracket whose partner lies inside [.., end).
  bool opensWithin(std::size_t at, std::size_t end) const {
    const std::size_t p = t_.partner(at);
    return p != kUnpaired && p > at && p < end;
  }

  // --- one token ----------------------------------------------------------------------

  std::size_t step(std::size_t at, std::size_t end, Output& out, int depth) const {
    const Token tok = tokenAt(at, end);
    switch (tok.kind) {
      case TokenKind::kNumber:
      case TokenKind::kX:
      case TokenKind::kE:
      case TokenKind::kPi:
      case TokenKind::kTheta:
      case TokenKind::kVariable:
      case TokenKind::kUnknownName: {
        beforeOperand(tok.kind, at, out);
        const std::size_t start = out.size();
        copy(tok.begin, tok.end, out);
        out.endOperand(start);
        if (tok.kind == TokenKind::kVariable || tok.kind == TokenKind::kUnknownName) out.endName();
        return tok.end;
      }
      case TokenKind::kPiSign: {
        // After any closing bracket the evaluator would not multiply by pi.
        if (out.madeEnd() == MadeEnd::kNone && out.at(out.lastNonBlank(out.size())) == ')') {
          out.add("*", origin(at));
        }
        beforeOperand(tok.kind, at, out);
        separateFromName(at, out);
        const std::size_t start = out.size();
        out.add("pi", origin(at));
        out.endOperand(start);
        return tok.end;
      }
      case TokenKind::kFunction: return function(tok, end, out, depth);
      case TokenKind::kSqrt:
      case TokenKind::kRoot: return madeFunction(tok, end, out, depth, "sqr(", ")");
      case TokenKind::kExp: return madeFunction(tok, end, out, depth, "e^(", ")");
      case TokenKind::kLogBase: return logBase(tok, end, out, depth);
      case TokenKind::kLogComma: return logComma(tok, end, out, depth);
      case TokenKind::kOpen: {
        out.opens.push_back(out.callStart != kNowhere ? out.callStart : out.size());
        out.callStart = kNowhere;
        copy(tok.begin, tok.end, out);
        return tok.end;
      }
      case TokenKind::kClose: {
        copy(tok.begin, tok.end, out);
        if (!out.opens.empty()) {
          out.endOperand(out.opens.back());
          out.opens.pop_back();
        }
        return tok.end;
      }
      case TokenKind::kBar:
      case TokenKind::kFloorOpen:
      case TokenKind::kFloorClose: return barOrFloor(tok, out);
      case TokenKind::kSuperscript: return power(tok, end, out);
      default: copy(tok.begin, tok.end, out); return tok.end;
    }
  }

  // A "*" where the evaluator would not multiply a made bracket or exponent by the
  // operand that follows.
  void beforeOperand(TokenKind next, std::size_t at, Output& out) const {
    switch (out.madeEnd()) {
      case MadeEnd::kBracket:
        if (isFactor(next)) out.add("*", origin(at));
        break;
      case MadeEnd::kNumber:
        if (next == TokenKind::kNumber) out.add("*", origin(at));
        break;
      case MadeEnd::kNone: break;
    }
  }

  // A made piece that starts with a letter would run on from a name just before it.
  void separateFromName(std::size_t at, Output& out) const {
    if (out.endsInName()) out.add("*", origin(at));
  }

  // --- operands -------------------------------------------------------------------------

  Operand operandAt(std::size_t at, std::size_t end, bool signAllowed) const {
    const std::size_t first = skipBlanks(at, end);
    if (first >= end) return {};
    const Token tok = tokenAt(first, end);
    switch (tok.kind) {
      case TokenKind::kOpen: {
        const std::size_t close = t_.partner(first);
        if (close == kUnpaired || close >= end) return {};
        return {first, close + 1, true};
      }
      case TokenKind::kFunction:
      case TokenKind::kSqrt:
      case TokenKind::kRoot:
      case TokenKind::kExp: {
        std::size_t after = tok.end;
        if (after < end && t_[after].kind == UnitKind::kSuperscript)
          after = tokenAt(after, end).end;
        const bool isRoot = tok.kind == TokenKind::kRoot || tok.kind == TokenKind::kSqrt;
        const Operand inner = operandAt(after, end, isRoot);
        if (!inner.found()) return {};
        return {first, inner.end, false};
      }
      case TokenKind::kLogBase: {
        const std::size_t afterBase = logBaseEnd(tok.end, end);
        if (afterBase == kNowhere) return {};
        const Operand inner = operandAt(afterBase, end, false);
        if (!inner.found()) return {};
        return {first, inner.end, false};
      }
      case TokenKind::kLogComma: {
        const std::size_t open = skipBlanks(tok.end, end);
        const std::size_t close = t_.partner(open);
        if (close >= end) return {};
        return {first, close + 1, false};
      }
      case TokenKind::kOperator:
        if (signAllowed && t_[first].is('-')) {  // √−x, √−(…), √−exp x
          const Operand negated = operandAt(first + 1, end, false);
          if (!negated.found() || negated.begin != first + 1) return {};
          return {first, negated.end, false};
        }
        return {};
      default: {
        const std::size_t product = productEnd(first, end);
        if (product == first) return {};
        return {first, product, false};
      }
    }
  }

  // The end of the factors written side by side from `at`.
  std::size_t productEnd(std::size_t at, std::size_t end) const {
    while (at < end) {
      const Token tok = tokenAt(at, end);
      if (isFactor(tok.kind)) {
        at = tok.end;
      } else if ((tok.kind == TokenKind::kBar || tok.kind == TokenKind::kFloorOpen) &&
                 opensWithin(at, end)) {
        at = t_.partner(at) + 1;
      } else {
        break;
      }
      if (at < end && t_[at].kind == UnitKind::kSuperscript) at = tokenAt(at, end).end;
    }
    return at;
  }

  // The operand's own text: inside its brackets, or all of it.
  Output operandText(const Operand& o, int depth) const {
    return o.group ? spanAlone(o.begin + 1, o.end - 1, depth + 1)
                   : spanAlone(o.begin, o.end, depth + 1);
  }

  // --- functions ------------------------------------------------------------------------

  // A name the evaluator knows. Its operand keeps its form unless the rewrite changes it;
  // then it is bracketed, as the evaluator takes only digits, "." and x without brackets.
  std::size_t function(const Token& tok, std::size_t end, Output& out, int depth) const {
    std::string name = t_.copied(tok.begin, tok.end);
    const std::size_t start = out.size();
    if (tok.end < end && t_[tok.end].kind == UnitKind::kSuperscript) {
      return poweredFunction(tok, name.append("("), end, out, depth);
    }
    const Operand o = operandAt(tok.end, end, false);
    if (!o.found()) {
      copy(tok.begin, tok.end, out);
      return tok.end;
    }
    if (o.group) {
      copy(tok.begin, o.begin, out);
      out.callStart = start;
      return o.begin;  // the brackets and what is inside them come next
    }
    const Output inner = operandText(o, depth);
    if (inner.text() == t_.copied(o.begin, o.end)) {
      copy(tok.begin, o.end, out);
    } else {
      copy(tok.begin, tok.end, out);
      out.add("(", origin(o.begin));
      out.append(inner);
      out.add(")", origin(o.end - 1));
      out.endMade(MadeEnd::kBracket);
    }
    out.endOperand(start);
    return o.end;
  }

  // sin²x: the function's value raised, (sin(x))^2.
  std::size_t poweredFunction(const Token& tok, const std::string& opening, std::size_t end,
                              Output& out, int depth) const {
    const Token raised = tokenAt(tok.end, end);
    const Operand o = operandAt(raised.end, end, false);
    if (!o.found()) {
      copy(tok.begin, raised.end, out);
      return raised.end;
    }
    const std::size_t start = out.size();
    out.add("(", origin(tok.begin));
    const std::size_t comma = o.group ? t_.topLevelComma(o.begin) : kUnpaired;
    if (opening == "log(" && comma != kUnpaired) {  // log²(2, x): the logarithm to base 2
      Output quotient;
      quotientOfLogs(tok.begin, spanAlone(comma + 1, o.end - 1, depth + 1),
                     spanAlone(o.begin + 1, comma, depth + 1), o.end, o.end, quotient);
      out.append(quotient);
      out.add(")", origin(o.end - 1));
    } else {
      out.add(opening, origin(tok.begin));
      out.append(operandText(o, depth));
      out.add("))", origin(o.end - 1));
    }
    exponent(raised, o.end, end, out);
    out.endOperand(start);
    return o.end;
  }

  // √ and sqrt (as "sqr(" … ")"), exp (as "e^(" … ")"): the operand always bracketed.
  std::size_t madeFunction(const Token& tok, std::size_t end, Output& out, int depth,
                           const std::string& opening, const char* closing) const {
    if (tok.end < end && t_[tok.end].kind == UnitKind::kSuperscript) {
      return poweredFunction(tok, opening, end, out, depth);
    }
    const bool isRoot = tok.kind != TokenKind::kExp;
    const Operand o = operandAt(tok.end, end, isRoot);
    if (!o.found() || (!isRoot && danglingPower(out))) {
      copy(tok.begin, tok.end, out);
      return tok.end;
    }
    // e^(…) as the exponent of a power: the power is its own, 2^(e^(x)).
    const bool wrap = !isRoot && raisedHere(out);
    // The evaluator multiplies nothing by an e that follows a closing bracket, made or
    // typed: exp x exp x is e^(x)*e^(x).
    if (!isRoot && !wrap && out.at(out.lastNonBlank(out.size())) == ')') {
      out.add("*", origin(tok.begin));
    }
    separateFromName(tok.begin, out);
    const std::size_t start = out.size();
    if (wrap) out.add("(", origin(tok.begin));
    out.add(opening, origin(tok.begin));
    out.append(operandText(o, depth));
    out.add(closing, origin(o.end - 1));
    if (wrap) out.add(")", origin(o.end - 1));
    out.endMade(MadeEnd::kBracket);
    out.endOperand(start);
    return o.end;
  }

  // The text ends in "^" or "^-": what comes next is an exponent.
  static bool raisedHere(const Output& out) {
    std::size_t p = out.lastNonBlank(out.size());
    if (p != kNowhere && out.at(p) == '-') p = out.lastNonBlank(p);
    return p != kNowhere && out.at(p) == '^';
  }

  // A "^" with nothing to raise before it (at the start, after an operator or a
  // bracket): the text is malformed, and whatever is made after it would let the
  // evaluator read it.
  static bool danglingPower(const Output& out) {
    std::size_t p = out.lastNonBlank(out.size());
    if (p != kNowhere && out.at(p) == '-') p = out.lastNonBlank(p);
    if (p == kNowhere || out.at(p) != '^') return false;
    const std::size_t raised = out.lastNonBlank(p);
    return raised == kNowhere ||
           std::string_view("+-*/^(").find(out.at(raised)) != std::string_view::npos;
  }

  // log₂x, log_2(x), log(2, x) → ln(x)/ln(2); bracketed where a division or a power
  // before or after it would take only part of it.
  std::size_t logBase(const Token& tok, std::size_t end, Output& out, int depth) const {
    const std::size_t afterBase = logBaseEnd(tok.end, end);
    const Operand o = afterBase == kNowhere ? Operand{} : operandAt(afterBase, end, false);
    if (!o.found()) {
      copy(tok.begin, tok.end, out);
      return tok.end;
    }
    Output base;
    if (t_[tok.end].kind == UnitKind::kSubscript) {
      for (std::size_t i = tok.end; i < afterBase; ++i) {
        base.add(std::string(1, t_[i].kind == UnitKind::kSubscript ? t_[i].ascii : '.'), origin(i));
      }
    } else {
      const Operand b = operandAt(tok.end + 1, afterBase, false);
      base = operandText(b, depth);
    }
    quotientOfLogs(tok.begin, operandText(o, depth), base, o.end, end, out);
    return o.end;
  }

  std::size_t logComma(const Token& tok, std::size_t end, Output& out, int depth) const {
    const std::size_t open = skipBlanks(tok.end, end);
    const std::size_t close = open < end ? t_.partner(open) : kUnpaired;
    if (close == kUnpaired || close >= end) {
      copy(tok.begin, tok.end, out);
      return tok.end;
    }
    const std::size_t comma = t_.topLevelComma(open);
    if (comma == kUnpaired) return function(tok, end, out, depth);  // the comma is in a bar
    quotientOfLogs(tok.begin, spanAlone(comma + 1, close, depth + 1),
                   spanAlone(open + 1, comma, depth + 1), close + 1, end, out);
    return close + 1;
  }

  void quotientOfLogs(std::size_t at, const Output& argument, const Output& base, std::size_t after,
                      std::size_t end, Output& out) const {
    const std::size_t before = out.lastNonBlank(out.size());
    const std::size_t next = skipBlanks(after, end);
    const bool raisedAfter =
        next < end && (t_[next].is('^') || t_[next].kind == UnitKind::kSuperscript);
    const bool wrap = raisedHere(out) || out.at(before) == '/' || raisedAfter;
    separateFromName(at, out);
    const std::size_t start = out.size();
    if (wrap) out.add("(", origin(at));
    out.add("ln(", origin(at));
    out.append(argument);
    out.add(")/ln(", origin(at));
    out.append(base);
    out.add(")", origin(at));
    if (wrap) out.add(")", origin(at));
    out.endMade(MadeEnd::kBracket);
    out.endOperand(start);
  }

  // Where the base of log₂ or log_2 ends: a run of subscript digits, or after "_" a
  // number, e, pi, π or a bracketed group; kNowhere when no base is written.
  std::size_t logBaseEnd(std::size_t at, std::size_t end) const {
    if (at >= end) return kNowhere;
    if (t_[at].kind == UnitKind::kSubscript) return tokenAt(at, end).end;
    if (!t_[at].is('_') || at + 1 >= end) return kNowhere;
    const Token base = tokenAt(at + 1, end);
    switch (base.kind) {
      case TokenKind::kNumber:
      case TokenKind::kE:
      case TokenKind::kPi:
      case TokenKind::kPiSign: return base.end;
      case TokenKind::kOpen: {
        const std::size_t close = t_.partner(at + 1);
        return close != kUnpaired && close < end ? close + 1 : kNowhere;
      }
      default: return kNowhere;
    }
  }

  // --- bars, floor brackets, superscripts -------------------------------------------

  std::size_t barOrFloor(const Token& tok, Output& out) const {
    const std::size_t at = tok.begin;
    const std::size_t partner = t_.partner(at);
    if (partner == kUnpaired) {
      copy(tok.begin, tok.end, out);
      return tok.end;
    }
    if (partner > at) {
      separateFromName(at, out);
      out.opens.push_back(out.size());
      out.add(t_[at].is('|') ? "abs(" : "floor(", origin(at));
      return tok.end;
    }
    out.add(")", origin(at));
    if (!out.opens.empty()) {
      out.endOperand(out.opens.back());
      out.opens.pop_back();
    }
    out.endMade(MadeEnd::kBracket);
    return tok.end;
  }

  // x², 2ˣ, x⁻¹: "^" and the exponent after the operand that ends the text. When that
  // operand is itself an exponent (2^x²), the power is bracketed: 2^(x^2).
  std::size_t power(const Token& tok, std::size_t end, Output& out) const {
    const std::size_t base = out.operandStart();
    if (base == kNowhere) {
      copy(tok.begin, tok.end, out);
      return tok.end;
    }
    std::size_t start = base;
    const std::size_t before = out.lastNonBlank(base);
    std::size_t wrapAt = kNowhere;
    if (before != kNowhere && out.at(before) == '^') wrapAt = base;
    if (before != kNowhere && out.at(before) == '-') {
      const std::size_t power = out.lastNonBlank(before);
      if (power != kNowhere && out.at(power) == '^') wrapAt = before;
    }
    if (wrapAt != kNowhere) {
      out.insert(wrapAt, '(', origin(tok.begin));
      start = wrapAt;
    }
    exponent(tok, tok.end, end, out);
    if (wrapAt != kNowhere) {
      out.add(")", origin(tok.end - 1));
      out.endMade(MadeEnd::kBracket);
    }
    out.endOperand(start);
    return tok.end;
  }

  // "^" and the superscripts' text. The evaluator reads digits, x, or after "^-" a run
  // of digits, points and x; anything else, and a negative exponent that an operand
  // follows (which the run would take in), is bracketed.
  void exponent(const Token& raised, std::size_t after, std::size_t end, Output& out) const {
    std::string text;
    for (std::size_t i = raised.begin; i < raised.end; ++i) text += t_[i].ascii;
    const std::size_t next = skipBlanks(after, end);
    const bool operandFollows = next < end && isFactor(tokenAt(next, end).kind);
    const bool negative =
        text.size() > 1 && text[0] == '-' && (isDigits(text.substr(1)) || text.substr(1) == "x");
    const bool plain = isDigits(text) || text == "x" || (negative && !operandFollows);
    const std::uint32_t o = origin(raised.begin);
    out.add(plain ? "^" : "^(", o);
    out.add(text, o);
    if (plain) {
      out.endMade(MadeEnd::kNumber);
    } else {
      out.add(")", o);
      out.endMade(MadeEnd::kBracket);
    }
  }

  const NotationText& t_;
  mutable bool tooDeep_ = false;
};

// Whether a "*", "/" or "^" stands where no value can come before it: at the start,
// after "(", "," or another operator. The evaluator finds such a text malformed, but
// what a rewrite adds (the brackets and power of an exp) can leave its stack as a
// reading wants it: such a text is kept whole as typed, and stays refused.
bool operatorWithoutValue(const NotationText& text) {
  bool valueMayStart = true;  // nothing but "(", "," or an operator so far
  for (std::size_t i = 0; i < text.rewrittenEnd(); ++i) {
    const Unit& u = text[i];
    if (u.is(' ')) continue;
    const bool wantsValueBefore = u.is('*') || u.is('/') || u.is('^');
    if (wantsValueBefore && valueMayStart) return true;
    valueMayStart =
        wantsValueBefore || u.is('(') || u.is(',') || u.is('+') || u.is('-') || u.is('=');
  }
  return false;
}

}  // namespace

RewrittenText rewriteNotation(std::string_view typed, NotationBox box) {
  const NotationText text(typed, box);
  Output out;
  const Rewriter rewriter(text);
  rewriter.span(0, text.rewrittenEnd(), out, 0);
  if (rewriter.tooDeep() || operatorWithoutValue(text)) {
    out = Output{};
    rewriter.copy(0, text.rewrittenEnd(), out);
  }
  // From the first "#" on the evaluator reads nothing: kept as typed.
  for (std::size_t i = text.rewrittenEnd(); i < text.units().size(); ++i) {
    out.add(i == text.rewrittenEnd() ? std::string("#") : text[i].typed, text[i].index);
  }
  return RewrittenText{out.text(), out.origins(), text.typedLength()};
}

TypedPlace typedPlaceOf(const RewrittenText& rewritten, std::string_view typed, EvalStop stop) {
  const std::vector<TypedCharacter> characters = typedCharacters(typed);
  if (stop.offset >= rewritten.text.size() || rewritten.typedIndex.empty()) {
    return TypedPlace{characters.size(), 0, ""};
  }
  const std::size_t last =
      std::min(stop.offset + std::max<std::size_t>(stop.length, 1), rewritten.text.size()) - 1;
  std::size_t first = rewritten.typedIndex[stop.offset];
  std::size_t final = rewritten.typedIndex[last];
  if (final < first) std::swap(first, final);
  final = std::min(final, characters.size() - 1);
  first = std::min(first, final);
  const std::size_t from = characters[first].offset;
  const std::size_t to = characters[final].offset + characters[final].length;
  return TypedPlace{first, final - first + 1, std::string(typed.substr(from, to - from))};
}

}  // namespace quorvel
