// quorvel list: the lines of a list file's curves, as the toolbar's 打开 rebuilds
// the list of drawn functions from it.
#include <iostream>
#include <string>
#include <vector>

#include "cli/command_support.h"
#include "cli/commands.h"
#include "cli/list_opening.h"
#include "cli/option_parsing.h"

namespace quorvel::cli {

namespace {

constexpr OptionRule kListOptions[] = {{"--pretty", false}, {"--help", false}};

constexpr std::string_view kListUsage =
    "Usage: quorvel list LIST.QVX [--pretty]\n"
    "\n"
    "Opens the list file as the toolbar's 打开 does, reading every record, and\n"
    "prints the line of each record as the list of drawn functions shows it, one\n"
    "per line. A record that fails the draw command's checks is reported on\n"
    "standard error as 'LIST.QVX: record N: TITLE: MESSAGE' (its line is printed\n"
    "all the same).\n"
    "\n"
    "  --pretty  print each curve as the window shows it, as a textbook prints it\n"
    "            (y = x² − 4); a record that cannot be drawn keeps its line\n"
    "  --help    show this help\n"
    "\n"
    "Exit status: 0 every record can be drawn; 1 the program refused the file or a\n"
    "record; 2 wrong usage; 3 the file could not be read.\n";

}  // namespace

int listCommand(const std::vector<std::string>& args, std::istream& /*in*/, std::ostream& out,
                std::ostream& err) {
  const SplitWords words = splitWords(args, kListOptions);
  if (!words.problem.empty()) return usageError(err, "list", words.problem, kListUsage);
  if (words.has("--help")) {
    out << kListUsage;
    return kExitDone;
  }
  if (const std::string problem = listOperandProblem(words); !problem.empty()) {
    return usageError(err, "list", problem, kListUsage);
  }
  const std::filesystem::path list = words.operands.front();
  int exit = kExitDone;
  const std::optional<OpenedList> opened = openListFile("list", list, commandRandom(), err, exit);
  if (!opened) return exit;
  const bool pretty = words.has("--pretty");
  for (const ListEntry& entry : opened->list.entries()) {
    out << (pretty && !entry.printed.empty() ? entry.printed : entry.line) << '\n';
  }
  const std::size_t refused = reportRefusals(err, "list", list, opened->refused);
  return refused == 0 ? kExitDone : kExitRefused;
}

}  // namespace quorvel::cli
