// quorvel calc: the evaluator on the command line, exactly as the plotter runs it.
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/commands.h"
#include "eval/epc.h"
#include "eval/input_text.h"
#include "eval/status.h"

namespace quorvel::cli {

namespace {

constexpr std::string_view kCalcUsage =
    "Usage: quorvel calc [--x XTEXT] [--raw] EXPRESSION\n"
    "       quorvel calc [--x XTEXT] --stdin\n"
    "\n"
    "Evaluates EXPRESSION exactly as typed (no lower-casing), the way the plotter\n"
    "evaluates a user-defined curve, at the x given as the decimal text XTEXT.\n"
    "\n"
    "  --x XTEXT  the value of x as text (default 1); also --x=XTEXT\n"
    "  --raw      print STATUS<TAB>RESULT and exit 0 whatever the status\n"
    "  --stdin    read lines XTEXT<TAB>EXPRESSION from standard input and print\n"
    "             STATUS<TAB>RESULT for each; a line without a tab is an\n"
    "             expression at the --x text\n"
    "  --help     show this help\n"
    "  --         the next word is the expression even if it starts with --\n"
    "\n"
    "Without --raw the result is printed and the exit status is 0; a failed\n"
    "evaluation prints 'quorvel: status N: MEANING' on standard error, exit 1.\n"
    "Statuses: 0 success, -1 undefined character, -2 malformed expression,\n"
    "5 invalid argument, 6 overflow, 9 stack exhausted, 11 division by zero,\n"
    "13 a number that does not convert.\n";

struct CalcOptions {
  std::string xText = "1";
  bool raw = false;
  bool fromStdin = false;
  bool help = false;
  std::vector<std::string> expressions;
};

// Reads the words after "calc"; returns the problem, or an empty text when the
// words make sense.
std::string parseCalcArguments(const std::vector<std::string>& args, CalcOptions& options) {
  bool optionsEnded = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& word = args[i];
    // Expressions such as '-x^2' start with one "-"; options start with two.
    if (optionsEnded || word.rfind("--", 0) != 0) {
      options.expressions.push_back(word);
    } else if (word == "--") {
      optionsEnded = true;
    } else if (word == "--raw") {
      options.raw = true;
    } else if (word == "--stdin") {
      options.fromStdin = true;
    } else if (word == "--help") {
      options.help = true;
    } else if (word == "--x") {
      if (i + 1 >= args.size()) return "--x needs a value";
      options.xText = args[++i];
    } else if (word.rfind("--x=", 0) == 0) {
      options.xText = word.substr(4);
    } else {
      return "unknown option '" + word + "'";
    }
  }
  if (options.help) return {};
  if (options.fromStdin && !options.expressions.empty()) {
    return "--stdin reads the expressions from standard input; give none here";
  }
  if (!options.fromStdin && options.expressions.size() != 1) {
    return options.expressions.empty() ? "an EXPRESSION is needed"
                                       : "give exactly one EXPRESSION (quote it)";
  }
  return {};
}

void printRaw(std::ostream& out, const EvalState& state) {
  out << std::to_string(state.evalStatus) << '\t' << state.evalResult << '\n';
}

int evaluateLines(std::istream& in, std::ostream& out, const std::string& defaultXText) {
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::string xText = defaultXText;
    std::string expression = line;
    const std::size_t tab = line.find('\t');
    if (tab != std::string::npos) {
      xText = line.substr(0, tab);
      expression = line.substr(tab + 1);
    }
    EvalState state;
    Epc(state, asciiFromFullWidth(expression), asciiFromFullWidth(xText));
    printRaw(out, state);
    out.flush();  // a driving program waits for each answer
  }
  return in.bad() ? kExitFileError : kExitDone;
}

}  // namespace

int calcCommand(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                std::ostream& err) {
  CalcOptions options;
  const std::string problem = parseCalcArguments(args, options);
  if (!problem.empty()) {
    err << "quorvel calc: " << problem << "\n\n" << kCalcUsage;
    return kExitUsage;
  }
  if (options.help) {
    out << kCalcUsage;
    return kExitDone;
  }
  if (options.fromStdin) return evaluateLines(in, out, options.xText);

  // Typed as a user types into the panel: full-width forms are read as ASCII.
  EvalState state;
  Epc(state, asciiFromFullWidth(options.expressions.front()), asciiFromFullWidth(options.xText));
  if (options.raw) {
    printRaw(out, state);
    return kExitDone;
  }
  if (state.evalStatus != kOk) {
    err << "quorvel: status " << std::to_string(state.evalStatus) << ": "
        << statusMeaning(state.evalStatus) << '\n';
    return kExitRefused;
  }
  out << state.evalResult << '\n';
  return kExitDone;
}

}  // namespace quorvel::cli
