// quorvel table: a table of values of a list entry, with the curve's own formula.
#include <iostream>
#include <string>
#include <vector>

#include "analysis/value_table.h"
#include "cli/command_support.h"
#include "cli/commands.h"
#include "cli/entry_curve.h"
#include "cli/list_opening.h"
#include "cli/option_parsing.h"

namespace quorvel::cli {

namespace {

constexpr OptionRule kTableOptions[] = {{"--entry", true}, {"--from", true}, {"--to", true},
                                        {"--step", true},  {"--csv", false}, {"--help", false}};

constexpr std::string_view kTableUsage =
    "Usage: quorvel table LIST.QVX [--entry N] --from A --to B --step H [--csv]\n"
    "\n"
    "Prints a table of values of entry N of the list file: x = A + i × H for i = 0,\n"
    "1, … while x does not pass B, and the curve's y there, as X<TAB>Y lines (a\n"
    "circle, ellipse, hyperbola or sideways parabola gives X<TAB>Y1<TAB>Y2, one\n"
    "column per branch). For a parametric curve the steps are of t and the lines\n"
    "T<TAB>X<TAB>Y; for a polar curve of θ, with THETA<TAB>RHO<TAB>X<TAB>Y. A value\n"
    "is empty where the curve has no point. At most 10000 rows. Numbers have\n"
    "seven significant digits.\n"
    "\n"
    "  --entry N   the entry, counted from 1 in the list's order (default 1)\n"
    "  --from A    the first x (t, θ)\n"
    "  --to B      the last x (t, θ)\n"
    "  --step H    the step, more than 0\n"
    "  --csv       comma-separated values with a header line (x,y; x,y1,y2;\n"
    "              t,x,y; θ,ρ,x,y)\n"
    "  --help      show this help\n"
    "\n"
    "Exit status: 0 done; 1 the program refused the list file, the entry or the\n"
    "table (its message is printed); 2 wrong usage; 3 the file could not be read.\n";

struct TableRequest {
  int entry = 1;
  double from = 0, to = 0, step = 0;
};

std::string readRequest(const SplitWords& words, TableRequest& request) {
  if (std::string problem = listOperandProblem(words); !problem.empty()) return problem;
  for (const char* needed : {"--from", "--to", "--step"}) {
    if (!words.has(needed)) return std::string(needed) + " is needed";
  }
  std::string problem;
  const std::optional<int> entry = entryOption(words, "--entry", 1, problem);
  const std::optional<double> from = numberOption(words, "--from", problem);
  const std::optional<double> to = numberOption(words, "--to", problem);
  const std::optional<double> step = numberOption(words, "--step", problem);
  if (!problem.empty()) return problem;
  request = {*entry, *from, *to, *step};
  return {};
}

}  // namespace

int tableCommand(const std::vector<std::string>& args, std::istream& /*in*/, std::ostream& out,
                 std::ostream& err) {
  const SplitWords words = splitWords(args, kTableOptions);
  if (!words.problem.empty()) return usageError(err, "table", words.problem, kTableUsage);
  if (words.has("--help")) {
    out << kTableUsage;
    return kExitDone;
  }
  TableRequest request;
  if (const std::string problem = readRequest(words, request); !problem.empty()) {
    return usageError(err, "table", problem, kTableUsage);
  }
  const std::filesystem::path list = words.operands.front();
  int exit = kExitDone;
  const std::optional<OpenedList> opened = openListFile("table", list, commandRandom(), err, exit);
  if (!opened) return exit;
  std::string problem;
  const std::optional<AnalysedCurve> curve = entryCurve(opened->list, request.entry, problem);
  if (!curve) {
    err << "quorvel table: " << list.string() << ": " << problem << '\n';
    return kExitRefused;
  }
  const std::optional<ValueTable> table =
      valueTable(*curve, request.from, request.to, request.step, problem);
  if (!table) {
    err << "quorvel table: " << problem << '\n';
    return kExitRefused;
  }
  out << valueTableText(*table, words.has("--csv"));
  return kExitDone;
}

}  // namespace quorvel::cli
