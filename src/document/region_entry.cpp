// Reading a region: the inequalities split apart, each sign found, each side read as an
// equation's side is (x and y, the evaluator's tokens), and the straight ones told
// apart so that their region is drawn as an exact polygon.
#include "document/region_entry.h"

#include <array>
#include <cmath>
#include <memory>
#include <string_view>
#include <utility>

#include "catalogue/curve_rules.h"
#include "document/equation_curve.h"
#include "document/equation_entry.h"
#include "eval/epc.h"
#include "eval/notation.h"
#include "eval/number_text.h"
#include "eval/status.h"
#include "eval/variables.h"

namespace quorvel {

namespace {

// A whole region's text: far more than any system a class writes, and within what a
// list document keeps of a field.
constexpr std::size_t kMostTextBytes = 4000;

constexpr std::string_view kFullWidthSemicolon = "\xEF\xBC\x9B";  // ；
constexpr std::string_view kFullWidthComma = "\xEF\xBC\x8C";      // ，
constexpr std::string_view kFullWidthEquals = "\xEF\xBC\x9D";     // ＝

struct SignForm {
  std::string_view text;
  Relation relation;
};
// The signs as typed, longest first where one begins another.
constexpr std::array<SignForm, 12> kSigns = {{
    {"<=", Relation::LessOrEqual},
    {">=", Relation::GreaterOrEqual},
    {"\xE2\x89\xA4", Relation::LessOrEqual},     // ≤
    {"\xE2\x89\xA6", Relation::LessOrEqual},     // ≦
    {"\xE2\xA9\xBD", Relation::LessOrEqual},     // ⩽
    {"\xE2\x89\xA5", Relation::GreaterOrEqual},  // ≥
    {"\xE2\x89\xA7", Relation::GreaterOrEqual},  // ≧
    {"\xE2\xA9\xBE", Relation::GreaterOrEqual},  // ⩾
    {"\xEF\xBC\x9C", Relation::Less},            // ＜
    {"\xEF\xBC\x9E", Relation::Greater},         // ＞
    {"<", Relation::Less},
    {">", Relation::Greater},
}};

const char* storedSign(Relation r) {
  switch (r) {
    case Relation::Less: return "<";
    case Relation::LessOrEqual: return "<=";
    case Relation::Greater: return ">";
    case Relation::GreaterOrEqual: return ">=";
  }
  return "<";
}

const char* printedSign(Relation r) {
  switch (r) {
    case Relation::Less: return "<";
    case Relation::LessOrEqual: return "\xE2\x89\xA4";
    case Relation::Greater: return ">";
    case Relation::GreaterOrEqual: return "\xE2\x89\xA5";
  }
  return "<";
}

bool lessward(Relation r) { return r == Relation::Less || r == Relation::LessOrEqual; }

std::string trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t\r\n");
  if (first == std::string_view::npos) return std::string();
  const std::size_t last = text.find_last_not_of(" \t\r\n");
  return std::string(text.substr(first, last - first + 1));
}

// The inequalities of a text: split at line ends, semicolons and commas outside
// brackets (the evaluator has no use for a comma), the empty ones left out.
std::vector<std::string> pieces(std::string_view text) {
  std::vector<std::string> out;
  int depth = 0;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= text.size(); ++i) {
    std::size_t length = 0;
    if (i == text.size()) {
      length = 1;
    } else if (text[i] == '(' || text[i] == '[') {
      ++depth;
    } else if (text[i] == ')' || text[i] == ']') {
      --depth;
    } else if (text[i] == '\n' || text[i] == '\r' || text[i] == ';') {
      length = 1;
    } else if (depth <= 0 && text[i] == ',') {
      length = 1;
    } else if (text.compare(i, kFullWidthSemicolon.size(), kFullWidthSemicolon) == 0 ||
               (depth <= 0 && text.compare(i, kFullWidthComma.size(), kFullWidthComma) == 0)) {
      length = kFullWidthSemicolon.size();
    }
    if (length == 0) continue;
    if (std::string piece = trimmed(text.substr(start, i - start)); !piece.empty()) {
      out.push_back(std::move(piece));
    }
    start = i + length;
    i = start - 1;
  }
  return out;
}

// An inequality split at its signs: the sides, and the sign between each two.
struct Chain {
  std::vector<std::string> sides;
  std::vector<Relation> relations;
};
Chain chainOf(std::string_view piece) {
  Chain out;
  std::size_t start = 0;
  for (std::size_t i = 0; i < piece.size(); ++i) {
    for (const SignForm& sign : kSigns) {
      if (piece.compare(i, sign.text.size(), sign.text) != 0) continue;
      out.sides.push_back(trimmed(piece.substr(start, i - start)));
      out.relations.push_back(sign.relation);
      start = i + sign.text.size();
      i = start - 1;
      break;
    }
  }
  out.sides.push_back(trimmed(piece.substr(start)));
  return out;
}

bool hasEquals(std::string_view side) {
  return side.find('=') != std::string_view::npos ||
         side.find(kFullWidthEquals) != std::string_view::npos;
}

// Where a side is tried, as an equation's sides are: a fault of the text shows at any
// point, a failure of the arithmetic is only a place outside the region.
constexpr std::array<std::array<double, 2>, 3> kTrialPoints = {
    {{0.5, 0.25}, {-1.5, 2.5}, {3.7, -1.3}}};

std::optional<std::string> sideProblem(const std::string& side) {
  if (side.empty()) return "不等号的两边都要有式子";
  if (hasEquals(side)) return "不等式里不能有等号“=”，请用 ≤ 或 ≥";
  if (!bracketsBalanced(side)) return kMessageBracketError;
  for (const auto& [x, y] : kTrialPoints) {
    EvalState state;
    EpcLocated(state, side, singleText(static_cast<float>(x)),
               VariableTexts{}.set(Variable::kY, singleText(static_cast<float>(y))));
    switch (state.evalStatus) {
      case kOk:
      case kInvalidArgument:
      case kOverflow:
      case kDivisionByZero: continue;
      case kUndefinedToken:
        return std::string(kMessageUndefinedCharacter) + "（不等式只能用变量 x 和 y）";
      default: return kMessageExpressionError;
    }
  }
  return std::nullopt;
}

// f as a x + b y + c when it is one: its value at three points gives a, b and c, and
// at points far apart, off the axes and off round numbers, it must agree to the
// last digits a double keeps. x², |x|, 1/x, sin x or a step fail somewhere there.
std::optional<HalfPlane> affineOf(const PlaneFunction& f, Relation relation) {
  const std::optional<double> c = finiteValue(f, 0, 0);
  const std::optional<double> atX = finiteValue(f, 1, 0);
  const std::optional<double> atY = finiteValue(f, 0, 1);
  if (!c || !atX || !atY) return std::nullopt;
  const HalfPlane plane{*atX - *c, *atY - *c, *c, relation};
  if (plane.a == 0 && plane.b == 0) return std::nullopt;
  constexpr std::array<std::array<double, 2>, 7> kChecks = {{{2.5, -1.75},
                                                             {-3.25, 4.5},
                                                             {17.5, 9.25},
                                                             {-120.5, -64.25},
                                                             {0.125, -0.375},
                                                             {1000.5, -2000.25},
                                                             {-0.7, -0.3}}};
  for (const auto& [x, y] : kChecks) {
    const std::optional<double> v = finiteValue(f, x, y);
    if (!v) return std::nullopt;
    const double expected = plane.a * x + plane.b * y + plane.c;
    const double size = std::fabs(plane.a * x) + std::fabs(plane.b * y) + std::fabs(plane.c);
    if (std::fabs(*v - expected) > 1e-9 * size) return std::nullopt;
  }
  return plane;
}

std::string objectiveProblem(const std::string& objective) {
  if (std::optional<std::string> problem = sideProblem(objective)) return *problem;
  if (!sideReadsXOrY(objective)) return "目标函数要含有变量 x 或 y";
  return std::string();
}

std::string named(std::size_t index, std::size_t count, const std::string& piece,
                  const std::string& why) {
  if (count == 1) return why;
  return "第 " + std::to_string(index + 1) + " 个不等式“" + piece + "”：" + why;
}

}  // namespace

bool RegionSystem::linear() const {
  for (const RegionInequality& inequality : inequalities) {
    if (!inequality.line) return false;
  }
  return true;
}

std::vector<Inequality> regionInequalities(const RegionSystem& system) {
  std::vector<Inequality> out;
  out.reserve(system.inequalities.size());
  for (const RegionInequality& inequality : system.inequalities) {
    const PlaneCurveShape shape{.kind = PlaneKind::kEquation,
                                .first = inequality.left,
                                .second = inequality.right,
                                .range = {}};
    out.push_back(Inequality{equationFunction(shape), inequality.relation});
  }
  return out;
}

RegionParse parseRegion(const RegionCurve& curve) {
  RegionParse out;
  if (curve.text.size() > kMostTextBytes) {
    out.problem = "不等式写得太长了";
    return out;
  }
  const std::vector<std::string> all = pieces(curve.text);
  if (all.empty()) {
    out.problem = "请输入不等式，如 y > x^2 或 x + y <= 4";
    return out;
  }
  RegionSystem system;
  for (std::size_t i = 0; i < all.size(); ++i) {
    const auto refuse = [&](const std::string& why) {
      out.problem = named(i, all.size(), all[i], why);
      return out;
    };
    const Chain chain = chainOf(all[i]);
    if (chain.relations.empty()) {
      return refuse(hasEquals(all[i]) ? "这是等式：不等式要用 <、≤、>、≥（或 <=、>=）"
                                      : "要有不等号 <、≤、>、≥（或 <=、>=），如 y > x^2");
    }
    if (chain.relations.size() > 2) return refuse("最多连写两个不等号，如 0 <= x <= 3");
    if (chain.relations.size() == 2 &&
        lessward(chain.relations[0]) != lessward(chain.relations[1])) {
      return refuse("连写的两个不等号方向要一致，如 0 <= x <= 3");
    }
    bool variable = false;
    for (const std::string& side : chain.sides) {
      if (std::optional<std::string> problem = sideProblem(side)) return refuse(*problem);
      variable = variable || sideReadsXOrY(side);
    }
    if (!variable) return refuse("不等式要含有变量 x 或 y");
    for (std::size_t k = 0; k < chain.relations.size(); ++k) {
      if (system.inequalities.size() == kMostRegionInequalities) {
        out.problem = "不等式太多了：最多 " + std::to_string(kMostRegionInequalities) + " 个";
        return out;
      }
      RegionInequality inequality{chain.sides[k], chain.sides[k + 1], chain.relations[k], {}};
      const std::vector<Inequality> one = regionInequalities(RegionSystem{{inequality}, {}, {}});
      inequality.line = affineOf(one.front().f, inequality.relation);
      system.inequalities.push_back(std::move(inequality));
    }
  }
  system.objective = trimmed(curve.objective);
  if (!system.objective.empty()) {
    if (const std::string problem = objectiveProblem(system.objective); !problem.empty()) {
      out.problem = "目标函数：" + problem;
      return out;
    }
    const PlaneCurveShape shape{
        .kind = PlaneKind::kEquation, .first = system.objective, .second = "0", .range = {}};
    system.objectiveLine = affineOf(equationFunction(shape), Relation::LessOrEqual);
    if (!system.objectiveLine) {
      out.problem = "目标函数要是 x、y 的一次式，如 z = 2x + y";
      return out;
    }
  }
  out.system = std::move(system);
  return out;
}

EntryReading readRegion(const RegionCurve& curve) {
  EntryReading out;
  std::vector<std::string> all = pieces(curve.text);
  std::string line;
  for (const std::string& piece : all) line += (line.empty() ? "" : ", ") + piece;
  out.line = line.empty() ? trimmed(curve.text) : line;
  RegionParse parse = parseRegion(curve);
  if (!parse.system) {
    out.refusal = {kTitleError, parse.problem};
    return out;
  }
  EntryCurve drawn = kindCurve(kRegionFamily, curve.colour, out.line, printedRegion(curve));
  drawn.region = std::make_shared<const RegionSystem>(std::move(*parse.system));
  out.curve = std::move(drawn);
  return out;
}

RegionCurve rewrittenRegion(const RegionCurve& typed) {
  RegionCurve r = typed;
  r.text.clear();
  for (const std::string& piece : pieces(typed.text)) {
    const Chain chain = chainOf(piece);
    // Without a sign the piece is refused as typed (the rewrite would drop a "y =").
    std::string rewritten = chain.relations.empty() ? piece : std::string();
    for (std::size_t k = 0; k < chain.sides.size() && !chain.relations.empty(); ++k) {
      rewritten += trimmed(rewriteNotation(chain.sides[k], NotationBox::kExpression).text);
      if (k < chain.relations.size()) rewritten += storedSign(chain.relations[k]);
    }
    r.text += (r.text.empty() ? "" : "; ") + rewritten;
  }
  // "z = 2x + y" or "2x + y": the objective's name is no part of it.
  std::string objective = trimmed(typed.objective);
  const std::size_t equals = objective.find('=');
  if (equals != std::string::npos) {
    const std::string name = trimmed(objective.substr(0, equals));
    if (name == "z" || name == "Z") objective = trimmed(objective.substr(equals + 1));
  }
  r.objective = objective.empty()
                    ? std::string()
                    : trimmed(rewriteNotation(objective, NotationBox::kExpression).text);
  return r;
}

TypedRegionReading readTypedRegion(const RegionCurve& typed) {
  const RegionCurve rewritten = rewrittenRegion(typed);
  TypedRegionReading out;
  out.reading = readRegion(rewritten);
  if (out.reading.curve) {
    out.entry = ListEntry{.content = rewritten,
                          .ticked = true,
                          .line = out.reading.curve->text,
                          .printed = out.reading.curve->printed};
  }
  return out;
}

std::string printedRegion(const RegionCurve& curve) {
  std::string out;
  for (const std::string& piece : pieces(curve.text)) {
    const Chain chain = chainOf(piece);
    std::string printed;
    for (std::size_t k = 0; k < chain.sides.size(); ++k) {
      printed += printedEquationSide(chain.sides[k]);
      if (k < chain.relations.size()) {
        printed += std::string(" ") + printedSign(chain.relations[k]) + " ";
      }
    }
    out += (out.empty() ? "" : ", ") + printed;
  }
  if (const std::string objective = trimmed(curve.objective); !objective.empty()) {
    out += "；z = " + printedEquationSide(objective);
  }
  return out;
}

}  // namespace quorvel
