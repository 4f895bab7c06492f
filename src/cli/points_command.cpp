// quorvel points: the key points of a list entry, found as the window's 分析 finds
// them, with the curve's own formulas.
#include <iostream>
#include <string>
#include <utility>
#include <vector>

#include "analysis/analysis_text.h"
#include "analysis/key_points.h"
#include "cli/command_support.h"
#include "cli/commands.h"
#include "cli/entry_curve.h"
#include "cli/list_opening.h"
#include "cli/option_parsing.h"

namespace quorvel::cli {

namespace {

constexpr OptionRule kPointsOptions[] = {{"--entry", true}, {"--with", true}, {"--value", true},
                                         {"--from", true},  {"--to", true},   {"--help", false}};

constexpr std::string_view kPointsUsage =
    "Usage: quorvel points LIST.QVX [--entry N] [--with M] [--value C] [--from A] [--to B]\n"
    "\n"
    "Prints the key points of entry N of the list file with x from A to B (within\n"
    "the curve's own ranges), one per line as KIND<TAB>X<TAB>Y, sorted by x. KIND\n"
    "is zero (where the curve crosses the x axis), max and min (the turns of a\n"
    "curve y = f(x)) or y-intercept; a circle, ellipse or hyperbola reports the\n"
    "points of each of its two branches. With --with M only the intersections of\n"
    "N and M are printed (KIND intersection), with --value C only the points where\n"
    "the curve takes the value C (KIND value). Numbers have seven significant\n"
    "digits.\n"
    "\n"
    "  --entry N   the entry, counted from 1 in the list's order (default 1)\n"
    "  --with M    a second entry: their intersections\n"
    "  --value C   where y = C\n"
    "  --from A    the smallest x (default -10)\n"
    "  --to B      the largest x (default 10)\n"
    "  --help      show this help\n"
    "\n"
    "Exit status: 0 done (also when there is no point); 1 the program refused the\n"
    "list file or the entry (its message is printed); 2 wrong usage; 3 the file\n"
    "could not be read.\n";

struct PointsRequest {
  int entry = 1;
  std::optional<int> with;
  std::optional<double> value;
  double from = -10;
  double to = 10;
};

std::string readRequest(const SplitWords& words, PointsRequest& request) {
  if (std::string problem = listOperandProblem(words); !problem.empty()) return problem;
  std::string problem;
  const std::optional<int> entry = entryOption(words, "--entry", 1, problem);
  if (words.has("--with")) request.with = entryOption(words, "--with", 1, problem);
  request.value = numberOption(words, "--value", problem);
  const std::optional<double> from = numberOption(words, "--from", problem);
  const std::optional<double> to = numberOption(words, "--to", problem);
  if (!problem.empty()) return problem;
  request.entry = *entry;
  request.from = from.value_or(request.from);
  request.to = to.value_or(request.to);
  if (!(request.from < request.to)) return "--from must be less than --to";
  return {};
}

}  // namespace

int pointsCommand(const std::vector<std::string>& args, std::istream& /*in*/, std::ostream& out,
                  std::ostream& err) {
  const SplitWords words = splitWords(args, kPointsOptions);
  if (!words.problem.empty()) return usageError(err, "points", words.problem, kPointsUsage);
  if (words.has("--help")) {
    out << kPointsUsage;
    return kExitDone;
  }
  PointsRequest request;
  if (const std::string problem = readRequest(words, request); !problem.empty()) {
    return usageError(err, "points", problem, kPointsUsage);
  }
  const std::filesystem::path list = words.operands.front();
  int exit = kExitDone;
  const std::optional<OpenedList> opened = openListFile("points", list, commandRandom(), err, exit);
  if (!opened) return exit;
  std::string problem;
  const std::optional<AnalysedCurve> curve = entryCurve(opened->list, request.entry, problem);
  std::optional<AnalysedCurve> other;
  if (curve && request.with) other = entryCurve(opened->list, *request.with, problem);
  if (!curve || (request.with && !other)) {
    err << "quorvel points: " << list.string() << ": " << problem << '\n';
    return kExitRefused;
  }
  // A parametric or polar curve has no key points of its own and meets none here.
  using Chosen = std::pair<int, const AnalysedCurve*>;
  for (const auto& [n, analysed] : {Chosen{request.entry, &*curve},
                                    Chosen{request.with.value_or(0), other ? &*other : nullptr}}) {
    if (analysed != nullptr && analysed->plane() != nullptr && !analysed->equation()) {
      err << "quorvel points: " << list.string() << ": entry " << n << ": "
          << kMessagePlaneCurveNotAnalysed << '\n';
      return kExitRefused;
    }
  }
  KeyPointQuery query;
  query.region.x = {request.from, request.to};
  // Either choice alone asks for its own kind of point only.
  query.basic = !request.with && !request.value;
  query.other = other ? &*other : nullptr;
  query.value = request.value;
  out << keyPointLines(findKeyPoints(*curve, query));
  return kExitDone;
}

}  // namespace quorvel::cli
