// quorvel tangent, derivative, integral and monotonic: the calculus of a list entry
// y = f(x), with the same cores and the curve's own formula as the analysis window.
#include <cmath>
#include <iostream>
#include <string>
#include <vector>

#include "analysis/analysis_text.h"
#include "analysis/curve_calculus.h"
#include "analysis/curve_tangent.h"
#include "analysis/value_table.h"
#include "cli/command_support.h"
#include "cli/commands.h"
#include "cli/entry_curve.h"
#include "cli/list_opening.h"
#include "cli/option_parsing.h"
#include "document/typed_record.h"
#include "eval/number_text.h"

namespace quorvel::cli {

namespace {

constexpr std::string_view kExitText =
    "Exit status: 0 done; 1 the program refused the list file, the entry or the\n"
    "computation (its message is printed); 2 wrong usage; 3 the file could not be\n"
    "read.\n";

constexpr std::string_view kNumbersText =
    "A number may be typed as in the analysis window's boxes (\"π/2\", \"e\", \"2√3\").\n"
    "Numbers are printed with seven significant digits.\n";

std::string usage(std::string_view head) {
  return std::string(head) + "\n" + std::string(kNumbersText) + "\n" + std::string(kExitText);
}

// A number option typed as the analysis window's boxes take it; nullopt when absent,
// the problem when it is no finite number.
std::optional<double> typedOption(const SplitWords& words, std::string_view option,
                                  std::string& problem) {
  const std::string* text = words.value(option);
  if (text == nullptr) return std::nullopt;
  double value = 0;
  if (typedNumber(*text, value) != kOk || !std::isfinite(value)) {
    if (problem.empty()) problem = std::string(option) + " must be a number, not '" + *text + "'";
    return std::nullopt;
  }
  return value;
}

// The checks every calculus command makes of its words before opening the list.
std::string commonProblem(const SplitWords& words, std::initializer_list<const char*> needed) {
  if (std::string problem = listOperandProblem(words); !problem.empty()) return problem;
  for (const char* option : needed) {
    if (!words.has(option)) return std::string(option) + " is needed";
  }
  return {};
}

// The list opened and entry n read as a curve y = f(x) (any curve the analysis reads
// unless `functionOnly`); nullopt after the message is printed, with the exit status in
// `exit`.
std::optional<AnalysedCurve> openCurve(std::string_view command, const SplitWords& words, int n,
                                       std::ostream& err, int& exit, bool functionOnly = true) {
  const std::filesystem::path list = words.operands.front();
  const std::optional<OpenedList> opened = openListFile(command, list, commandRandom(), err, exit);
  if (!opened) return std::nullopt;
  std::string problem;
  std::optional<AnalysedCurve> curve = entryCurve(opened->list, n, problem);
  if (curve && functionOnly && !curve->functionOfX()) {
    problem = "entry " + std::to_string(n) + ": " + kMessageNotFunctionOfX;
    curve.reset();
  }
  if (!curve) {
    err << "quorvel " << command << ": " << list.string() << ": " << problem << '\n';
    exit = kExitRefused;
  }
  return curve;
}

int refuse(std::string_view command, const std::string& reason, std::ostream& err) {
  err << "quorvel " << command << ": " << reason << '\n';
  return kExitRefused;
}

// What all four commands do first: the words split, --help answered, the common
// checks made. Returns the exit status when the command ends here.
std::optional<int> start(std::string_view command, const SplitWords& words,
                         const std::string& usageText, std::initializer_list<const char*> needed,
                         std::ostream& out, std::ostream& err) {
  if (!words.problem.empty()) return usageError(err, command, words.problem, usageText);
  if (words.has("--help")) {
    out << usageText;
    return kExitDone;
  }
  if (const std::string problem = commonProblem(words, needed); !problem.empty()) {
    return usageError(err, command, problem, usageText);
  }
  return std::nullopt;
}

}  // namespace

int tangentCommand(const std::vector<std::string>& args, std::istream& /*in*/, std::ostream& out,
                   std::ostream& err) {
  static constexpr OptionRule kOptions[] = {{"--entry", true},   {"--at", true},
                                            {"--t", true},       {"--point", true},
                                            {"--normal", false}, {"--help", false}};
  static const std::string kUsage = usage(
      "Usage: quorvel tangent LIST.QVX [--entry N] --at X0 [--normal]\n"
      "       quorvel tangent LIST.QVX [--entry N] --t T0 [--normal]\n"
      "       quorvel tangent LIST.QVX [--entry N] --point X,Y [--normal]\n"
      "\n"
      "Prints the tangent (with --normal the normal) of the curve of entry N, as the\n"
      "lines\n"
      "  point<TAB>X<TAB>Y    (the point of contact)\n"
      "  slope<TAB>M          (inf for a vertical line)\n"
      "  equation<TAB>y = 2x − 1\n"
      "The point is given by x = X0 on a curve y = f(x), by the parameter t (θ) on a\n"
      "parametric (polar) curve, or as a point of the curve on any curve: an equation\n"
      "F(x, y) = G(x, y), a circle, ellipse, hyperbola or parabola, a vertical line.\n"
      "A point within a hundredth of its size (at least of 1) of the curve is moved\n"
      "onto it first. A point where the curve has no derivative (a corner, a pole, an\n"
      "end of its range, a crossing of the curve with itself) is refused with the\n"
      "reason.\n"
      "\n"
      "  --entry N     the entry, counted from 1 in the list's order (default 1)\n"
      "  --at X0       the x of the point of contact on a curve y = f(x)\n"
      "  --t T0        the parameter t (θ) of a parametric (polar) curve\n"
      "  --point X,Y   a point of the curve, as \"3,4\" (one word)\n"
      "  --normal      the normal instead of the tangent\n"
      "  --help        show this help\n");
  const SplitWords words = splitWords(args, kOptions);
  if (auto done = start("tangent", words, kUsage, {}, out, err)) return *done;
  const int places = int{words.has("--at")} + int{words.has("--t")} + int{words.has("--point")};
  if (places != 1)
    return usageError(err, "tangent", "--at is needed, or --t or --point (one of them)", kUsage);
  std::string problem;
  const std::optional<int> entry = entryOption(words, "--entry", 1, problem);
  const std::optional<double> at = typedOption(words, "--at", problem);
  const std::optional<double> t0 = typedOption(words, "--t", problem);
  std::optional<PlanePoint> point;
  if (const std::string* text = words.value("--point")) {
    point = typedPoint(*text);
    if (!point && problem.empty()) problem = "--point must be X,Y, not '" + *text + "'";
  }
  if (!problem.empty()) return usageError(err, "tangent", problem, kUsage);
  int exit = kExitDone;
  const std::optional<AnalysedCurve> curve =
      openCurve("tangent", words, *entry, err, exit, words.has("--at"));
  if (!curve) return exit;
  const TangentOutcome outcome = at   ? curveTangentAtX(*curve, *at)
                                 : t0 ? curveTangentAtParameter(*curve, *t0)
                                      : curveTangentNear(*curve, *point, pointReach(*point));
  if (!outcome.tangent) return refuse("tangent", outcome.reason, err);
  out << tangentLines(*outcome.tangent, words.has("--normal"));
  return kExitDone;
}

int derivativeCommand(const std::vector<std::string>& args, std::istream& /*in*/, std::ostream& out,
                      std::ostream& err) {
  static constexpr OptionRule kOptions[] = {
      {"--entry", true},   {"--from", true},   {"--to", true},   {"--step", true},
      {"--second", false}, {"--zeros", false}, {"--help", false}};
  static const std::string kUsage = usage(
      "Usage: quorvel derivative LIST.QVX [--entry N] --from A --to B --step H [--second]\n"
      "       quorvel derivative LIST.QVX [--entry N] --from A --to B --zeros [--second]\n"
      "\n"
      "Prints the derivative f′(x) (with --second f″(x)) of the curve y = f(x) of\n"
      "entry N at x = A + i × H for i = 0, 1, … while x does not pass B, as\n"
      "X<TAB>D lines; D is empty where f has no derivative. At most 10000 rows.\n"
      "With --zeros it prints instead the x in [A, B] where the derivative is zero,\n"
      "one per line.\n"
      "\n"
      "  --entry N   the entry, counted from 1 in the list's order (default 1)\n"
      "  --from A    the first x\n"
      "  --to B      the last x\n"
      "  --step H    the step, more than 0\n"
      "  --second    the second derivative\n"
      "  --zeros     the zeros of the derivative instead of a table\n"
      "  --help      show this help\n");
  const SplitWords words = splitWords(args, kOptions);
  const bool zeros = words.has("--zeros");
  if (auto done = start("derivative", words, kUsage, {"--from", "--to"}, out, err)) return *done;
  if (!zeros && !words.has("--step"))
    return usageError(err, "derivative", "--step is needed", kUsage);
  std::string problem;
  const std::optional<int> entry = entryOption(words, "--entry", 1, problem);
  const std::optional<double> from = typedOption(words, "--from", problem);
  const std::optional<double> to = typedOption(words, "--to", problem);
  const std::optional<double> step = typedOption(words, "--step", problem);
  if (problem.empty() && zeros && !(*from < *to)) problem = "--from must be less than --to";
  if (!problem.empty()) return usageError(err, "derivative", problem, kUsage);
  int exit = kExitDone;
  const std::optional<AnalysedCurve> curve = openCurve("derivative", words, *entry, err, exit);
  if (!curve) return exit;
  const ScalarFunction d =
      derivativeOfCurve(*curveFunction(*curve, problem), words.has("--second") ? 2 : 1);
  if (zeros) {
    const Samples samples = sampleFunction(d, *from, *to);
    std::vector<double> found = zerosOf(d, samples);
    // A zero found twice a few ulps apart is one.
    double last = -kUnbounded;
    for (const double x : found) {
      const double t = tidied(x, *to - *from);
      if (std::abs(t - last) <= 1e-9 * (*to - *from)) continue;
      last = t;
      out << decimalText(t) << '\n';
    }
    return kExitDone;
  }
  // The rows are the table of values' rows, with its limits and refusals.
  const std::optional<ValueTable> table = valueTable(*curve, *from, *to, *step, problem);
  if (!table) return refuse("derivative", problem, err);
  for (const ValueRow& row : table->rows) {
    const std::optional<double> v = d(row.x);
    out << decimalText(row.x) << '\t' << (v ? decimalText(*v) : std::string()) << '\n';
  }
  return kExitDone;
}

int integralCommand(const std::vector<std::string>& args, std::istream& /*in*/, std::ostream& out,
                    std::ostream& err) {
  static constexpr OptionRule kOptions[] = {
      {"--entry", true}, {"--with", true}, {"--from", true}, {"--to", true}, {"--help", false}};
  static const std::string kUsage = usage(
      "Usage: quorvel integral LIST.QVX [--entry N] [--with M] --from A --to B\n"
      "\n"
      "Prints the definite integral of the curve y = f(x) of entry N from A to B and\n"
      "the area between the curve and the x axis, as the lines\n"
      "  integral<TAB>V\n"
      "  area<TAB>S\n"
      "With --with M: of f − g, where g is entry M, and the area between the two\n"
      "curves. An interval holding a pole or a point where f is undefined is refused.\n"
      "\n"
      "  --entry N   the entry, counted from 1 in the list's order (default 1)\n"
      "  --with M    a second entry: the area between the two curves\n"
      "  --from A    the lower bound\n"
      "  --to B      the upper bound\n"
      "  --help      show this help\n");
  const SplitWords words = splitWords(args, kOptions);
  if (auto done = start("integral", words, kUsage, {"--from", "--to"}, out, err)) return *done;
  std::string problem;
  const std::optional<int> entry = entryOption(words, "--entry", 1, problem);
  std::optional<int> with;
  if (words.has("--with")) with = entryOption(words, "--with", 1, problem);
  const std::optional<double> from = typedOption(words, "--from", problem);
  const std::optional<double> to = typedOption(words, "--to", problem);
  if (!problem.empty()) return usageError(err, "integral", problem, kUsage);
  int exit = kExitDone;
  const std::optional<AnalysedCurve> curve = openCurve("integral", words, *entry, err, exit);
  if (!curve) return exit;
  std::optional<AnalysedCurve> other;
  if (with) {
    other = openCurve("integral", words, *with, err, exit);
    if (!other) return exit;
  }
  const ScalarFunction f = *curveFunction(*curve, problem);
  const IntegralOutcome outcome =
      other ? integrateBetween(f, *curveFunction(*other, problem), *from, *to)
            : integrate(f, *from, *to);
  if (!outcome.result) return refuse("integral", outcome.reason, err);
  out << integralLines(*outcome.result);
  return kExitDone;
}

int monotonicCommand(const std::vector<std::string>& args, std::istream& /*in*/, std::ostream& out,
                     std::ostream& err) {
  static constexpr OptionRule kOptions[] = {
      {"--entry", true}, {"--from", true}, {"--to", true}, {"--help", false}};
  static const std::string kUsage = usage(
      "Usage: quorvel monotonic LIST.QVX [--entry N] --from A --to B\n"
      "\n"
      "Prints where the curve y = f(x) of entry N rises (增) and falls (减) for x\n"
      "from A to B, one interval a line as KIND<TAB>LO<TAB>HI<TAB>ENDS, where ENDS\n"
      "is [] , [), (] or () as the ends belong to the interval or not (a pole and\n"
      "a point left out of the domain do not); a constant stretch is 常. Then the\n"
      "extrema inside the range as max<TAB>X<TAB>Y and min<TAB>X<TAB>Y.\n"
      "\n"
      "  --entry N   the entry, counted from 1 in the list's order (default 1)\n"
      "  --from A    the smallest x\n"
      "  --to B      the largest x\n"
      "  --help      show this help\n");
  const SplitWords words = splitWords(args, kOptions);
  if (auto done = start("monotonic", words, kUsage, {"--from", "--to"}, out, err)) return *done;
  std::string problem;
  const std::optional<int> entry = entryOption(words, "--entry", 1, problem);
  const std::optional<double> from = typedOption(words, "--from", problem);
  const std::optional<double> to = typedOption(words, "--to", problem);
  if (problem.empty() && !(*from < *to)) problem = "--from must be less than --to";
  if (!problem.empty()) return usageError(err, "monotonic", problem, kUsage);
  int exit = kExitDone;
  const std::optional<AnalysedCurve> curve = openCurve("monotonic", words, *entry, err, exit);
  if (!curve) return exit;
  // Within the curve's own range: its ends are where the curve ends.
  const Interval range = Interval{*from, *to}.meet(curve->own().x);
  if (!(range.lo < range.hi)) return kExitDone;
  out << monotonicLines(
      curveMonotonicity(*curve, *curveFunction(*curve, problem), range.lo, range.hi));
  return kExitDone;
}

}  // namespace quorvel::cli
