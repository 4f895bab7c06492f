// Reading a piecewise function piece by piece: each interval's ends (numbers, or an
// infinity at the side it belongs to, in order), each expression tried over its own
// interval, then the intervals against each other, since no x may have two values.
#include "document/piecewise_entry.h"

#include <cmath>
#include <limits>
#include <utility>

#include "catalogue/curve_rules.h"
#include "catalogue/entry_text.h"
#include "catalogue/input_boxes.h"
#include "catalogue/textbook_expression.h"
#include "eval/number_text.h"
#include "eval/status.h"

namespace quorvel {

namespace {

constexpr int kTrials = 11;
// How far an infinite side of a piece is tried.
constexpr double kTriedReach = 100.0;

std::string trimmed(const std::string& text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return std::string();
  return withoutTrailingBlanks(text.substr(first));
}

std::string pieceName(std::size_t piece) { return "第 " + std::to_string(piece + 1) + " 段"; }

struct Problem {
  PieceFault fault;
  Refusal refusal;
};

Problem problemOf(std::size_t piece, PieceBox box, std::string message) {
  Problem p;
  p.fault.piece = piece;
  p.fault.box = box;
  p.refusal = {kTitleError, std::move(message)};
  return p;
}

// An end: an infinity of its own side, or a constant evaluated to a finite number.
std::optional<Problem> readEnd(std::size_t piece, PieceBox box, const std::string& text,
                               double& value) {
  const std::string name = pieceBoxName(piece, box);
  if (trimmed(text).empty()) return problemOf(piece, box, name + "不能为空");
  if (const int sign = infinityOf(text); sign != 0) {
    if ((sign < 0) != (box == PieceBox::kFrom)) {
      return problemOf(piece, box, "−∞ 只能作左端点，+∞ 只能作右端点");
    }
    value = sign * std::numeric_limits<double>::infinity();
    return std::nullopt;
  }
  Problem p = problemOf(piece, box, name + "不是一个数");
  if (constantInDouble(text, value, p.fault.status, p.fault.stop)) return std::nullopt;
  return p;
}

// Where a piece's expression is tried: even points of its interval, an infinite side
// reaching kTriedReach beyond the other end.
double trialPoint(const PieceShape& piece, int trial) {
  double lo = piece.from, hi = piece.to;
  if (!std::isfinite(lo) && !std::isfinite(hi)) {
    lo = -kTriedReach;
    hi = kTriedReach;
  } else if (!std::isfinite(lo)) {
    lo = hi - kTriedReach;
  } else if (!std::isfinite(hi)) {
    hi = lo + kTriedReach;
  }
  return lo + (hi - lo) * trial / (kTrials - 1);
}

// An expression in x: a failure of the arithmetic at some point is allowed (the piece
// breaks there), one of the text itself is not.
std::optional<Problem> expressionProblem(std::size_t index, const PieceShape& piece) {
  const std::string name = pieceBoxName(index, PieceBox::kExpression);
  if (piece.expression.empty()) return problemOf(index, PieceBox::kExpression, name + "不能为空");
  if (!bracketsBalanced(piece.expression)) {
    return problemOf(index, PieceBox::kExpression, kMessageBracketError);
  }
  for (int trial = 0; trial < kTrials; ++trial) {
    const double at = trialPoint(piece, trial);
    EvalState state;
    Problem p = problemOf(index, PieceBox::kExpression, kMessageExpressionError);
    p.fault.stop = EpcLocated(state, piece.expression, singleText(static_cast<float>(at)));
    p.fault.status = state.evalStatus;
    switch (state.evalStatus) {
      case kOk:
      case kInvalidArgument:
      case kOverflow:
      case kDivisionByZero: continue;
      case kUndefinedToken: p.refusal.message = kMessageUndefinedCharacter; return p;
      default: return p;
    }
  }
  return std::nullopt;
}

// Whether two intervals share an x: one ends after the other starts, or on its start
// when both hold that point.
bool overlap(const PieceShape& a, const PieceShape& b) {
  const PieceShape& left = a.from <= b.from ? a : b;
  const PieceShape& right = a.from <= b.from ? b : a;
  if (left.to > right.from) return true;
  return left.to == right.from && left.toIncluded && right.fromIncluded;
}

// The ASCII line of the list's readers: "y={x+1, x<0; x^2, x>=0}".
std::string conditionText(const Piece& piece, bool textbook) {
  const auto end = [textbook](const std::string& text) {
    return textbook ? textbookExpression(trimmed(text)) : trimmed(text);
  };
  const char* less = textbook ? " < " : "<";
  const char* lessEqual = textbook ? " ≤ " : "<=";
  const char* greater = textbook ? " > " : ">";
  const char* greaterEqual = textbook ? " ≥ " : ">=";
  const bool lowOpen = infinityOf(piece.from) != 0;
  const bool highOpen = infinityOf(piece.to) != 0;
  if (lowOpen && highOpen) return textbook ? "x ∈ R" : "all x";
  if (lowOpen) return std::string("x") + (piece.toIncluded ? lessEqual : less) + end(piece.to);
  if (highOpen) {
    return std::string("x") + (piece.fromIncluded ? greaterEqual : greater) + end(piece.from);
  }
  return end(piece.from) + (piece.fromIncluded ? lessEqual : less) + "x" +
         (piece.toIncluded ? lessEqual : less) + end(piece.to);
}

std::string lineOf(const PiecewiseCurve& curve) {
  std::string out = "y={";
  for (std::size_t i = 0; i < curve.pieces.size(); ++i) {
    if (i > 0) out += "; ";
    out += trimmed(curve.pieces[i].expression) + ", " + conditionText(curve.pieces[i], false);
  }
  return out + "}";
}

}  // namespace

int infinityOf(const std::string& text) {
  std::string t;
  for (const char ch : text) {
    if (ch != ' ') t.push_back(ch);
  }
  int sign = 1;
  for (const std::string minus : {"-", "\xE2\x88\x92", "\xEF\xBC\x8D"}) {
    if (t.starts_with(minus)) {
      sign = -1;
      t.erase(0, minus.size());
      break;
    }
  }
  if (sign > 0) {
    for (const std::string plus : {"+", "\xEF\xBC\x8B"}) {
      if (t.starts_with(plus)) {
        t.erase(0, plus.size());
        break;
      }
    }
  }
  return t == "inf" || t == "INF" || t == "Inf" || t == "\xE2\x88\x9E" ? sign : 0;
}

std::string pieceBoxName(std::size_t piece, PieceBox box) {
  switch (box) {
    case PieceBox::kExpression: return pieceName(piece) + "的式子";
    case PieceBox::kFrom: return pieceName(piece) + "的左端点";
    case PieceBox::kTo: return pieceName(piece) + "的右端点";
  }
  return std::string();
}

EntryReading readPiecewise(const PiecewiseCurve& curve, std::optional<PieceFault>* fault) {
  EntryReading out;
  out.line = lineOf(curve);
  const auto refuse = [&](Problem problem) {
    out.refusal = std::move(problem.refusal);
    if (fault != nullptr) *fault = problem.fault;
    return out;
  };
  if (curve.pieces.empty())
    return refuse(problemOf(0, PieceBox::kExpression, "分段函数至少要有一段"));
  if (curve.pieces.size() > kMaxPieces) {
    return refuse(problemOf(kMaxPieces, PieceBox::kExpression, "分段函数最多六段"));
  }
  PiecewiseShape shape;
  for (std::size_t i = 0; i < curve.pieces.size(); ++i) {
    const Piece& typed = curve.pieces[i];
    PieceShape piece;
    piece.expression = asciiLower(trimmed(typed.expression));
    std::optional<Problem> problem = readEnd(i, PieceBox::kFrom, typed.from, piece.from);
    if (!problem) problem = readEnd(i, PieceBox::kTo, typed.to, piece.to);
    if (problem) return refuse(std::move(*problem));
    // An infinite end is never a point of the piece.
    piece.fromIncluded = typed.fromIncluded && std::isfinite(piece.from);
    piece.toIncluded = typed.toIncluded && std::isfinite(piece.to);
    if (!(piece.from < piece.to)) {
      return refuse(problemOf(i, PieceBox::kFrom, pieceName(i) + "的左端点必须小于右端点"));
    }
    if (std::optional<Problem> wrong = expressionProblem(i, piece))
      return refuse(std::move(*wrong));
    shape.pieces.push_back(std::move(piece));
  }
  for (std::size_t a = 0; a < shape.pieces.size(); ++a) {
    for (std::size_t b = a + 1; b < shape.pieces.size(); ++b) {
      if (overlap(shape.pieces[a], shape.pieces[b])) {
        return refuse(
            problemOf(b, PieceBox::kFrom, pieceName(a) + "与" + pieceName(b) + "的区间重叠"));
      }
    }
  }
  EntryCurve read = kindCurve(kPiecewiseFamily, curve.colour, out.line, printedPiecewise(curve));
  read.piecewise = std::move(shape);
  out.curve = std::move(read);
  return out;
}

PiecewiseCurve rewrittenPiecewise(const PiecewiseCurve& typed) {
  PiecewiseCurve r = typed;
  const auto end = [](const std::string& text) {
    if (const int sign = infinityOf(text); sign != 0) return std::string(sign < 0 ? "-inf" : "inf");
    return trimmed(rewriteNotation(text, NotationBox::kValue).text);
  };
  for (Piece& piece : r.pieces) {
    piece.expression = trimmed(rewriteNotation(piece.expression, NotationBox::kExpression).text);
    piece.from = end(piece.from);
    piece.to = end(piece.to);
  }
  return r;
}

TypedPiecewiseReading readTypedPiecewise(const PiecewiseCurve& typed) {
  const PiecewiseCurve rewritten = rewrittenPiecewise(typed);
  TypedPiecewiseReading out;
  out.reading = readPiecewise(rewritten, &out.fault);
  if (out.reading.curve) {
    out.entry = ListEntry{.content = rewritten,
                          .ticked = true,
                          .line = out.reading.curve->text,
                          .printed = out.reading.curve->printed};
  } else if (out.fault && out.fault->piece < typed.pieces.size()) {
    const Piece& piece = typed.pieces[out.fault->piece];
    const bool expression = out.fault->box == PieceBox::kExpression;
    const std::string& text = expression                          ? piece.expression
                              : out.fault->box == PieceBox::kFrom ? piece.from
                                                                  : piece.to;
    out.place = faultPlace(
        rewriteNotation(text, expression ? NotationBox::kExpression : NotationBox::kValue), text,
        out.fault->status, out.fault->stop);
    out.detail = inputErrorDetail(pieceBoxName(out.fault->piece, out.fault->box), out.place);
  }
  return out;
}

std::string printedPiecewise(const PiecewiseCurve& curve) {
  std::string out = "f(x) = {";
  for (std::size_t i = 0; i < curve.pieces.size(); ++i) {
    if (i > 0) out += "; ";
    out += textbookExpression(trimmed(curve.pieces[i].expression)) + ", " +
           conditionText(curve.pieces[i], true);
  }
  return out + "}";
}

}  // namespace quorvel
