#include "cli/region_add.h"

#include <filesystem>
#include <string_view>

#include "cli/command_support.h"
#include "cli/commands.h"
#include "cli/list_opening.h"
#include "document/region_entry.h"

namespace quorvel::cli {

namespace {

// The options of the other kinds, which say nothing about a region.
constexpr std::string_view kOtherOptions[] = {
    "--family",     "--form",   "--p1",      "--p2",   "--p3",       "--p4",     "--expr",
    "--x-from",     "--x-to",   "--y-from",  "--y-to", "--int",      "--no-int", "--xt",
    "--yt",         "--polar",  "--from",    "--to",   "--equation", "--piece",  "--points",
    "--derivative", "--second", "--tangent", "--at",   "--normal",   "--area"};

std::string requestProblem(const SplitWords& words) {
  if (std::string problem = listOperandProblem(words, "LIST.QVJ"); !problem.empty()) return problem;
  if (words.operands.front().empty()) return "the list file name is empty";
  if (!words.has("--region")) return "--objective needs the region's inequalities (--region)";
  for (const std::string_view option : kOtherOptions) {
    if (words.has(option)) return std::string(option) + " does not apply to a region";
  }
  return colourOptionProblem(words);
}

}  // namespace

bool asksForRegion(const SplitWords& words) {
  return words.has("--region") || words.has("--objective");
}

std::string regionUsage() {
  return "  --region TEXT     an inequality of a region, given once for each (at most 64);\n"
         "                    the region shaded is where all of them hold. As a textbook\n"
         "                    writes it: --region \"x + y <= 4\" --region \"x >= 0\",\n"
         "                    \"y > x^2\", \"x² + y² ≤ 4\", \"0 ≤ x ≤ 3\"; < and > draw the\n"
         "                    boundary dashed, ≤ (<=) and ≥ (>=) solid\n"
         "  --objective TEXT  the objective z = ax + by of a linear program kept with the\n"
         "                    region: \"2x + y\" or \"z = 2x + y\"\n"
         "                    A region is kept in a list document (.QVJ) only.\n";
}

int addRegion(const SplitWords& words, const std::string& usage, std::ostream& out,
              std::ostream& err) {
  if (const std::string problem = requestProblem(words); !problem.empty()) {
    return usageError(err, "add", problem, usage);
  }
  RegionCurve typed;
  if (const auto found = words.repeated.find("--region"); found != words.repeated.end()) {
    for (const std::string& value : found->second) {
      // One option, one inequality (a chain "0 <= x <= 3" is one).
      typed.text += (typed.text.empty() ? "" : "\n") + value;
    }
  }
  if (const std::string* objective = words.value("--objective")) typed.objective = *objective;
  const std::filesystem::path file = words.operands.front();
  int exit = kExitDone;
  std::optional<ListToChange> target = openListToChange(file, commandRandom(), err, exit);
  if (!target) return exit;
  typed.colour = target->colourOf(words);
  TypedRegionReading reading = readTypedRegion(typed);
  if (!reading.entry) {
    err << reading.reading.refusal.title << ": " << reading.reading.refusal.message << '\n';
    return kExitRefused;
  }
  target->list.add(*reading.entry);
  if (exit = writeListFile("add", file, target->list, target->existing, err); exit != kExitDone) {
    return exit;
  }
  out << reading.entry->line << '\n';
  return kExitDone;
}

}  // namespace quorvel::cli
