#include "analysis/region_program.h"

#include <cctype>
#include <string_view>

#include "analysis/linear_inequality_text.h"
#include "analysis/linear_program.h"
#include "analysis/linear_program_text.h"
#include "analysis/rational_text.h"

namespace quorvel {

namespace {

constexpr std::string_view kObjectiveSigns[] = {"<",      ">",      "=",     "\u2264",
                                                "\u2265", "\u2266", "\u2267"};

// The objective without a leading "z =" (any case, blanks and full-width forms
// allowed).
std::string objectiveBody(const std::string& typed) {
  const std::string text = plainInput(typed);
  std::size_t at = text.find_first_not_of(' ');
  if (at == std::string::npos || (text[at] != 'z' && text[at] != 'Z')) return text;
  at = text.find_first_not_of(' ', at + 1);
  if (at == std::string::npos || text[at] != '=') return text;
  return text.substr(at + 1);
}

// The evaluator's "2*x" as a textbook writes it, "2x", for the exact parser; any
// other product is left for the parser to refuse.
std::string withoutTimes(std::string_view tokens) {
  std::string out;
  for (std::size_t i = 0; i < tokens.size(); ++i) {
    const bool times =
        tokens[i] == '*' && i > 0 && i + 1 < tokens.size() &&
        (std::isdigit(static_cast<unsigned char>(tokens[i - 1])) != 0 || tokens[i - 1] == '.') &&
        (tokens[i + 1] == 'x' || tokens[i + 1] == 'y');
    if (!times) out += tokens[i];
  }
  return out;
}

// The stored inequalities, "; " between them.
std::vector<std::string> storedInequalities(const std::string& text) {
  std::vector<std::string> out;
  std::size_t from = 0;
  while (from <= text.size()) {
    std::size_t to = text.find(';', from);
    if (to == std::string::npos) to = text.size();
    const std::string part = text.substr(from, to - from);
    if (part.find_first_not_of(' ') != std::string::npos) out.push_back(withoutTimes(part));
    from = to + 1;
  }
  return out;
}

std::vector<std::string> cornerRow(const Corner& corner) {
  std::string y = rationalText(corner.point.y);
  if (!corner.included) y += "（不含）";
  return {"顶点", rationalText(corner.point.x), std::move(y)};
}

}  // namespace

std::string readLinearObjective(const std::string& typed, LinearObjective& out) {
  const std::string body = objectiveBody(typed);
  for (const std::string_view sign : kObjectiveSigns) {
    if (body.find(sign) != std::string::npos) return "目标函数不能含有不等号或等号";
  }
  std::string reason;
  // Read as the left side of an inequality: p·x + q·y ≤ −k.
  const std::vector<LinearConstraint> read = parseLinearInequality(body + " <= 0", reason);
  if (read.size() != 1) return reason.empty() ? "目标函数不是 x 和 y 的一次式" : reason;
  out = LinearObjective{read.front().a, read.front().b, -read.front().c};
  return {};
}

std::optional<RegionProgram> regionProgram(const RegionCurve& curve, std::string& reason) {
  std::vector<LinearConstraint> constraints;
  for (const std::string& text : storedInequalities(curve.text)) {
    const std::vector<LinearConstraint> read = parseLinearInequality(text, reason);
    if (read.empty()) return std::nullopt;
    constraints.insert(constraints.end(), read.begin(), read.end());
  }
  std::optional<LinearObjective> objective;
  if (curve.objective.find_first_not_of(' ') != std::string::npos) {
    LinearObjective z;
    reason = readLinearObjective(withoutTimes(curve.objective), z);
    if (!reason.empty()) return std::nullopt;
    objective = z;
  }
  const RegionOutcome outcome = feasibleRegion(constraints);
  if (!outcome.region) {
    reason = outcome.reason;
    return std::nullopt;
  }
  reason.clear();
  const FeasibleRegion& region = *outcome.region;
  RegionProgram out;
  if (region.shape == RegionShape::Empty) out.shape = "无可行解";
  if (region.shape == RegionShape::Unbounded) out.shape = "区域无界";
  for (const Corner& corner : region.corners) out.corners.push_back(cornerRow(corner));
  // An empty region has no optimum to tell beyond 无可行解 itself.
  if (objective && region.shape != RegionShape::Empty) {
    const ObjectiveResult result = optimise(region, objective->p, objective->q);
    for (const bool maximum : {true, false}) {
      Optimum optimum = maximum ? result.maximum : result.minimum;
      optimum.value += objective->k;
      out.optima.push_back(optimumText(optimum, maximum));
    }
  }
  return out;
}

}  // namespace quorvel
