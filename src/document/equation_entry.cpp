// Reading an equation: one "=", a side on each hand of it, x or y somewhere, each side
// a text the evaluator reads in x and y, and a curve somewhere round the origin.
#include "document/equation_entry.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>
#include <vector>

#include "catalogue/curve_rules.h"
#include "catalogue/entry_text.h"
#include "catalogue/input_boxes.h"
#include "catalogue/textbook_expression.h"
#include "document/equation_curve.h"
#include "eval/epc.h"
#include "eval/notation.h"
#include "eval/number_text.h"
#include "eval/status.h"
#include "eval/variables.h"

namespace quorvel {

namespace {

constexpr std::string_view kFullWidthEquals = "\xEF\xBC\x9D";  // ＝

// Where a side is tried: off the axes and off round numbers, each sign of x and y. A
// fault of the text shows at any point; the reading runs for every picture drawn.
constexpr std::array<std::array<double, 2>, 3> kTrialPoints = {
    {{0.5, 0.25}, {-1.5, 2.5}, {3.7, -1.3}}};

std::string trimmed(const std::string& text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return std::string();
  return withoutTrailingBlanks(text.substr(first));
}

// The equals signs of a text: where each starts and how many bytes it takes.
struct Sign {
  std::size_t at = 0;
  std::size_t length = 0;
};
std::vector<Sign> equalsSigns(std::string_view text) {
  std::vector<Sign> out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '=') {
      out.push_back({i, 1});
    } else if (text.compare(i, kFullWidthEquals.size(), kFullWidthEquals) == 0) {
      out.push_back({i, kFullWidthEquals.size()});
      i += kFullWidthEquals.size() - 1;
    }
  }
  return out;
}

bool isLetter(char ch) { return ch >= 'a' && ch <= 'z'; }

// The evaluator's end of a text: everything after a "#" is a comment.
std::string_view beforeComment(std::string_view text) {
  return text.substr(0, std::min(text.find('#'), text.size()));
}

bool readsX(std::string_view side) {
  return beforeComment(side).find_first_of("xX") != std::string_view::npos;
}

// y as a whole name: a run of letters (split at x, as the evaluator splits names) that
// is "y" alone.
bool readsY(std::string_view side) {
  side = beforeComment(side);
  for (std::size_t i = 0; i < side.size(); ++i) {
    if (!isLetter(side[i]) || side[i] == 'x') continue;
    std::size_t end = i;
    while (end < side.size() && isLetter(side[end]) && side[end] != 'x') ++end;
    if (side.substr(i, end - i) == "y") return true;
    i = end;
  }
  return false;
}

// Whether the token at `stop` is another kind's variable (t, θ, theta).
bool isOtherVariable(const std::string& text, EvalStop stop) {
  if (stop.offset >= text.size()) return false;
  const std::string token = text.substr(stop.offset, stop.length);
  return token == "t" || token == "theta" || text.compare(stop.offset, 2, "\xCE\xB8") == 0;
}

struct Problem {
  CurveBoxFault fault;
  Refusal refusal;
};

Problem refused(CurveBox box, std::string message) {
  return Problem{{.box = box, .status = kOk, .stop = {}}, {kTitleError, std::move(message)}};
}

// A side tried at the trial points: a failure of the arithmetic at some point is
// allowed (the curve breaks there), one of the text itself is not.
std::optional<Problem> sideProblem(CurveBox box, const std::string& side) {
  if (side.empty()) {
    return refused(box, box == CurveBox::kFirst ? "等号左边不能为空" : "等号右边不能为空");
  }
  if (!bracketsBalanced(side)) return refused(box, kMessageBracketError);
  Problem p;
  p.fault.box = box;
  for (const auto& [x, y] : kTrialPoints) {
    EvalState state;
    p.fault.stop = EpcLocated(state, side, singleText(static_cast<float>(x)),
                              VariableTexts{}.set(Variable::kY, singleText(static_cast<float>(y))));
    p.fault.status = state.evalStatus;
    switch (state.evalStatus) {
      case kOk:
      case kInvalidArgument:
      case kOverflow:
      case kDivisionByZero: continue;
      case kUndefinedToken:
        p.refusal = {kTitleError, isOtherVariable(side, p.fault.stop) ? "方程只能用变量 x 和 y"
                                                                      : kMessageUndefinedCharacter};
        return p;
      default: p.refusal = {kTitleError, kMessageExpressionError}; return p;
    }
  }
  return std::nullopt;
}

// The sides of a text with exactly one equals sign, or the problem with its signs.
std::optional<Problem> splitSides(const std::string& text, std::string& left, std::string& right) {
  if (trimmed(text).empty()) return refused(CurveBox::kFirst, "方程不能为空");
  const std::vector<Sign> signs = equalsSigns(text);
  if (signs.empty()) return refused(CurveBox::kFirst, "方程要有一个等号“=”，如 x^2+y^2=4");
  if (signs.size() > 1) return refused(CurveBox::kFirst, "方程只能有一个等号“=”");
  left = trimmed(text.substr(0, signs[0].at));
  right = trimmed(text.substr(signs[0].at + signs[0].length));
  return std::nullopt;
}

constexpr std::string_view kMinusSign = "\xE2\x88\x92";  // −

// A side as a textbook prints it, its terms spaced apart: "x²/4 + y²". A sign that
// begins the side, a bracket or an exponent is no term's sign and stays close.
std::string printedSide(const std::string& side) {
  const std::string printed = textbookExpression(trimmed(side));
  std::string out;
  int depth = 0;
  for (std::size_t i = 0; i < printed.size(); ++i) {
    const char ch = printed[i];
    if (ch == '(') ++depth;
    if (ch == ')') --depth;
    const bool plus = ch == '+';
    const bool minus = printed.compare(i, kMinusSign.size(), kMinusSign) == 0;
    const char last = out.empty() ? '\0' : out.back();
    const bool afterTerm = last != '\0' && last != '(' && last != '^' && last != '*' &&
                           last != '/' && last != ' ' && last != 'E' && last != 'e';
    if ((plus || minus) && depth == 0 && afterTerm) {
      out += plus ? std::string(" + ") : " " + std::string(kMinusSign) + " ";
      i += plus ? 0 : kMinusSign.size() - 1;
      continue;
    }
    out += ch;
  }
  return out;
}

std::size_t characterCount(std::string_view text) {
  std::size_t n = 0;
  for (const char ch : text) n += (static_cast<unsigned char>(ch) & 0xC0) != 0x80 ? 1 : 0;
  return n;
}

}  // namespace

EntryReading readEquation(const EquationCurve& curve, std::optional<CurveBoxFault>* fault) {
  EntryReading out;
  out.line = trimmed(curve.text);
  std::string left, right;
  std::optional<Problem> problem = splitSides(curve.text, left, right);
  if (!problem) {
    out.line = left + "=" + right;
    if (!left.empty() && !right.empty() && !readsX(left) && !readsX(right) && !readsY(left) &&
        !readsY(right)) {
      problem = refused(CurveBox::kFirst, "方程要含有变量 x 或 y");
    }
  }
  if (!problem) problem = sideProblem(CurveBox::kFirst, left);
  if (!problem) problem = sideProblem(CurveBox::kSecond, right);
  PlaneCurveShape shape{.kind = PlaneKind::kEquation, .first = left, .second = right, .range = {}};
  if (!problem) {
    const SignCensus census = planeCensus(equationFunction(shape));
    if (censusAlwaysTrue(census)) {
      problem = refused(CurveBox::kFirst, "方程对所有的 x、y 都成立，画不出曲线");
    } else if (!censusHasCurve(census)) {
      problem = refused(CurveBox::kFirst, "方程在坐标平面上处处不成立，画不出曲线");
    }
  }
  if (problem) {
    out.refusal = std::move(problem->refusal);
    if (fault != nullptr) *fault = problem->fault;
    return out;
  }
  EntryCurve drawn = kindCurve(kEquationFamily, curve.colour, out.line, printedEquation(curve));
  drawn.plane = std::move(shape);
  out.curve = std::move(drawn);
  return out;
}

EquationCurve rewrittenEquation(const EquationCurve& typed) {
  EquationCurve r = typed;
  const std::vector<Sign> signs = equalsSigns(typed.text);
  // Without a single sign the text is refused as typed, its sides unknown.
  if (signs.size() != 1) {
    r.text = trimmed(rewriteNotation(typed.text, NotationBox::kExpression).text);
    return r;
  }
  const std::string_view text = typed.text;
  const std::string_view left = text.substr(0, signs[0].at);
  const std::string_view right = text.substr(signs[0].at + signs[0].length);
  r.text = trimmed(rewriteNotation(left, NotationBox::kExpression).text) + "=" +
           trimmed(rewriteNotation(right, NotationBox::kExpression).text);
  return r;
}

TypedCurveReading readTypedEquation(const EquationCurve& typed) {
  const EquationCurve rewritten = rewrittenEquation(typed);
  std::optional<CurveBoxFault> fault;
  EntryReading reading = readEquation(rewritten, &fault);
  TypedCurveReading out;
  out.fault = fault;
  if (reading.curve) {
    out.entry = ListEntry{.content = rewritten,
                          .ticked = true,
                          .line = reading.curve->text,
                          .printed = reading.curve->printed};
  } else if (fault) {
    const std::vector<Sign> signs = equalsSigns(typed.text);
    if (signs.size() == 1 && fault->status != kOk) {
      const std::string_view text = typed.text;
      const bool left = fault->box == CurveBox::kFirst;
      const std::size_t start = left ? 0 : signs[0].at + signs[0].length;
      const std::string_view side = left ? text.substr(0, signs[0].at) : text.substr(start);
      out.place = faultPlace(rewriteNotation(side, NotationBox::kExpression), side, fault->status,
                             fault->stop);
      if (out.place) {
        out.place->character += characterCount(text.substr(0, start));
        // The end of the left side is the equals sign.
        if (left && out.place->atEnd()) {
          out.place->length = 1;
          out.place->text = std::string(text.substr(signs[0].at, signs[0].length));
        }
      }
    }
    out.detail = inputErrorDetail(kEquationBoxName, out.place);
  }
  out.reading = std::move(reading);
  return out;
}

std::string printedEquation(const EquationCurve& curve) {
  const std::vector<Sign> signs = equalsSigns(curve.text);
  if (signs.size() != 1) return trimmed(curve.text);
  return printedSide(curve.text.substr(0, signs[0].at)) + " = " +
         printedSide(curve.text.substr(signs[0].at + signs[0].length));
}

}  // namespace quorvel

namespace quorvel {

bool sideReadsXOrY(const std::string& side) { return readsX(side) || readsY(side); }

std::string printedEquationSide(const std::string& side) { return printedSide(side); }

}  // namespace quorvel
