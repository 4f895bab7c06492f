#include "cli/plane_curve_add.h"

#include <filesystem>
#include <optional>
#include <string_view>

#include "cli/command_support.h"
#include "cli/commands.h"
#include "cli/list_opening.h"
#include "document/equation_entry.h"
#include "document/parametric_entry.h"
#include "plot/plotter.h"

namespace quorvel::cli {

namespace {

std::string valueOr(const SplitWords& words, std::string_view option, std::string fallback) {
  const std::string* v = words.value(option);
  return v != nullptr ? *v : std::move(fallback);
}

// The options of the fourteen families, which say nothing about these curves.
constexpr std::string_view kClassicOptions[] = {"--family", "--form", "--p1",     "--p2",
                                                "--p3",     "--expr", "--x-from", "--x-to",
                                                "--y-from", "--y-to", "--int",    "--no-int"};

std::string requestProblem(const SplitWords& words) {
  if (std::string problem = listOperandProblem(words); !problem.empty()) return problem;
  if (words.operands.front().empty()) return "the list file name is empty";
  if (words.has("--equation")) {
    for (const std::string_view option : {"--xt", "--yt", "--polar", "--from", "--to"}) {
      if (words.has(option)) return std::string(option) + " does not apply to an equation";
    }
  }
  const bool polar = words.has("--polar");
  if (polar && (words.has("--xt") || words.has("--yt"))) {
    return "give --polar or --xt and --yt, not both";
  }
  if (!polar && !words.has("--equation") && !(words.has("--xt") && words.has("--yt"))) {
    return "a parametric curve needs both --xt and --yt";
  }
  for (const std::string_view option : kClassicOptions) {
    if (words.has(option)) {
      return std::string(option) + " does not apply to a parametric or polar curve or an equation";
    }
  }
  return colourOptionProblem(words);
}

}  // namespace

bool asksForPlaneCurve(const SplitWords& words) {
  return words.has("--xt") || words.has("--yt") || words.has("--polar") || words.has("--equation");
}

std::string planeCurveUsage() {
  return "  --xt TEXT, --yt TEXT\n"
         "                    a parametric curve x = x(t), y = y(t) instead of a family:\n"
         "                    texts in t as a textbook writes them (\"3cos t\", \"2sin 3t\")\n"
         "  --polar TEXT      a polar curve ρ = ρ(θ) instead of a family, in θ (typed θ\n"
         "                    or theta): \"2sin 3θ\", \"1+cos theta\"\n"
         "  --from TEXT, --to TEXT\n"
         "                    the range of t or θ, constants such as 0, -pi, 2π\n"
         "                    (default 0 to 2π)\n"
         "  --equation TEXT   an equation in x and y instead of a family, with one \"=\":\n"
         "                    \"x^2/4+y^2=1\", \"x*y=1\", \"y²=4x\", \"x³+y³=3xy\"; drawn\n"
         "                    over the whole picture\n"
         "                    A list file (.QVX) keeps only the fourteen families: such a\n"
         "                    curve is kept in a list document (.QVJ); into a .QVX it is\n"
         "                    refused, the file left as it was.\n";
}

int addPlaneCurve(const SplitWords& words, const std::string& usage, std::ostream& out,
                  std::ostream& err) {
  if (const std::string problem = requestProblem(words); !problem.empty()) {
    return usageError(err, "add", problem, usage);
  }
  const std::filesystem::path file = words.operands.front();
  int exit = kExitDone;
  std::optional<ListToChange> target = openListToChange(file, commandRandom(), err, exit);
  if (!target) return exit;
  const std::int32_t colour = target->colourOf(words);
  const std::string from = valueOr(words, "--from", "0");
  const std::string to = valueOr(words, "--to", "2pi");
  TypedCurveReading typed;
  if (const std::string* equation = words.value("--equation")) {
    typed = readTypedEquation(EquationCurve{*equation, colour});
  } else if (const std::string* rho = words.value("--polar")) {
    PolarCurve curve;
    curve.rho = *rho;
    curve.from = from;
    curve.to = to;
    curve.colour = colour;
    typed = readTypedPolar(curve);
  } else {
    ParametricCurve curve;
    curve.x = *words.value("--xt");
    curve.y = *words.value("--yt");
    curve.from = from;
    curve.to = to;
    curve.colour = colour;
    typed = readTypedParametric(curve);
  }
  if (!typed.entry) {
    err << typed.reading.refusal.title << ": " << typed.reading.refusal.message << '\n';
    if (!typed.detail.empty()) err << typed.detail << '\n';
    return kExitRefused;
  }
  target->list.add(*typed.entry);
  if (exit = writeListFile("add", file, target->list, target->existing, err); exit != kExitDone) {
    return exit;
  }
  out << typed.entry->line << '\n';
  return kExitDone;
}

}  // namespace quorvel::cli
