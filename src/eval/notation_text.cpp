#include "eval/notation_text.h"

#include "eval/epc.h"
#include "eval/expression_codes.h"
#include "eval/typed_characters.h"

namespace quorvel::notation {

namespace {

constexpr char32_t kTheta = U'\u03B8';

char lowered(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

Unit unitOf(std::string_view typed, const TypedCharacter& ch, std::uint32_t index, bool lower) {
  Unit u;
  u.index = index;
  u.code = ch.code;
  u.typed = std::string(typed.substr(ch.offset, ch.length));
  if (lower && u.typed.size() == 1) u.typed[0] = lowered(u.typed[0]);
  const char form = ch.code < 0x80 ? static_cast<char>(ch.code) : asciiFormOf(ch.code);
  if (form != '\0') {
    u.kind = UnitKind::kAscii;
    u.ascii = lower ? lowered(form) : form;
  } else if (ch.code == kSquareRootSign) {
    u.kind = UnitKind::kRoot;
  } else if (isPiSign(ch.code)) {
    u.kind = UnitKind::kPi;
  } else if (const char raised = superscriptOf(ch.code); raised != '\0') {
    u.kind = UnitKind::kSuperscript;
    u.ascii = raised;
  } else if (const char sub = subscriptOf(ch.code); sub != '\0') {
    u.kind = UnitKind::kSubscript;
    u.ascii = sub;
  }
  return u;
}

bool isNameLetter(const Unit& u) { return u.isLetter() && u.ascii != 'x'; }

}  // namespace

bool isEvaluatorFunction(std::string_view name) {
  return expression_codes::isFunctionCode(numsign(name));
}

NotationText::NotationText(std::string_view typed, NotationBox box) {
  const bool lower = box == NotationBox::kExpression;
  const std::vector<TypedCharacter> characters = typedCharacters(typed);
  typedLength_ = characters.size();
  units_.reserve(characters.size());
  bool afterHash = false;
  for (std::size_t i = 0; i < characters.size(); ++i) {
    Unit u = unitOf(typed, characters[i], static_cast<std::uint32_t>(i), lower);
    // A full-width letter after a letter typed in ASCII: the evaluator's name ended
    // before it, and still ends there.
    if (!afterHash && u.isLetter() && u.code >= 0x80 && !units_.empty() &&
        units_.back().isLetter() && units_.back().code < 0x80) {
      Unit blank;
      blank.kind = UnitKind::kAscii;
      blank.ascii = ' ';
      blank.typed = " ";
      blank.index = u.index;
      units_.push_back(blank);
    }
    afterHash = afterHash || u.is('#');
    units_.push_back(std::move(u));
  }
  if (box == NotationBox::kExpression) {
    // A leading "y =" says what the box already means.
    std::size_t i = 0;
    while (i < units_.size() && units_[i].is(' ')) ++i;
    if (i < units_.size() && units_[i].is('y')) {
      std::size_t j = i + 1;
      while (j < units_.size() && units_[j].is(' ')) ++j;
      if (j < units_.size() && units_[j].is('=')) {
        ++j;
        while (j < units_.size() && units_[j].is(' ')) ++j;
        units_.erase(units_.begin(), units_.begin() + static_cast<std::ptrdiff_t>(j));
      }
    }
  }
  rewrittenEnd_ = 0;
  while (rewrittenEnd_ < units_.size() && !units_[rewrittenEnd_].is('#')) ++rewrittenEnd_;
  partner_.assign(units_.size(), kUnpaired);
  pairBrackets();
  pairBars();
}

// Round brackets pair as the evaluator pairs them.
void NotationText::pairBrackets() {
  std::vector<std::size_t> round;
  for (std::size_t i = 0; i < rewrittenEnd_; ++i) {
    if (units_[i].is('(')) {
      round.push_back(i);
    } else if (units_[i].is(')') && !round.empty()) {
      partner_[i] = round.back();
      partner_[round.back()] = i;
      round.pop_back();
    }
  }
}

// Floor brackets and bars, nested with each other and within the round brackets, so
// that written as floor( … ) and abs( … ) they never cross a bracket or give a stray
// one a partner. A bar opens where an operand is awaited; where an operand has just
// ended it closes the bar open innermost, or opens a new one when none is: |x|·|y|
// reads as two, ||x| − 1| as one inside another. A round bracket without a partner is
// no place to pair across.
void NotationText::pairBars() {
  std::vector<std::vector<std::size_t>> levels(1);  // open "[" and "|", per round bracket
  bool awaitingOperand = true;
  const auto pair = [&](std::size_t open, std::size_t close) {
    partner_[open] = close;
    partner_[close] = open;
  };
  for (std::size_t at = 0; at < rewrittenEnd_;) {
    const Token t = tokenAt(at);
    std::vector<std::size_t>& open = levels.back();
    switch (t.kind) {
      case TokenKind::kBlank:
      case TokenKind::kSubscript: break;
      case TokenKind::kNumber:
      case TokenKind::kX:
      case TokenKind::kE:
      case TokenKind::kPi:
      case TokenKind::kPiSign:
      case TokenKind::kTheta:
      case TokenKind::kVariable:
      case TokenKind::kUnknownName:
      case TokenKind::kSuperscript: awaitingOperand = false; break;
      case TokenKind::kOpen:
        if (partner_[at] == kUnpaired) {
          open.clear();
        } else {
          levels.emplace_back();
        }
        awaitingOperand = true;
        break;
      case TokenKind::kClose:
        if (partner_[at] == kUnpaired) {
          open.clear();
        } else if (levels.size() > 1) {
          levels.pop_back();
        }
        awaitingOperand = false;
        break;
      case TokenKind::kFloorOpen:
        open.push_back(at);
        awaitingOperand = true;
        break;
      case TokenKind::kFloorClose: {
        // The innermost "[" of this level; what opened after it stays without a partner.
        std::size_t k = open.size();
        while (k > 0 && !units_[open[k - 1]].is('[')) --k;
        if (k > 0) {
          pair(open[k - 1], at);
          open.resize(k - 1);
        }
        awaitingOperand = false;
        break;
      }
      case TokenKind::kBar:
        if (!awaitingOperand && !open.empty() && units_[open.back()].is('|')) {
          pair(open.back(), at);
          open.pop_back();
        } else {
          open.push_back(at);
          awaitingOperand = true;
        }
        break;
      default: awaitingOperand = true; break;
    }
    at = t.end;
  }
}

Token NotationText::tokenAt(std::size_t at) const {
  const Unit& u = units_[at];
  const auto runOf = [&](auto&& belongs) {
    std::size_t end = at + 1;
    while (end < rewrittenEnd_ && belongs(units_[end], end)) ++end;
    return end;
  };
  switch (u.kind) {
    case UnitKind::kRoot: return {TokenKind::kRoot, at, at + 1};
    case UnitKind::kPi: return {TokenKind::kPiSign, at, at + 1};
    case UnitKind::kSuperscript:
      return {TokenKind::kSuperscript, at,
              runOf([](const Unit& v, std::size_t) { return v.kind == UnitKind::kSuperscript; })};
    case UnitKind::kSubscript:
      // Digits, with points between them (log₀.₅).
      return {TokenKind::kSubscript, at, runOf([&](const Unit& v, std::size_t i) {
                return v.kind == UnitKind::kSubscript ||
                       (v.is('.') && i + 1 < rewrittenEnd_ &&
                        units_[i + 1].kind == UnitKind::kSubscript);
              })};
    case UnitKind::kOther:
      return {u.code == kTheta ? TokenKind::kTheta : TokenKind::kOther, at, at + 1};
    case UnitKind::kAscii: break;
  }
  if (u.is(' ')) {
    return {TokenKind::kBlank, at, runOf([](const Unit& v, std::size_t) { return v.is(' '); })};
  }
  if (u.isDigitOrPoint()) {
    return {TokenKind::kNumber, at,
            runOf([](const Unit& v, std::size_t) { return v.isDigitOrPoint(); })};
  }
  if (u.isLetter()) return wordTokenAt(at);
  switch (u.ascii) {
    case '(': return {TokenKind::kOpen, at, at + 1};
    case ')': return {TokenKind::kClose, at, at + 1};
    case '|': return {TokenKind::kBar, at, at + 1};
    case '[': return {TokenKind::kFloorOpen, at, at + 1};
    case ']': return {TokenKind::kFloorClose, at, at + 1};
    case '+':
    case '-':
    case '*':
    case '/':
    case '^': return {TokenKind::kOperator, at, at + 1};
    default: return {TokenKind::kOther, at, at + 1};
  }
}

// A token inside a run of letters, split as the evaluator splits it: "x", the constant
// "e", "pi", and names that run up to an "x"; "exp" where no letter but "x" follows.
Token NotationText::wordTokenAt(std::size_t at) const {
  const auto unitIs = [&](std::size_t i, char c) { return i < rewrittenEnd_ && units_[i].is(c); };
  const char c = units_[at].ascii;
  if (c == 'x') return {TokenKind::kX, at, at + 1};
  if (c == 'e') {
    const bool exp = unitIs(at + 1, 'x') && unitIs(at + 2, 'p') &&
                     !(at + 3 < rewrittenEnd_ && isNameLetter(units_[at + 3]));
    if (exp) return {TokenKind::kExp, at, at + 3};
    return {TokenKind::kE, at, at + 1};
  }
  if (c == 'p' && unitIs(at + 1, 'i')) return {TokenKind::kPi, at, at + 2};
  std::size_t end = at;
  std::string name;
  while (end < rewrittenEnd_ && isNameLetter(units_[end])) name += units_[end++].ascii;
  if (name == "t" || name == "n" || name == "y" || name == "theta") {
    return {TokenKind::kVariable, at, end};
  }
  if (name == "sqrt") return {TokenKind::kSqrt, at, end};
  if (name == "log" && end < rewrittenEnd_) {
    if (units_[end].kind == UnitKind::kSubscript || units_[end].is('_')) {
      return {TokenKind::kLogBase, at, end};
    }
    std::size_t open = end;
    while (open < rewrittenEnd_ && units_[open].is(' ')) ++open;
    if (open < rewrittenEnd_ && units_[open].is('(') && topLevelComma(open) != kUnpaired) {
      return {TokenKind::kLogComma, at, end};
    }
  }
  if (isEvaluatorFunction(name)) return {TokenKind::kFunction, at, end};
  return {TokenKind::kUnknownName, at, end};
}

std::size_t NotationText::topLevelComma(std::size_t open) const {
  const std::size_t close = partner_[open];
  if (close == kUnpaired) return kUnpaired;
  // Inside round brackets, bars and floor brackets of its own a comma is not the one.
  for (std::size_t i = open + 1; i < close; ++i) {
    if (partner_[i] != kUnpaired && partner_[i] > i && partner_[i] < close) {
      i = partner_[i];
    } else if (units_[i].is(',')) {
      return i;
    }
  }
  return kUnpaired;
}

std::string NotationText::copied(std::size_t begin, std::size_t end) const {
  std::string out;
  for (std::size_t i = begin; i < end; ++i) out += units_[i].text();
  return out;
}

}  // namespace quorvel::notation
