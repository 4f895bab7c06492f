#include "cli/marked_add.h"

#include <filesystem>
#include <string_view>

#include "cli/command_support.h"
#include "cli/commands.h"
#include "cli/list_opening.h"
#include "document/parametric_entry.h"
#include "document/piecewise_entry.h"
#include "document/point_list_entry.h"
#include "plot/plotter.h"

namespace quorvel::cli {

namespace {

// The options of the other kinds, which say nothing about these.
constexpr std::string_view kOtherOptions[] = {
    "--family", "--form", "--p1",  "--p2",     "--p3", "--p4", "--expr",  "--x-from", "--x-to",
    "--y-from", "--y-to", "--int", "--no-int", "--xt", "--yt", "--polar", "--from",   "--to"};

std::string trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return std::string();
  return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

std::string requestProblem(const SplitWords& words) {
  if (std::string problem = listOperandProblem(words, "LIST.QVJ"); !problem.empty()) return problem;
  if (words.operands.front().empty()) return "the list file name is empty";
  if (words.has("--piece") && words.has("--points")) return "give --piece or --points, not both";
  for (const std::string_view option : kOtherOptions) {
    if (words.has(option)) {
      return std::string(option) + " does not apply to a piecewise function or points";
    }
  }
  return colourOptionProblem(words);
}

}  // namespace

std::optional<Piece> parsePieceOption(const std::string& value, std::string& problem) {
  const std::string text = trimmed(value);
  const auto refuse = [&](const std::string& why) -> std::optional<Piece> {
    problem = "--piece '" + value + "': " + why;
    return std::nullopt;
  };
  if (text.empty() || (text.back() != ')' && text.back() != ']')) {
    return refuse("it must end in an interval such as [0, 1) or (-inf, 0)");
  }
  // The interval's opening bracket: the last one at the depth of its closing one.
  int depth = 0;
  std::size_t open = std::string::npos;
  for (std::size_t i = text.size(); i-- > 0;) {
    const char ch = text[i];
    if (ch == ')' || ch == ']') ++depth;
    if ((ch == '(' || ch == '[') && --depth == 0) {
      open = i;
      break;
    }
  }
  if (open == std::string::npos) return refuse("the interval's opening bracket is missing");
  const std::string inside = text.substr(open + 1, text.size() - open - 2);
  std::size_t comma = std::string::npos;
  depth = 0;
  for (std::size_t i = 0; i < inside.size(); ++i) {
    if (inside[i] == '(' || inside[i] == '[') ++depth;
    if (inside[i] == ')' || inside[i] == ']') --depth;
    if (inside[i] == ',' && depth == 0) {
      if (comma != std::string::npos) return refuse("the interval has more than two ends");
      comma = i;
    }
  }
  if (comma == std::string::npos) return refuse("the interval needs two ends, A, B");
  std::string expression = trimmed(text.substr(0, open));
  if (!expression.empty() && expression.back() == ',') expression.pop_back();
  Piece piece;
  piece.expression = trimmed(expression);
  piece.from = trimmed(inside.substr(0, comma));
  piece.to = trimmed(inside.substr(comma + 1));
  piece.fromIncluded = text[open] == '[';
  piece.toIncluded = text.back() == ']';
  if (piece.expression.empty()) return refuse("the expression before the interval is missing");
  return piece;
}

bool asksForMarkedKind(const SplitWords& words) {
  return words.has("--piece") || words.has("--points");
}

std::string markedKindsUsage() {
  return "  --piece \"EXPR, [A, B)\"\n"
         "                    one piece of a piecewise function, given once for each\n"
         "                    piece (at most six): an expression in x, then its interval;\n"
         "                    [ or ] holds the end, ( or ) does not; -inf and inf (or ∞)\n"
         "                    for an open outer end: --piece \"x+1, (-inf, 0)\"\n"
         "                    --piece \"x^2, [0, inf)\". Intervals may not overlap.\n"
         "  --points TEXT     points to mark, each with an optional name:\n"
         "                    \"A(1, 2) B(3, -1)\", \"(pi/2, 1)\"\n"
         "                    Both are kept in a list document (.QVJ) only.\n";
}

int addMarkedKind(const SplitWords& words, const std::string& usage, std::ostream& out,
                  std::ostream& err) {
  if (const std::string problem = requestProblem(words); !problem.empty()) {
    return usageError(err, "add", problem, usage);
  }
  PiecewiseCurve pieces;
  if (const auto found = words.repeated.find("--piece"); found != words.repeated.end()) {
    for (const std::string& value : found->second) {
      std::string problem;
      const std::optional<Piece> piece = parsePieceOption(value, problem);
      if (!piece) return usageError(err, "add", problem, usage);
      pieces.pieces.push_back(*piece);
    }
  }
  const std::filesystem::path file = words.operands.front();
  int exit = kExitDone;
  std::optional<ListToChange> target = openListToChange(file, commandRandom(), err, exit);
  if (!target) return exit;
  const std::int32_t colour = target->colourOf(words);
  std::optional<ListEntry> entry;
  Refusal refusal;
  std::string detail;
  if (const std::string* points = words.value("--points")) {
    TypedPointsReading typed = readTypedPoints(PointList{*points, colour});
    entry = std::move(typed.entry);
    refusal = typed.reading.refusal;
  } else {
    pieces.colour = colour;
    TypedPiecewiseReading typed = readTypedPiecewise(pieces);
    entry = std::move(typed.entry);
    refusal = typed.reading.refusal;
    detail = typed.detail;
  }
  if (!entry) {
    err << refusal.title << ": " << refusal.message << '\n';
    if (!detail.empty()) err << detail << '\n';
    return kExitRefused;
  }
  target->list.add(*entry);
  if (exit = writeListFile("add", file, target->list, target->existing, err); exit != kExitDone) {
    return exit;
  }
  out << entry->line << '\n';
  return kExitDone;
}

}  // namespace quorvel::cli
