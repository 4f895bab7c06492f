// quorvel lp: a linear program in x and y typed on the command line, solved exactly
// by the core the region entries use: the corners of the feasible region and the
// optimum of z, in the texts the window shows.
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/linear_inequality_text.h"
#include "analysis/linear_program.h"
#include "analysis/linear_program_text.h"
#include "analysis/rational_text.h"
#include "cli/command_support.h"
#include "cli/commands.h"
#include "cli/option_parsing.h"

namespace quorvel::cli {

namespace {

constexpr OptionRule kLpOptions[] = {{"--max", true}, {"--min", true}, {"--help", false}};

constexpr std::string_view kLpUsage =
    "Usage: quorvel lp INEQUALITY... [--max Z] [--min Z]\n"
    "\n"
    "Solves a linear program in x and y exactly (in fractions): prints the corners\n"
    "of the feasible region of the inequalities, in order round its boundary, and\n"
    "the maximum and the minimum of the objective Z over it.\n"
    "\n"
    "  INEQUALITY  one inequality, or a chain 0 <= x <= 3, as a textbook writes it:\n"
    "              \"x + y <= 4\", \"2x - y ≥ -1\", \"y > 1/2x + 3\"; the signs\n"
    "              <, <=, ≤, >, >=, ≥; coefficients whole, decimal or fractions\n"
    "  --max Z     the objective to maximise, linear in x and y: \"2x + y\", or\n"
    "              \"z = 2x + y\"\n"
    "  --min Z     the objective to minimise (both may be given, with the same or\n"
    "              another objective)\n"
    "  --help      show this help\n"
    "  --          the next words are inequalities even if they start with --\n"
    "\n"
    "Printed: 顶点: and the corners, (4/3, 5/3) with fractions where they are not\n"
    "whole and （不含） after a corner that a strict inequality leaves out;\n"
    "区域无界 when the region runs to infinity; then a line for each objective:\n"
    "最大值 7，在 (3, 1) 处取得, a tie along an edge as 在线段 (0, 4)—(2, 2) 上各点\n"
    "取得, 无最大值（无界） when it grows without end. An empty region prints 无可行解.\n"
    "\n"
    "Exit status: 0 solved (an empty or unbounded region included); 1 an\n"
    "inequality or an objective that cannot be read (错误: and why); 2 wrong usage.\n";

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

// z = p·x + q·y + k read from its text; the reason it cannot be, or empty.
struct Objective {
  mpq_class p, q, k;
};

std::string readObjective(const std::string& typed, Objective& out) {
  const std::string body = objectiveBody(typed);
  for (const std::string_view sign : kObjectiveSigns) {
    if (body.find(sign) != std::string::npos) return "目标函数不能含有不等号或等号";
  }
  std::string reason;
  // Read as the left side of an inequality: p·x + q·y ≤ −k.
  const std::vector<LinearConstraint> read = parseLinearInequality(body + " <= 0", reason);
  if (read.size() != 1) return reason.empty() ? "目标函数不是 x 和 y 的一次式" : reason;
  out = Objective{read.front().a, read.front().b, -read.front().c};
  return {};
}

void printOptimum(std::ostream& out, const FeasibleRegion& region, const Objective& z,
                  bool maximum) {
  const ObjectiveResult result = optimise(region, z.p, z.q);
  Optimum optimum = maximum ? result.maximum : result.minimum;
  optimum.value += z.k;
  out << optimumText(optimum, maximum) << '\n';
}

}  // namespace

int lpCommand(const std::vector<std::string>& args, std::istream& /*in*/, std::ostream& out,
              std::ostream& err) {
  const SplitWords words = splitWords(args, kLpOptions);
  if (!words.problem.empty()) return usageError(err, "lp", words.problem, kLpUsage);
  if (words.has("--help")) {
    out << kLpUsage;
    return kExitDone;
  }
  if (words.operands.empty()) return usageError(err, "lp", "give the inequalities", kLpUsage);
  if (words.operands.size() > kMostInequalities) {
    return usageError(err, "lp", "at most " + std::to_string(kMostInequalities) + " inequalities",
                      kLpUsage);
  }
  std::vector<LinearConstraint> constraints;
  for (std::size_t i = 0; i < words.operands.size(); ++i) {
    std::string reason;
    const std::vector<LinearConstraint> read = parseLinearInequality(words.operands[i], reason);
    if (read.empty()) {
      err << "错误: 第 " << i + 1 << " 个不等式“" << words.operands[i] << "”：" << reason << '\n';
      return kExitRefused;
    }
    constraints.insert(constraints.end(), read.begin(), read.end());
  }
  Objective maximise, minimise;
  for (const auto& [option, objective] :
       {std::pair{"--max", &maximise}, std::pair{"--min", &minimise}}) {
    const std::string* text = words.value(option);
    if (text == nullptr) continue;
    if (const std::string reason = readObjective(*text, *objective); !reason.empty()) {
      err << "错误: 目标函数“" << *text << "”：" << reason << '\n';
      return kExitRefused;
    }
  }
  const RegionOutcome outcome = feasibleRegion(constraints);
  if (!outcome.region) {
    err << "错误: " << outcome.reason << '\n';
    return kExitRefused;
  }
  const FeasibleRegion& region = *outcome.region;
  if (region.shape == RegionShape::Empty) {
    out << "无可行解\n";
    return kExitDone;
  }
  out << "顶点: " << (region.corners.empty() ? "无" : cornersText(region)) << '\n';
  if (region.shape == RegionShape::Unbounded) out << "区域无界\n";
  if (words.has("--max")) printOptimum(out, region, maximise, true);
  if (words.has("--min")) printOptimum(out, region, minimise, false);
  return kExitDone;
}

}  // namespace quorvel::cli
