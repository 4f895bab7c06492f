#include "cli/derived_add.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string_view>

#include "analysis/curve_calculus.h"
#include "analysis/derived_calculus.h"
#include "cli/command_support.h"
#include "cli/commands.h"
#include "cli/entry_curve.h"
#include "cli/list_opening.h"

namespace quorvel::cli {

namespace {

constexpr std::array<std::string_view, 3> kSources = {"--derivative", "--tangent", "--area"};

// The options of the other kinds, which say nothing about a derived curve.
constexpr std::string_view kOtherOptions[] = {
    "--family", "--form",  "--p1",       "--p2",    "--p3",    "--p4",     "--expr",
    "--x-from", "--x-to",  "--y-from",   "--y-to",  "--int",   "--no-int", "--xt",
    "--yt",     "--polar", "--equation", "--piece", "--points"};

std::string requestProblem(const SplitWords& words, std::string_view& source) {
  if (words.operands.size() != 1) {
    return words.operands.empty() ? "the list file LIST.QVJ is needed"
                                  : "give exactly one list file";
  }
  int sources = 0;
  for (const std::string_view option : kSources) {
    if (words.has(option)) {
      ++sources;
      source = option;
    }
  }
  if (sources != 1) return "give one of --derivative, --tangent and --area";
  for (const std::string_view option : kOtherOptions) {
    if (words.has(option)) return std::string(option) + " does not apply to a derived curve";
  }
  const bool tangent = source == "--tangent", area = source == "--area";
  if (tangent != words.has("--at")) return "--at goes with --tangent, and --tangent needs it";
  if (words.has("--normal") && !tangent) return "--normal goes with --tangent";
  if (words.has("--second") && source != "--derivative") return "--second goes with --derivative";
  if (words.has("--with") && !area) return "--with goes with --area";
  if (area != (words.has("--from") && words.has("--to"))) {
    return "--from and --to go with --area, and --area needs both";
  }
  if (const std::string* colour = words.value("--color"); colour && !parseHexColour(*colour)) {
    return "--color must be six hexadecimal digits RRGGBB, not '" + *colour + "'";
  }
  return {};
}

std::string noEntry(std::size_t size, int entry) {
  return "the list has " + std::to_string(size) + " entries, no entry " + std::to_string(entry);
}

std::string valueOr(const SplitWords& words, std::string_view option) {
  const std::string* value = words.value(option);
  return value != nullptr ? *value : std::string();
}

}  // namespace

bool asksForDerivedCurve(const SplitWords& words) {
  for (const std::string_view option : kSources) {
    if (words.has(option)) return true;
  }
  return false;
}

std::string derivedCurvesUsage() {
  return "  --derivative N    the derivative y = f′(x) of entry N (counted from 1) of a\n"
         "                    list document, a curve y = f(x); with --second f″(x)\n"
         "  --tangent N --at X0 [--normal]\n"
         "                    the tangent (or the normal) of entry N at x = X0\n"
         "  --area N --from A --to B\n"
         "                    the area between entry N and the x axis from A to B,\n"
         "                    shaded; its integral and area are printed after the line\n"
         "  --area N --with M --from A --to B\n"
         "                    the area between entries N and M from A to B, shaded in\n"
         "                    entry N's colour; the integral is of N − M\n"
         "                    Each keeps a copy of entry N (and M): changing or deleting\n"
         "                    either later leaves it as it is. Only a list document\n"
         "                    (.QVJ) keeps them.\n";
}

int addDerivedCurve(const SplitWords& words, const std::string& usage, std::ostream& out,
                    std::ostream& err) {
  std::string_view source;
  if (const std::string problem = requestProblem(words, source); !problem.empty()) {
    return usageError(err, "add", problem, usage);
  }
  std::string problem;
  const std::optional<int> entry = entryOption(words, source, 1, problem);
  if (!problem.empty()) return usageError(err, "add", problem, usage);
  const std::filesystem::path file = words.operands.front();
  const RandomNumbers random = commandRandom();
  int exit = kExitDone;
  std::optional<ListToChange> target = openListToChange(file, random, err, exit);
  if (!target) return exit;
  if (static_cast<std::size_t>(*entry) > target->list.size()) {
    return usageError(err, "add", noEntry(target->list.size(), *entry), usage);
  }
  DerivedRequest request;
  if (source == "--tangent") {
    request.kind = words.has("--normal") ? DerivedKind::kNormal : DerivedKind::kTangent;
    request.at = valueOr(words, "--at");
  } else if (source == "--area") {
    request.kind = DerivedKind::kArea;
    request.from = valueOr(words, "--from");
    request.to = valueOr(words, "--to");
    if (words.has("--with")) {
      const std::optional<int> with = entryOption(words, "--with", 1, problem);
      if (!problem.empty()) return usageError(err, "add", problem, usage);
      if (static_cast<std::size_t>(*with) > target->list.size()) {
        return usageError(err, "add", noEntry(target->list.size(), *with), usage);
      }
      request.with = target->list.at(static_cast<std::size_t>(*with - 1));
    }
  } else {
    request.kind =
        words.has("--second") ? DerivedKind::kSecondDerivative : DerivedKind::kDerivative;
  }
  // A line gets a colour of its own, as any new curve; an area is shaded in its curve's.
  if (const std::string* colour = words.value("--color")) {
    request.colour = *parseHexColour(*colour);
  } else if (request.kind != DerivedKind::kArea) {
    request.colour = target->nextAutoColour();
  }
  DerivedMaking making =
      makeDerivedEntry(target->list.at(static_cast<std::size_t>(*entry - 1)), request, random);
  if (!making.entry) {
    err << "错误: " << making.reason << '\n';
    return kExitRefused;
  }
  const std::string line = making.entry->line;
  target->list.add(std::move(*making.entry));
  if (exit = writeListFile("add", file, target->list, target->existing, err); exit != kExitDone) {
    return exit;
  }
  out << line << '\n';
  if (making.integral) out << integralLines(*making.integral);
  return kExitDone;
}

}  // namespace quorvel::cli
