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
#include "analysis/region_program.h"
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

void printOptimum(std::ostream& out, const FeasibleRegion& region, const LinearObjective& z,
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
  LinearObjective maximise, minimise;
  for (const auto& [option, objective] :
       {std::pair{"--max", &maximise}, std::pair{"--min", &minimise}}) {
    const std::string* text = words.value(option);
    if (text == nullptr) continue;
    if (const std::string reason = readLinearObjective(*text, *objective); !reason.empty()) {
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
